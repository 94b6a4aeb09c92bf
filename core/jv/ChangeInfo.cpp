#include "core/jv/ChangeInfo.h"

#include <algorithm>

#include "core/common/TextFile.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"

namespace marovix {
namespace {

constexpr std::size_t kMarksFileLines = 5;

// The lines of a change file; nothing when it does not exist, and a problem noted when it cannot be read.
std::optional<std::vector<std::string>> changeLines(const std::string& path, ChangeApplication& applied) {
    if (!fileExists(path)) return std::nullopt;
    auto lines = readRawLines(path);
    if (!lines) {
        applied.problems.push_back(lines.error());
        return std::nullopt;
    }
    return std::move(*lines);
}

// The course code of a record as a course of the condition table, or 0 when it is none.
int conditionCourse(std::string_view record) {
    const int course = fieldNumber(record, MeetingIdField::courseCode);
    return course >= 1 && course <= kChangeCourseCount ? course : 0;
}

// The same course and race number (as the records hold them).
bool sameRace(std::string_view a, std::string_view b) {
    return fieldText(a, IdField::courseCode) == fieldText(b, IdField::courseCode) &&
           fieldText(a, IdField::raceNumber) == fieldText(b, IdField::raceNumber);
}

void applyWeather(RaceDay& day, const std::vector<std::string>& lines) {
    const CourseConditionTable courses = weatherAndGoing(lines);
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot) {
        const int course = conditionCourse(day.race(slot));
        if (course == 0) continue;
        const CourseConditions& c = courses[static_cast<std::size_t>(course)];
        RaceWork& work = day.work[static_cast<std::size_t>(slot)];
        work.WeatherCode = c.weather;
        work.TurfGoingCode = c.turfGoing;
        work.DirtGoingCode = c.dirtGoing;
    }
}

int applyScratches(RaceDay& day, const std::vector<std::string>& lines, const std::string& mark) {
    int applied = 0;
    for (const std::string& av : lines) {
        if (fieldText(av, AvField::announced) <= std::string_view(mark)) continue;
        const std::string_view horse = fieldText(av, AvField::horseNumber);
        if (horse.size() != static_cast<std::size_t>(AvField::horseNumber.length)) continue;
        for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot) {
            if (!isUsedSlot(day.race(slot)) || !sameRace(day.race(slot), av)) continue;
            const RunnerRecords& runners = day.runners[static_cast<std::size_t>(slot)];
            for (std::size_t k = 0; k < runners.size(); ++k) {
                if (fieldText(runners[k], SeField::horseNumber) != horse) continue;
                day.work[static_cast<std::size_t>(slot)].Scratched[k + 1] = true;
                ++applied;
            }
        }
    }
    return applied;
}

// A new post time that may be written into a race record: four digits, or blanks.
bool writablePostTime(std::string_view time) {
    if (time.size() != static_cast<std::size_t>(TcField::newPostTime.length)) return false;
    return std::all_of(time.begin(), time.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
           time.find_first_not_of(' ') == std::string_view::npos;
}

void overwritePostTime(std::string& record, std::string_view time) {
    record.replace(static_cast<std::size_t>(RaField::postTime.position - 1), time.size(), time);
}

bool hasPostTime(std::string_view record) {
    return record.size() >= static_cast<std::size_t>(RaField::postTime.position + RaField::postTime.length - 1);
}

void applyPostTimes(RaceDay& day, const std::string& tcPath, const std::vector<std::string>& tcLines,
                    const std::string& mark, ChangeApplication& applied) {
    auto raLines = changeLines(day.files.race, applied);
    if (!raLines) return;
    applied.postTimesApplied = true;
    bool changed = false;
    for (const std::string& tc : tcLines) {
        if (fieldText(tc, TcField::announced) <= std::string_view(mark)) continue;
        const std::string_view time = fieldText(tc, TcField::newPostTime);
        if (!writablePostTime(time)) {
            applied.problems.push_back(tcPath + ": 発走時刻変更の時刻が不正です(\"" + std::string(time) + "\")");
            continue;
        }
        const bool realTime = time != "0000" && time != "    ";
        const std::size_t count = std::min(raLines->size(), static_cast<std::size_t>(kRaceSlotCount));
        for (std::size_t j = 0; j < count; ++j) {
            std::string& line = (*raLines)[j];
            if (!hasPostTime(line) || !sameRace(line, tc)) continue;
            overwritePostTime(line, time);
            changed = true;
            std::string& race = day.races[j];
            if (!realTime || !hasPostTime(race)) continue;
            overwritePostTime(race, time);
            const RaceSlot slot = static_cast<RaceSlot>(j);
            if (std::find(applied.postTimesMoved.begin(), applied.postTimesMoved.end(), slot) ==
                applied.postTimesMoved.end())
                applied.postTimesMoved.push_back(slot);
        }
    }
    if (!changed) return;
    if (Status saved = writeRawLines(day.files.race, *raLines); !saved) applied.problems.push_back(saved.error());
}

}  // namespace

std::string changeFilePath(std::string_view changeFolder, std::string_view dayText, std::string_view extension) {
    return joinPath(changeFolder, std::string(dayText) + std::string(extension));
}

ChangeMarks readChangeMarks(std::string_view changeFolder, std::string_view dayText) {
    auto lines = readRawLinesIfPresent(changeFilePath(changeFolder, dayText, ".NEW"));
    if (!lines || lines->size() != kMarksFileLines) return {};
    return {(*lines)[1], (*lines)[3]};
}

CourseConditionTable weatherAndGoing(const std::vector<std::string>& weLines) {
    CourseConditionTable courses;
    for (const std::string& we : weLines) {
        const int course = conditionCourse(we);
        if (course == 0) continue;
        CourseConditions& c = courses[static_cast<std::size_t>(course)];
        const std::string_view kind = fieldText(we, WeField::changeKind);
        const std::string time(fieldText(we, WeField::announcedTime));
        if ((kind == "3" && time > c.goingTime) || (kind == "1" && c.goingTime == "0000")) {
            c.goingTime = time;
            c.turfGoing = fieldText(we, WeField::turfGoingCode);
            c.dirtGoing = fieldText(we, WeField::dirtGoingCode);
        }
        if ((kind == "2" && time > c.weatherTime) || (kind == "1" && c.weatherTime == "0000")) {
            c.weatherTime = time;
            c.weather = fieldText(we, WeField::weatherCode);
        }
    }
    return courses;
}

ChangeApplication ApplyChangeInfo(RaceDay& day, std::string_view changeFolder) {
    ChangeApplication applied;
    const std::string& dayText = day.files.dayText;
    const ChangeMarks marks = readChangeMarks(changeFolder, dayText);
    if (auto we = changeLines(changeFilePath(changeFolder, dayText, ".WE"), applied)) {
        applyWeather(day, *we);
        applied.weatherApplied = true;
    }
    if (auto av = changeLines(changeFilePath(changeFolder, dayText, ".AV"), applied))
        applied.scratchesApplied = applyScratches(day, *av, marks.scratches);
    const std::string tcPath = changeFilePath(changeFolder, dayText, ".TC");
    if (auto tc = changeLines(tcPath, applied)) applyPostTimes(day, tcPath, *tc, marks.postTimes, applied);
    return applied;
}

bool henkoTimerFetches(std::string_view hhnn) { return hhnn >= "0830" && hhnn <= "1700"; }

}  // namespace marovix
