#include "standins/feedgen/FeedWriter.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <map>
#include <mutex>
#include <thread>

#include "core/common/TextFile.h"
#include "core/race/RecordBuilder.h"
#include "standins/feedgen/Calendar.h"
#include "standins/feedgen/ChangeModel.h"
#include "standins/feedgen/ChangeRecordWriter.h"
#include "standins/feedgen/CompanionWriter.h"
#include "standins/feedgen/OddsModel.h"
#include "standins/feedgen/OddsRecordWriter.h"
#include "standins/feedgen/PayoutModel.h"
#include "standins/feedgen/PayoutRecordWriter.h"
#include "standins/feedgen/RaceModel.h"
#include "standins/feedgen/RaceRecordWriter.h"

namespace marovix::feedgen {
namespace {

// Data kinds (record position 3).
constexpr char kCardKind = '2';            // race card (RA, SE)
constexpr char kLiveResultKind = '5';      // race-day results, every runner placed (RA, SE)
constexpr char kFinalResultKind = '7';     // results of the stored data (RA, SE)
constexpr char kLivePayoutKind = '1';      // HR on race day
constexpr char kFinalPayoutKind = '2';     // HR of the stored data
constexpr char kEveMiningKind = '1';       // DM, TM made the day before
constexpr char kDayMiningKind = '2';       // DM, TM of the race day
constexpr char kEveningOddsKind = '2';     // odds of the previous day's sales
constexpr char kLiveOddsKind = '1';        // odds while the sale goes on
constexpr char kClosingOddsKind = '3';     // odds at post time
constexpr char kFinalOddsKind = '4';       // confirmed odds of the stored data
constexpr char kAnnouncementKind = '1';    // WE, AV, TC

// The records of one file to be.
struct RecordFile {
    std::string bytes;
    long long records = 0;

    void add(const RecordBuilder& record) {
        bytes += record.record();
        ++records;
    }
    void add(const RecordFile& other) {
        bytes += other.bytes;
        records += other.records;
    }
};

enum class Area { Stored, Realtime, Companion };

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value % 100);
    return text;
}

std::string raceKey(const Race& race) {
    return race.date.dateKey() + twoDigits(race.course) + twoDigits(race.meeting) + twoDigits(race.day) +
           twoDigits(race.number);
}

// Creates a folder and whatever of its parents is missing.
Status makeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); ; slash = path.find('/', slash + 1)) {
        const std::string prefix = slash == std::string::npos ? path : path.substr(0, slash);
        if (!prefix.empty()) {
            Status status = makeDirectory(prefix);
            if (!status) return status;
        }
        if (slash == std::string::npos) return Status::success();
    }
}

// Writes the files of a day below the feed folder and counts them.
class DayOutput {
public:
    DayOutput(const std::string& root, FeedStats& stats) : m_root(root), m_stats(stats) {}

    Status records(const std::string& folder, const std::string& name, const RecordFile& file, Area area) {
        switch (area) {
            case Area::Stored: m_stats.storedRecords += file.records; break;
            case Area::Realtime: m_stats.realtimeRecords += file.records; break;
            case Area::Companion: m_stats.companionRecords += file.records; break;
        }
        return put(folder, name, file.bytes);
    }

    Status text(const std::string& folder, const std::string& name, const std::vector<std::string>& lines) {
        std::string bytes;
        for (const auto& line : lines) bytes += line + "\r\n";
        return put(folder, name, bytes);
    }

private:
    Status put(const std::string& folder, const std::string& name, const std::string& bytes) {
        const std::string path = joinPath(m_root, folder);
        if (m_folders.emplace(path, true).second) {
            Status status = makeFolders(path);
            if (!status) return status;
        }
        ++m_stats.files;
        m_stats.bytes += static_cast<long long>(bytes.size());
        return replaceFile(joinPath(path, name), bytes);
    }

    std::string m_root;
    FeedStats& m_stats;
    std::map<std::string, bool> m_folders;
};

