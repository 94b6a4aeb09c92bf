#pragma once
// The settings a day load uses, read once when it starts.
#include <array>
#include <string>

#include "core/kaime/StakeInputs.h"
#include "core/race/RaceSchedule.h"
#include "core/settings/SettingsSnapshot.h"

namespace marovix {

struct DayLoadSettings {
    // The computer-index companion's folder (Dir/lumidex).
    std::string compiFolder;
    // The names of the two own-index files (original/sisu1, sisu2), blanks and tabs around them removed.
    std::array<std::string, 2> ownIndexNames;
    // The stake inputs every race starts with (KaimeSet/DefaultAmountTan ... DefaultAmountSRT).
    BetAmounts defaultStakes{};
    // The timing of automatic operation (AutoOzGet A, AutoOzGetSec S, AutoTohyoInterval I) and the
    // results timer's interval in minutes (AutoRdataGet).
    ScheduleTiming timing;
    int resultsIntervalMinutes = 10;

    static DayLoadSettings read(const SettingsSnapshot& settings);
};

// The eight default stakes of the settings, in bet-type order.
BetAmounts readDefaultStakes(const SettingsSnapshot& settings);

}  // namespace marovix
