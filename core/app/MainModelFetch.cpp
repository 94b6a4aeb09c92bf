// The real-time fetch handlers of the main window: quick odds, results and payouts, mining.
#include "core/app/MainModel.h"

namespace marovix {

void MainModel::SokuhoOddsBtnClick() {}

}  // namespace marovix
