#pragma once
// Announcement records of a race day: WE (weather and going of a course), AV (a scratched runner)
// and TC (a post-time change).
#include "standins/feedgen/FeedModel.h"
#include "standins/feedgen/RecordHeader.h"
#include "standins/records/RecordBuilder.h"

namespace marovix::feedgen {

class ChangeRecordWriter {
public:
    static RecordBuilder weather(const MeetingDay& day, const WeatherNotice& notice, const RecordStamp& stamp);
    static RecordBuilder scratch(const Race& race, const Runner& runner, const RecordStamp& stamp);
    static RecordBuilder postTime(const Race& race, const RecordStamp& stamp);
};

}  // namespace marovix::feedgen
