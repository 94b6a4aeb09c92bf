#pragma once
// A small meeting day written into a data folder for tests of the main model and window: 2024-05-26 at
// Tokyo (course "05", meeting 02, day 08), races numbered from 1, runners with horse numbers and names
// only. The race keys are those of testRaceKey (PayoutRecordBuilder.h).
#include <string>
#include <vector>

#include "core/common/Result.h"

namespace marovix {

inline const std::string kTestDayText = "2024年05月26日";

// Writes <dataFolder>/2024年05月26日.jvRA with `races` races (at most 12) and the runner file of Tokyo
// with `runners` runners per race; `nameTag` goes into every horse name (so a second writing differs).
Status writeTestDay(const std::string& dataFolder, int races, int runners, const std::string& nameTag = "");
// Writes the day's payout file with the given HR lines.
// The default alert sounds of the settings ("Ring08.wav", "Alarm05.wav") and one more in
// windowsFolder/Media, as the program's shared-data folder holds them.
Status writeAlertSounds(const std::string& windowsFolder);
Status writeTestPayouts(const std::string& dataFolder, const std::vector<std::string>& hrLines);

}  // namespace marovix
