// The selection handlers of the main window: the marks (SetSihyoBtn) and the eight builders (KaimeMakeBtn).
#include "core/app/MainModel.h"

namespace marovix {

void MainModel::SetSihyoBtnClick() {}

void MainModel::KaimeMakeBtnClick() {
    for (const auto& bet : kBetTypes) finishBetGrid(bet.type);
    KaimeMixBtnClick();
}

}  // namespace marovix
