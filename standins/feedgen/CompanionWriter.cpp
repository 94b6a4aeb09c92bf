#include "standins/feedgen/CompanionWriter.h"

#include <algorithm>
#include <numeric>

#include "core/race/KeibaFunc.h"
#include "standins/feedgen/RecordHeader.h"

namespace marovix::feedgen {
namespace {

// yyyymmdd + course, optionally meeting and day, + race number + horse number.
std::string horseKey(const Race& race, const Runner& runner, bool longKey) {
    std::string key = race.date.dateKey() + twoDigits(race.course);
    if (longKey) key += twoDigits(race.meeting) + twoDigits(race.day);
    return key + twoDigits(race.number) + twoDigits(runner.number);
}

}  // namespace

std::string CompanionWriter::courseName(int course) { return CourseName(twoDigits(course)); }

std::string CompanionWriter::computerIndexName(const MeetingDay& day, int course) {
    return day.date.dayText() + courseName(course) + ".comp";
}

std::vector<std::string> CompanionWriter::computerIndexLines(const DayPlan& plan, int course) {
    std::vector<std::string> lines;
    for (const auto& race : plan.races) {
        if (race.course != course) continue;
        // Positions 1-14: date, course, race number, runners; then the entries by rank.
        std::string line =
            race.date.dateKey() + twoDigits(race.course) + twoDigits(race.number) + twoDigits(race.registered());
        std::vector<std::size_t> order(race.runners.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return race.runners[a].computerIndex > race.runners[b].computerIndex;
        });
        for (auto i : order) line += twoDigits(race.runners[i].number) + twoDigits(race.runners[i].computerIndex);
        lines.push_back(line);
    }
    return lines;
}

std::string CompanionWriter::ownIndexName(const MeetingDay& day, bool longKeys) {
    return std::string(longKeys ? kOwnIndexNameB : kOwnIndexNameA) + day.date.dateKey() + ".csv";
}

std::vector<std::string> CompanionWriter::ownIndexLines(const DayPlan& plan, bool longKeys) {
    std::vector<std::string> lines;
    for (const auto& race : plan.races)
        for (const auto& runner : race.runners)
            lines.push_back(horseKey(race, runner, longKeys) + "," +
                            std::to_string(longKeys ? runner.ownIndexB : runner.ownIndexA));
    return lines;
}

std::string CompanionWriter::timeSeriesFolder(const MeetingDay& day) { return day.date.dateKey(); }

std::string CompanionWriter::timeSeriesName(const Race& race, int kind) {
    return twoDigits(race.course) + twoDigits(race.meeting) + twoDigits(race.day) + twoDigits(race.number) + ".jvO" +
           std::to_string(kind);
}

}  // namespace marovix::feedgen
