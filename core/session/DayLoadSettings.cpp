#include "core/session/DayLoadSettings.h"

#include "core/common/Trim.h"

namespace marovix {

BetAmounts readDefaultStakes(const SettingsSnapshot& settings) {
    BetAmounts amounts{};
    for (std::size_t bet = 0; bet < amounts.size(); ++bet)
        amounts[bet] = settings.readInt(settings::KaimeSetDefaultAmount[bet]);
    return amounts;
}

DayLoadSettings DayLoadSettings::read(const SettingsSnapshot& settings) {
    DayLoadSettings read;
    read.compiFolder = settings.readText(settings::DirLumidex);
    const std::string own1 = settings.readText(settings::OriginalSisu1);
    const std::string own2 = settings.readText(settings::OriginalSisu2);
    read.ownIndexNames = {std::string(trimmed(own1, Blanks::SpaceTab)), std::string(trimmed(own2, Blanks::SpaceTab))};
    read.defaultStakes = readDefaultStakes(settings);
    read.timing =
        ScheduleTiming{settings.readInt(settings::TimeAutoOzGet), settings.readInt(settings::TimeAutoOzGetSec),
                       settings.readInt(settings::TimeAutoTohyoInterval)};
    read.resultsIntervalMinutes = settings.readInt(settings::TimeAutoRdataGet);
    return read;
}

}  // namespace marovix