#define MAROVIX_TRY(expression)              \
    do {                                     \
        Status status_ = (expression);       \
        if (!status_) return status_;        \
    } while (false)

}  // namespace

FeedStats& FeedStats::operator+=(const FeedStats& other) {
    days += other.days;
    races += other.races;
    storedRecords += other.storedRecords;
    realtimeRecords += other.realtimeRecords;
    companionRecords += other.companionRecords;
    files += other.files;
    bytes += other.bytes;
    return *this;
}

FeedWriter::FeedWriter(FeedOptions options) : m_options(std::move(options)) {}

Result<FeedStats> FeedWriter::write() const {
    Status created = makeFolders(m_options.folder);
    if (!created) return Error{created.error()};
    const auto days = Calendar(m_options.seed).meetingDays(m_options.from, m_options.to);
    const int threads = std::clamp(m_options.threads, 1, 16);
    std::vector<FeedStats> stats(days.size());
    std::vector<Status> results(days.size());
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < days.size(); i = next++) results[i] = writeDay(days[i], stats[i]);
    };
    std::vector<std::thread> workers;
    for (int t = 1; t < threads; ++t) workers.emplace_back(work);
    work();
    for (auto& worker : workers) worker.join();

    FeedStats total;
    for (std::size_t i = 0; i < days.size(); ++i) {
        if (!results[i]) return Error{results[i].error()};
        total += stats[i];
    }
    return total;
}

