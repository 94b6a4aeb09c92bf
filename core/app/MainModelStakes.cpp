// The stake handlers of the main window: stake inputs, allocation and the combined list (KaimeMixBtn).
#include "core/app/MainModel.h"

namespace marovix {

void MainModel::resetDefaultStakes() {}
void MainModel::loadRaceStakes() {}
void MainModel::finishBetGrid(BetType) {}
void MainModel::KaimeMixBtnClick() {}

}  // namespace marovix
