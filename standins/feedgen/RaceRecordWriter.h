#pragma once
// Race records of the race card and results: RA (race), SE (runner), DM (time-type mining) and TM
// (match-type mining).
#include "standins/feedgen/FeedModel.h"
#include "standins/feedgen/RecordHeader.h"
#include "standins/records/RecordBuilder.h"

namespace marovix::feedgen {

class RaceRecordWriter {
public:
    // `withResult`: the record after the race (starters, post-time weather and going, a changed post
    // time with the old one kept); else the race card.
    static RecordBuilder race(const Race& race, int weekdayCode, const RecordStamp& stamp, bool withResult);
    // `withResult`: finishing position, time, final win odds and popularity (from `finalOdds` and
    // `finalPopularity` in 0.1 units), body weight.
    static RecordBuilder runner(const Race& race, const Runner& runner, const RecordStamp& stamp, bool withResult,
                                int finalOdds, int finalPopularity);
    static RecordBuilder timeMining(const Race& race, const RecordStamp& stamp);
    static RecordBuilder matchMining(const Race& race, const RecordStamp& stamp);
};

}  // namespace marovix::feedgen
