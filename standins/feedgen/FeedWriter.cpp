#include "standins/feedgen/FeedWriter.h"

#include <algorithm>
#include <atomic>
#include <set>
#include <thread>

#include "core/common/TextFile.h"
#include "standins/feedgen/Calendar.h"
#include "standins/feedgen/ChangeRecordWriter.h"
#include "standins/feedgen/CompanionWriter.h"
#include "standins/feedgen/OddsModel.h"
#include "standins/feedgen/OddsRecordWriter.h"
#include "standins/feedgen/PayoutModel.h"
#include "standins/feedgen/PayoutRecordWriter.h"
#include "standins/feedgen/RaceModel.h"
#include "standins/feedgen/RaceRecordWriter.h"
#include "standins/records/RecordBuilder.h"

namespace marovix::feedgen {
namespace {

// Data kinds (record position 3).
constexpr char kCardKind = '2';          // race card (RA, SE)
constexpr char kLiveResultKind = '5';    // race-day results, every runner placed (RA, SE)
constexpr char kFinalResultKind = '7';   // results of the stored data (RA, SE)
constexpr char kLivePayoutKind = '1';    // HR on race day
constexpr char kFinalPayoutKind = '2';   // HR of the stored data
constexpr char kEveMiningKind = '1';     // DM, TM made the day before
constexpr char kDayMiningKind = '2';     // DM, TM of the race day
constexpr char kEveningOddsKind = '2';   // odds of the previous day's sales
constexpr char kLiveOddsKind = '1';      // odds while the sale goes on
constexpr char kClosingOddsKind = '3';   // odds at post time
constexpr char kFinalOddsKind = '4';     // confirmed odds of the stored data
constexpr char kAnnouncementKind = '1';  // WE, AV, TC

constexpr int kOddsKinds = 6;  // O1 .. O6

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

// Writes files below the feed folder and counts them.
class FileOutput {
public:
    FileOutput(const std::string& root, FeedStats& stats) : m_root(root), m_stats(stats) {}

    Status records(const std::string& folder, const std::string& name, const RecordFile& file, Area area) {
        switch (area) {
            case Area::Stored: m_stats.storedRecords += file.records; break;
            case Area::Realtime: m_stats.realtimeRecords += file.records; break;
            case Area::Companion: m_stats.companionRecords += file.records; break;
        }
        return put(folder, name, file.bytes);
    }

    // A text file of ASCII lines with CR LF.
    Status lines(const std::string& folder, const std::string& name, const std::vector<std::string>& lines) {
        std::string bytes;
        for (const auto& line : lines) bytes += line + "\r\n";
        return put(folder, name, bytes);
    }

private:
    Status put(const std::string& folder, const std::string& name, const std::string& bytes) {
        const std::string path = joinPath(m_root, folder);
        if (m_folders.insert(path).second) {
            Status status = makeDirectories(path);
            if (!status) return status;
        }
        ++m_stats.files;
        m_stats.bytes += static_cast<long long>(bytes.size());
        return replaceFile(joinPath(path, name), bytes);
    }

    std::string m_root;
    FeedStats& m_stats;
    std::set<std::string> m_folders;
};

// Runs the steps of a day in order and stops at the first failure.
class Steps {
public:
    template <class Step>
    Steps& then(Step step) {
        if (m_status) m_status = step();
        return *this;
    }
    Status status() const { return m_status; }

private:
    Status m_status;
};

// Everything written for one meeting day.
class DayWriter {
public:
    DayWriter(const FeedOptions& options, const MeetingDay& day, FeedStats& stats)
        : m_seed(options.seed),
          m_day(day),
          m_plan(RaceModel(options.seed).planDay(day)),
          m_out(options.folder, stats),
          m_stats(stats),
          m_date(day.date),
          m_eve(day.date.addDays(-1)),
          m_dayKey(day.date.dateKey()) {}

