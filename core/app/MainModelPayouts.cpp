// The payout handlers of the main window: reading the day's payouts and the payout panel.
#include "core/app/MainModel.h"

namespace marovix {

void MainModel::readPayouts() {}
void MainModel::showPayoutPanel() {}

}  // namespace marovix
