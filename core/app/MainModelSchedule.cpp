// The race-day steps of automatic operation and change information, which come later: each does nothing
// until its subsystem lands.
#include "core/app/MainModel.h"

namespace marovix {

void MainModel::computeSchedules() {}
void MainModel::computeTargets() {}

}  // namespace marovix