    Status write() {
        Steps steps;
        for (const Race& race : m_plan.races) steps.then([&] { return writeRace(race); });
        return steps.then([&] { return writeStored(); })
            .then([&] { return writeResultRounds(); })
            .then([&] { return writeMining(); })
            .then([&] { return writeAnnouncements(); })
            .then([&] { return writeIndexes(); })
            .status();
    }

private:
    RecordStamp eveStamp(char kind) const { return {kind, m_eve, atMinute(m_eve, FeedWriter::kCardMinute)}; }
    RecordStamp resultStamp(char kind) const { return {kind, m_date, atMinute(m_date, FeedWriter::kResultMinute)}; }

    // The race card, the odds through the day, results and payouts of one race.
    Status writeRace(const Race& race) {
        const std::string key = raceKey16(race);
        m_cardRaces.add(RaceRecordWriter::race(race, m_day.weekdayCode, eveStamp(kCardKind), false));
        for (const auto& runner : race.runners)
            m_cardRunners.add(RaceRecordWriter::runner(race, runner, eveStamp(kCardKind), false, 0, 0));
        m_eveMining.add(RaceRecordWriter::timeMining(race, eveStamp(kEveMiningKind)));
        m_eveMatch.add(RaceRecordWriter::matchMining(race, eveStamp(kEveMiningKind)));
        const RecordStamp morning{kDayMiningKind, m_date, atMinute(m_date, FeedWriter::kMiningMinute)};
        m_dayMining.add(RaceRecordWriter::timeMining(race, morning));
        m_dayMatch.add(RaceRecordWriter::matchMining(race, morning));

        OddsBook finalBook;
        Status odds = writeOdds(race, key, finalBook);
        if (!odds) return odds;

        // Results and payouts: on race day a quarter of an hour after the post, in the stored data in
        // the evening.
        const Payout payout = PayoutModel::payout(race, finalBook);
        const auto& win = finalBook.of(BetKind::Win);
        const DateTime confirmed = atMinute(m_date, race.resultMinute());
        const RecordStamp liveResult{kLiveResultKind, m_date, confirmed};
        RecordFile live;
        m_resultRaces.add(RaceRecordWriter::race(race, m_day.weekdayCode, resultStamp(kFinalResultKind), true));
        live.add(RaceRecordWriter::race(race, m_day.weekdayCode, liveResult, true));
        for (const auto& runner : race.runners) {
            const auto i = static_cast<std::size_t>(runner.number - 1);
            const bool open = win.state[i] == EntryState::Open;
            const int odds = open ? win.odds[i] : 0;
            const int popularity = open ? win.popularity[i] : 0;
            m_resultRunners.add(
                RaceRecordWriter::runner(race, runner, resultStamp(kFinalResultKind), true, odds, popularity));
            live.add(RaceRecordWriter::runner(race, runner, liveResult, true, odds, popularity));
        }
        m_payouts.add(PayoutRecordWriter::record(race, payout, resultStamp(kFinalPayoutKind)));
        live.add(PayoutRecordWriter::record(race, payout, {kLivePayoutKind, m_date, confirmed}));
        Round& round = m_rounds[static_cast<std::size_t>(race.number - 1)];
        round.minute = std::max(round.minute, race.resultMinute());
        round.records.add(live);
        ++m_stats.races;
        return m_out.records("realtime/0B12/" + key, confirmed.compactText() + ".jvf", live, Area::Realtime);
    }

