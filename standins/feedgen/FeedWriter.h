#pragma once
// Writes a demo feed for the JV-Link stand-in: for every meeting day of a date range the stored data
// (race cards before the day; results, payouts and final odds after it), the real-time data of the
// race day (odds snapshots, results, mining, announcements) and the companion programs' files.
#include <cstdint>
#include <string>
#include <vector>

#include "core/common/DateTime.h"
#include "core/common/Result.h"
#include "standins/feedgen/FeedModel.h"

namespace marovix::feedgen {

struct FeedOptions {
    DateTime from;  // dates, both included
    DateTime to;
    std::uint64_t seed = 1;
    std::string folder;                      // the feed folder; created when missing
    int threads = 1;                         // days are written in parallel; the bytes do not depend on it
    std::vector<DateTime> extraMeetingDays;  // meeting days whatever their weekday
};

struct FeedStats {
    int days = 0;
    int races = 0;
    long long storedRecords = 0;
    long long realtimeRecords = 0;
    long long companionRecords = 0;  // odds lines of the time-series files
    long long files = 0;
    long long bytes = 0;

    FeedStats& operator+=(const FeedStats& other);
    long long records() const { return storedRecords + realtimeRecords + companionRecords; }
};

class FeedWriter {
public:
    explicit FeedWriter(FeedOptions options);

    // Writes every meeting day of the range; files of the same name are replaced, others are left.
    // The same options give the same bytes.
    Result<FeedStats> write() const;

    // Writes the files of one meeting day and adds what it wrote to `stats`.
    Status writeDay(const MeetingDay& day, FeedStats& stats) const;

    // Stamps of the stored files: race cards and predictions at 17:00 the day before, results,
    // payouts and final odds at 18:00 of the day.
    static constexpr int kCardMinute = 17 * 60;
    static constexpr int kResultMinute = 18 * 60;
    // Real-time mining predictions of the race day appear at 08:00.
    static constexpr int kMiningMinute = 8 * 60;

private:
    FeedOptions m_options;
};

}  // namespace marovix::feedgen
