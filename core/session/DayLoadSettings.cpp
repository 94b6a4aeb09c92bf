#include "core/session/DayLoadSettings.h"

namespace marovix {
namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

BetAmounts readDefaultStakes(const SettingsSnapshot& settings) {
    BetAmounts amounts{};
    for (std::size_t bet = 0; bet < amounts.size(); ++bet)
        amounts[bet] = settings.readInt(settings::KaimeSetDefaultAmount[bet]);
    return amounts;
}

DayLoadSettings DayLoadSettings::read(const SettingsSnapshot& settings) {
    DayLoadSettings read;
    read.compiFolder = settings.readText(settings::DirLumidex);
    read.ownIndexNames = {trimmed(settings.readText(settings::OriginalSisu1)),
                          trimmed(settings.readText(settings::OriginalSisu2))};
    read.defaultStakes = readDefaultStakes(settings);
    return read;
}

}  // namespace marovix