    // One real-time snapshot per moment, some of them again as lines of the time-series files, and the
    // last (post time) again as the confirmed odds of the stored data.
    Status writeOdds(const Race& race, const std::string& key, OddsBook& finalBook) {
        const OddsModel market(race, m_seed, m_date.dayNumber());
        const auto& minutes = market.snapshotMinutes();
        RecordFile series[kOddsKinds];
        for (std::size_t s = 0; s < minutes.size(); ++s) {
            OddsBook book = market.book(s);
            const bool last = s + 1 == minutes.size();
            const DateTime moment = atMinute(m_date, minutes[s]);
            const char kind = minutes[s] < 0 ? kEveningOddsKind : last ? kClosingOddsKind : kLiveOddsKind;
            const int before = race.postMinute - minutes[s];
            const auto& kept = CompanionWriter::kTimeSeriesBeforePost;
            const bool inSeries =
                minutes[s] < 0 || std::find(std::begin(kept), std::end(kept), before) != std::end(kept);
            RecordFile snapshot;
            for (int type = 1; type <= kOddsKinds; ++type) {
                RecordBuilder record = OddsRecordWriter::record(type, race, book, {kind, moment, moment});
                snapshot.add(record);
                if (inSeries) series[type - 1].add(record);
                if (last) {
                    record.bytes(IdField::dataKind, std::string_view(&kFinalOddsKind, 1));
                    m_finalOdds[type - 1].add(record);
                }
            }
            Status status =
                m_out.records("realtime/0B30/" + key, moment.compactText() + ".jvf", snapshot, Area::Realtime);
            if (!status) return status;
            if (last) finalBook = std::move(book);
        }
        const std::string folder = std::string("companions/") + CompanionWriter::kTimeSeriesFolder + "/" +
                                   CompanionWriter::timeSeriesFolder(m_day);
        Steps steps;
        for (int type = 1; type <= kOddsKinds; ++type)
            steps.then([&] {
                return m_out.records(folder, CompanionWriter::timeSeriesName(race, type), series[type - 1],
                                     Area::Companion);
            });
        return steps.status();
    }

    Status writeStored() {
        const std::string monthDay = m_dayKey.substr(4);
        const std::string card = atMinute(m_eve, FeedWriter::kCardMinute).compactText() + "_";
        const std::string result = atMinute(m_date, FeedWriter::kResultMinute).compactText() + "_";
        struct File {
            std::string name;
            const RecordFile* records;
        };
        std::vector<File> files = {
            {card + "RA", &m_cardRaces}, {card + "SE", &m_cardRunners},   {card + "DM", &m_eveMining},
            {card + "TM", &m_eveMatch},  {result + "RA", &m_resultRaces}, {result + "SE", &m_resultRunners},
            {result + "HR", &m_payouts},
        };
        for (int type = 1; type <= kOddsKinds; ++type)
            files.push_back({result + "O" + std::to_string(type), &m_finalOdds[type - 1]});
        Steps steps;
        for (const auto& file : files)
            steps.then(
                [&] { return m_out.records("stored", file.name + monthDay + ".jvf", *file.records, Area::Stored); });
        return steps.status();
    }

    // The day's results so far, after each round of races (race number 1 at every course, then 2 ...).
    Status writeResultRounds() {
        std::stable_sort(m_rounds.begin(), m_rounds.end(),
                         [](const Round& a, const Round& b) { return a.minute < b.minute; });
        RecordFile soFar;
        Steps steps;
        for (std::size_t i = 0; i < m_rounds.size(); ++i) {
            if (m_rounds[i].records.records == 0) continue;
            soFar.add(m_rounds[i].records);
            if (i + 1 < m_rounds.size() && m_rounds[i + 1].minute == m_rounds[i].minute) continue;
            steps.then([&] {
                return m_out.records("realtime/0B12/" + m_dayKey,
                                     atMinute(m_date, m_rounds[i].minute).compactText() + ".jvf", soFar,
                                     Area::Realtime);
            });
        }
        return steps.status();
    }

    Status writeMining() {
        const std::string name = atMinute(m_date, FeedWriter::kMiningMinute).compactText() + ".jvf";
        return Steps()
            .then([&] { return m_out.records("realtime/0B13/" + m_dayKey, name, m_dayMining, Area::Realtime); })
            .then([&] { return m_out.records("realtime/0B17/" + m_dayKey, name, m_dayMatch, Area::Realtime); })
            .status();
    }

