#include "core/race/RunnerIndexReading.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/race/RecordKeys.h"

namespace marovix {
namespace {

constexpr int kHorses = 18;
// A line of the computer-index file: from position 15 on, per rank the horse number and the index value.
constexpr RepeatedField kCompiHorse{15, 2, 4, kHorses};
constexpr RepeatedField kCompiValue{17, 2, 4, kHorses};

bool isBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 0x20 && c != '\0'; }

// Ranks the horses of `values` whose value is above 0 by value, then horse number, ascending: the order
// of the texts "%5d%2d" sorted as text, which is numeric order for the values here (0 < value < 100000).
// `rank(position, count)` gives the rank of a position.
template <class Rank>
void rankByValue(const PerHorse& values, PerHorse& ranks, Rank rank) {
    ranks.fill(0);
    std::array<std::pair<int, int>, kHorses> list{};
    int count = 0;
    for (int h = 1; h <= kHorses; ++h)
        if (values[static_cast<std::size_t>(h)] > 0)
            list[static_cast<std::size_t>(count++)] = {values[static_cast<std::size_t>(h)], h};
    std::sort(list.begin(), list.begin() + count);
    for (int p = 0; p < count; ++p)
        ranks[static_cast<std::size_t>(list[static_cast<std::size_t>(p)].second)] = rank(p, count);
}

}  // namespace

void readComputerIndex(std::span<const std::string> compiLines, std::string_view race, RunnerIndexes& indexes) {
    const int raceNumber = fieldNumber(race, RaField::raceNumber);
    if (raceNumber <= 0 || static_cast<std::size_t>(raceNumber) > compiLines.size()) return;
    const std::string& line = compiLines[static_cast<std::size_t>(raceNumber - 1)];
    const int runners = std::clamp(fieldNumber(race, RaField::registeredRunners), 0, kHorses);
    for (int c = 1; c <= runners; ++c) {
        const int horse = fieldNumber(line, kCompiHorse.at(c - 1));
        const int value = fieldNumber(line, kCompiValue.at(c - 1));
        if (horse < 1 || horse > kHorses || value <= 0) continue;
        indexes.CompiValue[static_cast<std::size_t>(horse)] = value;
        indexes.CompiRank[static_cast<std::size_t>(horse)] = c;
    }
}

std::vector<std::string> splitIndexLine(std::string_view line) {
    std::vector<std::string> fields;
    splitIndexLine(line, fields);
    return fields;
}

void splitIndexLine(std::string_view line, std::vector<std::string>& fields) {
    // The strings already in `fields` are reused, so a reader splitting line after line allocates
    // only while its fields grow.
    std::size_t used = 0;
    auto next = [&]() -> std::string& {
        if (used == fields.size()) fields.emplace_back();
        std::string& field = fields[used++];
        field.clear();
        return field;
    };
    std::size_t p = 0;
    const std::size_t n = line.size();
    auto skipBlanks = [&] {
        while (p < n && isBlankOrControl(line[p])) ++p;
    };
    skipBlanks();
    while (p < n && line[p] != '\0') {
        std::string& field = next();
        if (line[p] == '"') {
            ++p;
            while (p < n) {
                if (line[p] == '"') {
                    if (p + 1 < n && line[p + 1] == '"') {
                        field += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                field += line[p++];
            }
        } else {
            const std::size_t start = p;
            while (p<n&& static_cast<unsigned char>(line[p])> 0x20 && line[p] != ',') ++p;
            field.assign(line.substr(start, p - start));
        }
        skipBlanks();
        if (p < n && line[p] == ',') {
            if (p + 1 >= n) next();
            ++p;
            skipBlanks();
        }
    }
    fields.resize(used);
}

std::string shortHorseKey(std::string_view key) {
    if (key.size() == 18) return std::string(key.substr(0, 10)) + std::string(key.substr(14));
    return std::string(key);
}

HorseKeyFinder::HorseKeyFinder(const RaceRecords& races) {
    for (std::size_t slot = 0; slot < races.size(); ++slot)
        if (isUsedSlot(races[slot])) m_raceKeys[slot] = dayMatchingKey(races[slot]);
    // A file holds a line per runner: each line finds its race by key, not by a scan of the slots. The
    // first slot of a key is the one that takes its lines.
    for (std::size_t slot = 0; slot < m_raceKeys.size(); ++slot)
        if (!m_raceKeys[slot].empty()) m_slotOfKey.emplace(m_raceKeys[slot], static_cast<RaceSlot>(slot));
}

std::optional<HorseKeyFinder::Horse> HorseKeyFinder::find(std::string_view key) const {
    const std::string shortKey = shortHorseKey(key);
    if (shortKey.size() < 12) return std::nullopt;
    const int horse = lenientInt(std::string_view(shortKey).substr(12, 2));
    const auto found = m_slotOfKey.find(std::string_view(shortKey).substr(0, 12));
    if (found == m_slotOfKey.end() || horse < 1 || horse > kHorses) return std::nullopt;
    return Horse{found->second, horse};
}

std::string skippedLinesNote(const std::string& fileName, int count) {
    return "[" + fileName + "]の" + std::to_string(count) +
           "行を読み飛ばしました。（開催日のレースにない馬か、馬番が1～18でない行です）";
}

int readOwnIndex(std::span<const std::string> lines, OwnIndex which, const RaceRecords& races,
                 std::span<RaceWork, kRaceSlotCount> work) {
    const HorseKeyFinder finder(races);
    std::vector<std::string> fields;
    int skipped = 0;
    for (const std::string& line : lines) {
        splitIndexLine(line, fields);
        if (fields.empty()) continue;
        const auto found = finder.find(fields[0]);
        if (!found) {
            ++skipped;
            continue;
        }
        const int value = fields.size() > 1 ? lenientInt(fields[1]) : 0;
        RunnerIndexes& indexes = work[static_cast<std::size_t>(found->slot)].indexes;
        (which == OwnIndex::First ? indexes.OwnIndex1 : indexes.OwnIndex2)[static_cast<std::size_t>(found->horse)] =
            value;
    }
    return skipped;
}

void computeMining(const std::array<std::string, kRaceSlotCount>& dm, const std::array<std::string, kRaceSlotCount>& tm,
                   const std::array<RunnerRecords, kRaceSlotCount>& runners, std::span<RaceWork, kRaceSlotCount> work) {
    for (std::size_t slot = 0; slot < kRaceSlotCount; ++slot) {
        RunnerIndexes& indexes = work[slot].indexes;
        indexes.DMTime.fill(0);
        indexes.TMScore.fill(0);
        for (int k = 0; k < kHorses; ++k) {
            const auto horse = static_cast<std::size_t>(k + 1);
            indexes.DMTime[horse] = fieldNumber(dm[slot], DmField::predictedTime.at(k));
            const int mining = fieldNumber(runners[slot][static_cast<std::size_t>(k)], SeField::miningTime);
            if (mining > 0 && mining < 99999) indexes.DMTime[horse] = mining;
            const int score = fieldNumber(tm[slot], TmField::score.at(k));
            indexes.TMScore[horse] = score >= 0 && score <= 1000 ? score : 0;
        }
        rankByValue(indexes.DMTime, indexes.DMRank, [](int p, int) { return p + 1; });
        rankByValue(indexes.TMScore, indexes.TMRank, [](int p, int count) { return count - p; });
    }
}

}  // namespace marovix
