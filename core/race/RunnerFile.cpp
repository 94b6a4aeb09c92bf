#include "core/race/RunnerFile.h"

#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"

namespace marovix {

std::optional<int> runnerLineIndex(int race, int horse) {
    if (race < 1 || race > kRunnerRaces || horse < 1 || horse > kRunnerHorses) return std::nullopt;
    return (race - 1) * kRunnerHorses + (horse - 1);
}

std::optional<int> runnerLineIndex(std::string_view seRecord) {
    return runnerLineIndex(fieldNumber(seRecord, SeField::raceNumber), fieldNumber(seRecord, SeField::horseNumber));
}

std::string runnerLineFault(const std::string& path) {
    return path + ": 馬毎レコードの行がありません(レース番号または馬番が範囲外です)";
}

}  // namespace marovix