    // Weather and going, scratches and post-time changes: a snapshot of all announced so far after
    // each announcement.
    Status writeAnnouncements() {
        struct Announcement {
            int minute;
            RecordBuilder record;
        };
        std::vector<Announcement> announcements;
        auto stampAt = [&](int minute) { return RecordStamp{kAnnouncementKind, m_date, atMinute(m_date, minute)}; };
        for (const auto& notice : m_plan.weather)
            announcements.push_back(
                {notice.minute, ChangeRecordWriter::weather(m_day, notice, stampAt(notice.minute))});
        for (const Race& race : m_plan.races) {
            for (const auto& runner : race.runners)
                if (runner.scratched)
                    announcements.push_back({runner.scratchMinute,
                                             ChangeRecordWriter::scratch(race, runner, stampAt(runner.scratchMinute))});
            if (race.postChangeMinute > 0)
                announcements.push_back(
                    {race.postChangeMinute, ChangeRecordWriter::postTime(race, stampAt(race.postChangeMinute))});
        }
        std::stable_sort(announcements.begin(), announcements.end(),
                         [](const Announcement& a, const Announcement& b) { return a.minute < b.minute; });
        RecordFile soFar;
        Steps steps;
        for (std::size_t i = 0; i < announcements.size(); ++i) {
            soFar.add(announcements[i].record);
            if (i + 1 < announcements.size() && announcements[i + 1].minute == announcements[i].minute) continue;
            steps.then([&] {
                return m_out.records("realtime/0B14/" + m_dayKey,
                                     atMinute(m_date, announcements[i].minute).compactText() + ".jvf", soFar,
                                     Area::Realtime);
            });
        }
        return steps.status();
    }

    // The companion index program's files and the user's own index files.
    Status writeIndexes() {
        const std::string indexFolder = std::string("companions/") + CompanionWriter::kIndexFolder;
        const std::string ownFolder = std::string("companions/") + CompanionWriter::kOwnIndexFolder;
        Steps steps;
        for (const auto& course : m_day.courses)
            steps.then([&] {
                return m_out.lines(indexFolder, CompanionWriter::computerIndexName(m_day, course.course),
                                   CompanionWriter::computerIndexLines(m_plan, course.course));
            });
        for (bool longKeys : {false, true})
            steps.then([&] {
                return m_out.lines(ownFolder, CompanionWriter::ownIndexName(m_day, longKeys),
                                   CompanionWriter::ownIndexLines(m_plan, longKeys));
            });
        return steps.status();
    }

    struct Round {
        int minute = 0;
        RecordFile records;
    };

    std::uint64_t m_seed;
    const MeetingDay& m_day;
    DayPlan m_plan;
    FileOutput m_out;
    FeedStats& m_stats;
    DateTime m_date, m_eve;
    std::string m_dayKey;
    RecordFile m_cardRaces, m_cardRunners, m_eveMining, m_eveMatch, m_dayMining, m_dayMatch;
    RecordFile m_resultRaces, m_resultRunners, m_payouts;
    RecordFile m_finalOdds[kOddsKinds];
    std::vector<Round> m_rounds = std::vector<Round>(12);
};

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
    Status created = makeDirectories(m_options.folder);
    if (!created) return Error{created.error()};
    const auto days = Calendar(m_options.seed, m_options.extraMeetingDays).meetingDays(m_options.from, m_options.to);
    // Days are independent: workers take them in turn; each day's bytes depend on the day alone.
    std::vector<FeedStats> stats(days.size());
    std::vector<Status> results(days.size());
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < days.size(); i = next++) results[i] = writeDay(days[i], stats[i]);
    };
    std::vector<std::thread> workers;
    for (int t = 1; t < std::clamp(m_options.threads, 1, 16); ++t) workers.emplace_back(work);
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
    Status status = DayWriter(m_options, day, stats).write();
    if (status) ++stats.days;
    return status;
}

}  // namespace marovix::feedgen
