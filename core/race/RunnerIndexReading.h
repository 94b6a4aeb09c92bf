#pragma once
// Reading the index values of a meeting day into RunnerIndexes: the computer index of the companion
// index program (CompiFile), the user's own index files (OwnIndexFile) and the two JRA-VAN mining
// predictions (ReadMining), with their ranks.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/race/RaceSlot.h"
#include "core/race/RaceWork.h"

namespace marovix {

// The computer index of one race from the lines of its course's CompiFile: line r - 1 belongs to race
// number r; the entry of rank c (c = 1..registered runners) holds the horse number at byte positions
// 4c + 11 and 4c + 12 and the value at 4c + 13 and 4c + 14. An entry whose horse is not 1..18 or whose
// value is not above 0 is skipped. A race without race number or without its line changes nothing.
void readComputerIndex(std::span<const std::string> compiLines, std::string_view race, RunnerIndexes& indexes);

// Splits an own-index line into fields: at commas and at blanks or control characters outside double
// quotes; a quoted field keeps its blanks ("" inside it stands for one quote); a comma at the very end
// gives a last empty field.
std::vector<std::string> splitIndexLine(std::string_view line);
// The same into `fields`, reusing its storage.
void splitIndexLine(std::string_view line, std::vector<std::string>& fields);

// The horse key of an own-index or import line reduced to 14 characters (yyyymmddCCRRHH): an 18-character
// key (yyyymmddCCMMDDRRHH) loses its characters 11-14 (meeting and day numbers); other keys stay as they are.
std::string shortHorseKey(std::string_view key);

// The races of a day by the first 12 characters of a horse key (year, month-day, course code, race number):
// a key finds the first race slot that has them.
class HorseKeyFinder {
public:
    explicit HorseKeyFinder(const RaceRecords& races);
    HorseKeyFinder(const HorseKeyFinder&) = delete;  // the map's keys look into m_raceKeys
    HorseKeyFinder& operator=(const HorseKeyFinder&) = delete;
    struct Horse {
        RaceSlot slot;
        int horse;  // 1..18
    };
    // The race and horse number of a horse key of 14 or 18 characters (see shortHorseKey); nothing when no
    // race has the key or the horse number is not 1..18.
    std::optional<Horse> find(std::string_view key) const;

private:
    std::array<std::string, kRaceSlotCount> m_raceKeys;
    std::unordered_map<std::string_view, RaceSlot> m_slotOfKey;
};

// The one message of the lines of an own-index or import file that were skipped because their key names no
// race of the day or their horse number is not 1..18: "[" + file + "]の" + count + "行を読み飛ばしました。…".
std::string skippedLinesNote(const std::string& fileName, int count);

// Which own index a file fills.
enum class OwnIndex { First, Second };

// The lines of an OwnIndexFile into the races of the day: for each line, field 1 is the horse key and
// field 2 the value (lenient integer); the key's first 12 characters are compared with year + month-day +
// course code + race number of each race in list order (`races`, the used slots), and at the first equal
// race the horse's index (characters 13-14 of the key, 1..18) is set. Lines matching no race, or with a
// horse number outside 1..18, are skipped; returns how many.
int readOwnIndex(std::span<const std::string> lines, OwnIndex which, const RaceRecords& races,
                 std::span<RaceWork, kRaceSlotCount> work);

// ReadMining after the day's DM and TM records have been placed into their slots: DMTime from each DM
// entry, overridden by the runner record's mining time when that is above 0 and below 99999; TMScore from
// each TM entry when 0..1000; DMRank by predicted time, smallest first (equal times: the lower horse
// number first); TMRank by score, highest first (equal scores: the higher horse number first). Every slot's
// mining values are rewritten, so no rank of an earlier day remains.
void computeMining(const std::array<std::string, kRaceSlotCount>& dm, const std::array<std::string, kRaceSlotCount>& tm,
                   const std::array<RunnerRecords, kRaceSlotCount>& runners, std::span<RaceWork, kRaceSlotCount> work);

}  // namespace marovix
