#include "core/odds/TimeSeriesImport.h"

#include <array>
#include <cstdlib>
#include <map>

#include "core/common/TextFile.h"
#include "core/jv/DownloadRecordRule.h"
#include "core/odds/OddsAnnouncement.h"
#include "core/odds/RaceRecordFields.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordKeys.h"

namespace marovix {
namespace {

std::string_view field(std::string_view record, OddsFieldSpan span) {
    return fieldText(record, span.position, span.width);
}

int postMinuteOf(std::string_view race) {
    return fieldNumber(race, RaceRecordFields::PostHour.position, RaceRecordFields::PostHour.width) * 60 +
           fieldNumber(race, RaceRecordFields::PostMinute.position, RaceRecordFields::PostMinute.width);
}

// A day file held while the import runs: read once, changed for every race, saved once.
struct PendingDayFile {
    bool usable = true;  // false when the file could not be read: it is left alone
    std::vector<std::string> lines;
    std::array<int, kOddsKindCount> racesTaken{};  // per kind; a day file holds one kind, only one counts
    bool changed = false;
};

void putLine(std::vector<std::string>& lines, const std::string& line) {
    const std::string_view key = RaceKey16(line);
    bool replaced = false;
    for (std::string& existing : lines) {
        if (RaceKey16(existing) == key) {
            existing = line;
            replaced = true;
        }
    }
    if (!replaced) lines.push_back(line);
}

}  // namespace

std::optional<std::string> timeSeriesImportRefusal(std::string_view viewerFolder, std::string_view appFolder,
                                                   bool daySelected) {
    if (viewerFolder == appFolder) return std::string("時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定をしてください。");
    if (!daySelected) return std::string("ｵｯｽﾞを読み込みたい当日の開催日ﾃﾞｰﾀを読み込んでください。");
    return std::nullopt;
}

std::string timeSeriesFilePath(std::string_view viewerFolder, std::string_view race, OddsKind kind) {
    std::string folder(field(race, RaceRecordFields::Year));
    folder += field(race, RaceRecordFields::MonthDay);
    std::string name(field(race, RaceRecordFields::CourseCode));
    name += field(race, RaceRecordFields::Meeting);
    name += field(race, RaceRecordFields::Day);
    name += field(race, RaceRecordFields::RaceNumber);
    name += oddsKindLayout(kind).extension;
    return joinPath(joinPath(viewerFolder, folder), name);
}

std::optional<std::size_t> nearestOddsLine(std::span<const std::string> lines, OddsKind kind, int postMinute) {
    std::optional<std::size_t> best;
    int bestDistance = kTimeSeriesMaxDistance;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (!checkRecord(line, oddsKindLayout(kind).type).ok()) continue;
        if (field(line, OddsKeyFields::MeetingMonthDay) != field(line, OddsKeyFields::AnnouncedMonthDay)) continue;
        const auto announced = oddsAnnouncement(line);
        if (!announced) continue;
        const int distance = std::abs(announced->minuteOfDay() - postMinute);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

TimeSeriesImportResult importTimeSeriesOdds(std::string_view viewerFolder, std::string_view dataFolder,
                                            const RaceRecords& races) {
    TimeSeriesImportResult result;
    std::map<std::string, PendingDayFile> dayFiles;  // by path
    for (const RaceRecord& race : races) {
        // The race's date names the day files written: a damaged one ("/../") must not name a path
        // outside the data folder.
        if (!isUsedSlot(race) || !hasRealDate(race)) continue;
        const int postMinute = postMinuteOf(race);
        for (const auto& layout : kOddsKindLayouts) {
            const std::string viewerPath = timeSeriesFilePath(viewerFolder, race, layout.kind);
            if (!fileExists(viewerPath)) continue;
            auto lines = readRawLines(viewerPath);
            if (!lines) {
                result.problems.push_back(lines.error());
                continue;
            }
            const auto taken = nearestOddsLine(*lines, layout.kind, postMinute);
            if (!taken) continue;

            const std::string dayPath = joinPath(dataFolder, DayText(race) + std::string(layout.extension));
            auto [entry, isNew] = dayFiles.try_emplace(dayPath);
            PendingDayFile& dayFile = entry->second;
            if (isNew && fileExists(dayPath)) {
                auto existing = readRawLines(dayPath);
                if (existing) {
                    dayFile.lines = std::move(*existing);
                } else {
                    dayFile.usable = false;
                    result.problems.push_back(existing.error());
                }
            }
            if (!dayFile.usable) continue;
            putLine(dayFile.lines, (*lines)[*taken]);
            dayFile.changed = true;
            ++dayFile.racesTaken[kindIndex(layout.kind)];
        }
    }
    for (auto& [path, dayFile] : dayFiles) {
        if (!dayFile.changed) continue;
        const Status saved = writeRawLines(path, dayFile.lines);
        if (!saved) {
            result.problems.push_back(saved.error());
            continue;
        }
        result.winPlaceRaces += dayFile.racesTaken[kindIndex(OddsKind::O1)];
        result.quinellaRaces += dayFile.racesTaken[kindIndex(OddsKind::O2)];
    }
    return result;
}

std::string timeSeriesImportMessage(int winPlaceRaces, int quinellaRaces) {
    return std::to_string(winPlaceRaces) + "ﾚｰｽ分の単複枠ｵｯｽﾞ\n" + std::to_string(quinellaRaces) +
           "ﾚｰｽ分の馬連ｵｯｽﾞ\nを取りこみました。";
}

}  // namespace marovix