Status FeedWriter::writeDay(const MeetingDay& day, FeedStats& stats) const {
    const DayPlan plan = RaceModel(m_options.seed).planDay(day);
    DayOutput out(m_options.folder, stats);
    const DateTime date = day.date;
    const DateTime eve = date.addDays(-1);
    const std::string dayKey = date.dateKey();
    const std::string monthDay = dayKey.substr(4);
    const auto dayNumber = date.dayNumber();

    const RecordStamp cardStamp{kCardKind, eve, atMinute(eve, kCardMinute)};
    const RecordStamp eveMiningStamp{kEveMiningKind, eve, atMinute(eve, kCardMinute)};
    const RecordStamp dayMiningStamp{kDayMiningKind, date, atMinute(date, kMiningMinute)};
    const RecordStamp resultStamp{kFinalResultKind, date, atMinute(date, kResultMinute)};
    const RecordStamp payoutStamp{kFinalPayoutKind, date, atMinute(date, kResultMinute)};

    RecordFile cardRaces, cardRunners, eveMining, eveMatch, dayMining, dayMatch;
    RecordFile resultRaces, resultRunners, payouts;
    RecordFile finalOdds[6];
    // Race-day results by race number: the day's result data grows after each round of races.
    struct Round {
        int minute = 0;
        RecordFile records;
    };
    Round rounds[12];
    for (const Race& race : plan.races) {
        const std::string key = raceKey(race);
        cardRaces.add(RaceRecordWriter::race(race, day.weekdayCode, cardStamp, false));
        for (const auto& runner : race.runners)
            cardRunners.add(RaceRecordWriter::runner(race, runner, cardStamp, false, 0, 0));
        eveMining.add(RaceRecordWriter::timeMining(race, eveMiningStamp));
        eveMatch.add(RaceRecordWriter::matchMining(race, eveMiningStamp));
        dayMining.add(RaceRecordWriter::timeMining(race, dayMiningStamp));
        dayMatch.add(RaceRecordWriter::matchMining(race, dayMiningStamp));

        // The odds through the day: one real-time snapshot per moment, some of them again as lines of
        // the time-series files, and the last (post time) again as the confirmed odds.
        const OddsModel market(race, m_options.seed, dayNumber);
        const auto& minutes = market.snapshotMinutes();
        RecordFile series[6];
        OddsBook finalBook;
        for (std::size_t s = 0; s < minutes.size(); ++s) {
            OddsBook book = market.book(s);
            const bool last = s + 1 == minutes.size();
            const DateTime moment = atMinute(date, minutes[s]);
            const RecordStamp stamp{minutes[s] < 0 ? kEveningOddsKind : last ? kClosingOddsKind : kLiveOddsKind,
                                    moment, moment};
            const int before = race.postMinute - minutes[s];
            const bool inSeries = minutes[s] < 0 || std::find(std::begin(CompanionWriter::kTimeSeriesBeforePost),
                                                              std::end(CompanionWriter::kTimeSeriesBeforePost),
                                                              before) != std::end(CompanionWriter::kTimeSeriesBeforePost);
            RecordFile snapshot;
            for (int kind = 1; kind <= 6; ++kind) {
                RecordBuilder record = OddsRecordWriter::record(kind, race, book, stamp);
                snapshot.add(record);
                if (inSeries) series[kind - 1].add(record);
                if (last) {
                    record.bytes(3, std::string_view(&kFinalOddsKind, 1));
                    finalOdds[kind - 1].add(record);
                }
            }
            MAROVIX_TRY(out.records("realtime/0B30/" + key, moment.compactText() + ".jvf", snapshot, Area::Realtime));
            if (last) finalBook = std::move(book);
        }
        const std::string seriesFolder =
            std::string("companions/") + CompanionWriter::kTimeSeriesFolder + "/" + CompanionWriter::timeSeriesFolder(day);
        for (int kind = 1; kind <= 6; ++kind)
            MAROVIX_TRY(out.records(seriesFolder, CompanionWriter::timeSeriesName(race, kind), series[kind - 1],
                                    Area::Companion));

        // Results and payouts: on race day a quarter of an hour after the post, in the stored data
        // in the evening.
        const Payout payout = PayoutModel::payout(race, finalBook);
        const auto& win = finalBook.of(BetKind::Win);
        const DateTime confirmed = atMinute(date, race.resultMinute());
        const RecordStamp liveResult{kLiveResultKind, date, confirmed};
        const RecordStamp livePayout{kLivePayoutKind, date, confirmed};
        RecordFile live;
        resultRaces.add(RaceRecordWriter::race(race, day.weekdayCode, resultStamp, true));
        live.add(RaceRecordWriter::race(race, day.weekdayCode, liveResult, true));
        for (const auto& runner : race.runners) {
            const auto i = static_cast<std::size_t>(runner.number - 1);
            const int odds = win.state[i] == EntryState::Open ? win.odds[i] : 0;
            const int popularity = win.state[i] == EntryState::Open ? win.popularity[i] : 0;
            resultRunners.add(RaceRecordWriter::runner(race, runner, resultStamp, true, odds, popularity));
            live.add(RaceRecordWriter::runner(race, runner, liveResult, true, odds, popularity));
        }
        payouts.add(PayoutRecordWriter::record(race, payout, payoutStamp));
        live.add(PayoutRecordWriter::record(race, payout, livePayout));
        MAROVIX_TRY(out.records("realtime/0B12/" + key, confirmed.compactText() + ".jvf", live, Area::Realtime));
        Round& round = rounds[race.number - 1];
        round.minute = std::max(round.minute, race.resultMinute());
        round.records.add(live);
        ++stats.races;
    }

    // Stored data.
    const std::string cardPrefix = atMinute(eve, kCardMinute).compactText() + "_";
    const std::string resultPrefix = atMinute(date, kResultMinute).compactText() + "_";
    MAROVIX_TRY(out.records("stored", cardPrefix + "RA" + monthDay + ".jvf", cardRaces, Area::Stored));
    MAROVIX_TRY(out.records("stored", cardPrefix + "SE" + monthDay + ".jvf", cardRunners, Area::Stored));
    MAROVIX_TRY(out.records("stored", cardPrefix + "DM" + monthDay + ".jvf", eveMining, Area::Stored));
    MAROVIX_TRY(out.records("stored", cardPrefix + "TM" + monthDay + ".jvf", eveMatch, Area::Stored));
    MAROVIX_TRY(out.records("stored", resultPrefix + "RA" + monthDay + ".jvf", resultRaces, Area::Stored));
    MAROVIX_TRY(out.records("stored", resultPrefix + "SE" + monthDay + ".jvf", resultRunners, Area::Stored));
    MAROVIX_TRY(out.records("stored", resultPrefix + "HR" + monthDay + ".jvf", payouts, Area::Stored));
    for (int kind = 1; kind <= 6; ++kind)
        MAROVIX_TRY(out.records("stored", resultPrefix + "O" + std::to_string(kind) + monthDay + ".jvf",
                                finalOdds[kind - 1], Area::Stored));

    // Real-time data of the day: results so far after each round, mining in the morning, the
    // announcements so far after each announcement.
    std::stable_sort(std::begin(rounds), std::end(rounds), [](const Round& a, const Round& b) { return a.minute < b.minute; });
    RecordFile resultsSoFar;
    for (std::size_t i = 0; i < std::size(rounds); ++i) {
        if (rounds[i].records.records == 0) continue;
        resultsSoFar.add(rounds[i].records);
        if (i + 1 < std::size(rounds) && rounds[i + 1].minute == rounds[i].minute) continue;
        MAROVIX_TRY(out.records("realtime/0B12/" + dayKey, atMinute(date, rounds[i].minute).compactText() + ".jvf",
                                resultsSoFar, Area::Realtime));
    }
    const std::string miningName = atMinute(date, kMiningMinute).compactText() + ".jvf";
    MAROVIX_TRY(out.records("realtime/0B13/" + dayKey, miningName, dayMining, Area::Realtime));
    MAROVIX_TRY(out.records("realtime/0B17/" + dayKey, miningName, dayMatch, Area::Realtime));

    struct Announcement {
        int minute;
        RecordBuilder record;
    };
    std::vector<Announcement> announcements;
    auto stampAt = [&](int minute) { return RecordStamp{kAnnouncementKind, date, atMinute(date, minute)}; };
    for (const auto& notice : plan.weather)
        announcements.push_back({notice.minute, ChangeRecordWriter::weather(day, notice, stampAt(notice.minute))});
    for (const Race& race : plan.races) {
        for (const auto& runner : race.runners)
            if (runner.scratched)
                announcements.push_back(
                    {runner.scratchMinute, ChangeRecordWriter::scratch(race, runner, stampAt(runner.scratchMinute))});
        if (race.postChangeMinute > 0)
            announcements.push_back(
                {race.postChangeMinute, ChangeRecordWriter::postTime(race, stampAt(race.postChangeMinute))});
    }
    std::stable_sort(announcements.begin(), announcements.end(),
                     [](const Announcement& a, const Announcement& b) { return a.minute < b.minute; });
    RecordFile announcedSoFar;
    for (std::size_t i = 0; i < announcements.size(); ++i) {
        announcedSoFar.add(announcements[i].record);
        if (i + 1 < announcements.size() && announcements[i + 1].minute == announcements[i].minute) continue;
        MAROVIX_TRY(out.records("realtime/0B14/" + dayKey,
                                atMinute(date, announcements[i].minute).compactText() + ".jvf", announcedSoFar,
                                Area::Realtime));
    }

    // Companion files of the index program and the user's own indexes.
    const std::string indexFolder = std::string("companions/") + CompanionWriter::kIndexFolder;
    for (const auto& course : day.courses)
        MAROVIX_TRY(out.text(indexFolder, CompanionWriter::computerIndexName(day, course.course),
                             CompanionWriter::computerIndexLines(plan, course.course)));
    const std::string ownFolder = std::string("companions/") + CompanionWriter::kOwnIndexFolder;
    for (bool longKeys : {false, true})
        MAROVIX_TRY(out.text(ownFolder, CompanionWriter::ownIndexName(day, longKeys),
                             CompanionWriter::ownIndexLines(plan, longKeys)));
    ++stats.days;
    return Status::success();
}

}  // namespace marovix::feedgen
