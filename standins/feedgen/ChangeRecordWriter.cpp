#include "standins/feedgen/ChangeRecordWriter.h"

#include <algorithm>

#include "standins/feedgen/NameMaker.h"

namespace marovix::feedgen {

RecordBuilder ChangeRecordWriter::weather(const MeetingDay& day, const WeatherNotice& notice,
                                          const RecordStamp& stamp) {
    RecordBuilder we(WeField::type);
    const auto course = std::find_if(day.courses.begin(), day.courses.end(),
                                     [&](const CourseMeeting& c) { return c.course == notice.course; });
    writeCourseHeader(we, stamp, day.date, course != day.courses.end() ? *course : CourseMeeting{notice.course, 0, 0});
    writeMonthDayTime(we, WeField::announced, stamp.announced);
    we.number(WeField::changeKind, notice.kind)
        .number(WeField::weatherCode, notice.weather)
        .number(WeField::turfGoingCode, notice.turfGoing)
        .number(WeField::dirtGoingCode, notice.dirtGoing)
        .number(WeField::previousWeatherCode, notice.previousWeather)
        .number(WeField::previousTurfGoingCode, notice.previousTurfGoing)
        .number(WeField::previousDirtGoingCode, notice.previousDirtGoing);
    return we;
}

RecordBuilder ChangeRecordWriter::scratch(const Race& race, const Runner& runner, const RecordStamp& stamp) {
    RecordBuilder av(AvField::type);
    writeRaceHeader(av, stamp, race);
    writeMonthDayTime(av, AvField::announced, stamp.announced);
    av.number(AvField::horseNumber, runner.number)
        .bytes(AvField::horseName, padFullWidth(runner.nameCp932, AvField::horseName.length))
        .number(AvField::reasonCode, runner.scratchReason);
    return av;
}

RecordBuilder ChangeRecordWriter::postTime(const Race& race, const RecordStamp& stamp) {
    RecordBuilder tc(TcField::type);
    writeRaceHeader(tc, stamp, race);
    writeMonthDayTime(tc, TcField::announced, stamp.announced);
    tc.number(TcField::newPostTime, hhmm(race.postMinute / 60, race.postMinute % 60))
        .number(TcField::previousPostTime, hhmm(race.originalPostMinute / 60, race.originalPostMinute % 60));
    return tc;
}

}  // namespace marovix::feedgen
