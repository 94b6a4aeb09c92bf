// The odds handlers of the main window: reading a race's odds (OzReadBtn) and showing them on the card.
#include "core/app/MainModel.h"

namespace marovix {

void MainModel::readOddsOfSlot(RaceSlot) {}
CardOdds MainModel::cardOdds(RaceSlot) const { return {}; }

}  // namespace marovix
