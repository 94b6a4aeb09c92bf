#include "core/race/RaceDay.h"

#include <algorithm>
#include <map>

#include "core/common/FileFaults.h"
#include "core/common/TextFile.h"
#include "core/race/JvRecord.h"
#include "core/race/KeibaFunc.h"
#include "core/race/RecordFields.h"
#include "core/race/RecordPlacement.h"
#include "core/race/RunnerIndexReading.h"

namespace marovix {
namespace {

// The lines of a file, or none when it does not exist; any other failure to read is an error.
Result<std::vector<std::string>> linesIfPresent(const std::string& path) { return readRawLinesIfPresent(path); }

template <std::size_t N>
void note(LoadNotes& notes, const std::string& path, const PlacedRecords<N>& placed) {
    for (const RejectedLine& rejected : placed.rejected)
        notes.push_back(fileLineFault(path, static_cast<std::size_t>(rejected.line), rejected.reason));
}

}  // namespace

void RaceDay::clear() {
    const std::string blankRa = blankRecord("RA");
    const std::string blankSe = blankRecord("SE");
    const std::string blankDm = blankRecord("DM");
    const std::string blankTm = blankRecord("TM");
    races.fill(blankRa);
    for (auto& slot : runners) slot.fill(blankSe);
    dm.fill(blankDm);
    tm.fill(blankTm);
    umaSet.fill(std::string(kUmaSetLineLength, ' '));
    work.fill(RaceWork{});
}

std::vector<RaceSlot> RaceDay::usedSlots() const {
    std::vector<RaceSlot> slots;
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot)
        if (isUsedSlot(race(slot))) slots.push_back(slot);
    return slots;
}

Status readRaceDay(RaceDay& day, const std::string& compiFolder, LoadNotes& notes,
                   const std::function<void()>& progress) {
    auto raLines = readRawLines(day.files.race);
    if (!raLines) return Status(Error{raLines.error()});
    auto placed = placeRaceRecords(*raLines);
    note(notes, day.files.race, placed);
    // Each course's runner and computer-index files are read once for all its races.
    std::map<std::string, std::vector<std::string>> runnerFiles, compiFiles;
    const std::size_t count = std::min(raLines->size(), static_cast<std::size_t>(kRaceSlotCount));
    for (std::size_t slot = 0; slot < count; ++slot) {
        const std::string& race = placed.slots[slot];
        day.races[slot] = race;
        RaceWork& work = day.work[slot];
        work.WeatherCode = std::string(fieldText(race, RaField::weatherCode));
        work.TurfGoingCode = std::string(fieldText(race, RaField::turfGoingCode));
        work.DirtGoingCode = std::string(fieldText(race, RaField::dirtGoingCode));
        const std::string course = CourseName(fieldUtf8(race, RaField::courseCode));
        const std::string compiName = day.files.dayText + course + ".comp";
        auto compi = compiFiles.find(compiName);
        if (compi == compiFiles.end()) {
            std::string path = joinPath(joinPath(compiFolder, "Data"), compiName);
            if (!fileExists(path)) path = joinPath(day.files.dataFolder, compiName);
            auto lines = linesIfPresent(path);
            if (!lines) notes.push_back(lines.error());
            compi = compiFiles.emplace(compiName, lines ? std::move(*lines) : std::vector<std::string>{}).first;
        }
        readComputerIndex(compi->second, race, work.indexes);
        const std::string runnerPath = day.files.runnerFile(course);
        auto runners = runnerFiles.find(runnerPath);
        if (runners == runnerFiles.end()) {
            auto lines = linesIfPresent(runnerPath);
            if (!lines) notes.push_back(lines.error());
            runners = runnerFiles.emplace(runnerPath, lines ? std::move(*lines) : std::vector<std::string>{}).first;
        }
        if (!runners->second.empty()) {
            auto placedRunners = readRunnerSlots(race, runners->second);
            note(notes, runnerPath, placedRunners);
            day.runners[slot] = std::move(placedRunners.slots);
        }
        if (progress) progress();
    }
    return Status::success();
}

void readMining(RaceDay& day, LoadNotes& notes) {
    const std::string blankDm = blankRecord("DM");
    const std::string blankTm = blankRecord("TM");
    day.dm.fill(blankDm);
    day.tm.fill(blankTm);
    auto place = [&](const std::string& path, std::string_view type, std::array<std::string, kRaceSlotCount>& slots) {
        auto lines = linesIfPresent(path);
        if (!lines) {
            notes.push_back(lines.error());
            return;
        }
        auto placed = placeMiningRecords(type, *lines, day.races);
        note(notes, path, placed);
        slots = std::move(placed.slots);
    };
    place(day.files.dm, "DM", day.dm);
    place(day.files.tm, "TM", day.tm);
    computeMining(day.dm, day.tm, day.runners, day.work);
}

Status readUmaSet(RaceDay& day) {
    const std::string& path = day.files.umaSet;
    if (!fileExists(path)) return Status::success();
    auto bytes = readFileBytes(path);
    if (!bytes) return Status(Error{bytes.error()});
    // Fixed records of 54 characters and CR LF, record k for slot k.
    constexpr std::size_t kRecord = kUmaSetLineLength + 2;
    for (std::size_t k = 0; k < static_cast<std::size_t>(kRaceSlotCount) && k * kRecord < bytes->size(); ++k) {
        std::string line = bytes->substr(k * kRecord, kUmaSetLineLength);
        line.resize(kUmaSetLineLength, ' ');
        day.umaSet[k] = std::move(line);
    }
    return Status::success();
}

Status writeUmaSet(const RaceDay& day, int lineCount) {
    auto bytes = readFileBytes(day.files.umaSet);
    if (!bytes) return Status(Error{bytes.error()});
    constexpr std::size_t kRecord = kUmaSetLineLength + 2;
    const auto count = static_cast<std::size_t>(std::clamp(lineCount, 0, kRaceSlotCount));
    std::string file = std::move(*bytes);
    if (file.size() < count * kRecord) file.resize(count * kRecord, ' ');
    for (std::size_t k = 0; k < count; ++k) {
        std::string line = day.umaSet[k];
        line.resize(kUmaSetLineLength, ' ');
        file.replace(k * kRecord, kRecord, line + "\r\n");
    }
    return replaceFile(day.files.umaSet, file);
}

Status createUmaSetFile(const std::string& path, int lineCount) {
    std::vector<std::string> lines(static_cast<std::size_t>(std::max(lineCount, 0)),
                                   std::string(kUmaSetLineLength, ' '));
    return writeRawLines(path, lines);
}

LoadNotes readOwnIndexFiles(RaceDay& day, const std::string& tcsvFolder, const std::string& name1,
                            const std::string& name2) {
    LoadNotes skipped;
    const RaceRecord& first = day.race(0);
    const std::string date =
        std::string(fieldText(first, RaField::year)) + std::string(fieldText(first, RaField::monthDay));
    const std::pair<const std::string*, OwnIndex> files[] = {{&name1, OwnIndex::First}, {&name2, OwnIndex::Second}};
    for (const auto& [name, which] : files) {
        const std::string fileName = *name + date + ".csv";
        auto lines = linesIfPresent(joinPath(tcsvFolder, fileName));
        if (!lines) continue;
        if (const int count = readOwnIndex(*lines, which, day.races, day.work); count > 0)
            skipped.push_back(skippedLinesNote(fileName, count));
    }
    return skipped;
}

}  // namespace marovix
