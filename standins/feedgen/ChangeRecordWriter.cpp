#include "standins/feedgen/ChangeRecordWriter.h"

#include <algorithm>

#include "standins/feedgen/NameMaker.h"

namespace marovix::feedgen {

RecordBuilder ChangeRecordWriter::weather(const MeetingDay& day, const WeatherNotice& notice,
                                          const RecordStamp& stamp) {
    RecordBuilder we("WE");
    const auto course = std::find_if(day.courses.begin(), day.courses.end(),
                                     [&](const CourseMeeting& c) { return c.course == notice.course; });
    writeCourseHeader(we, stamp, day.date, course != day.courses.end() ? *course : CourseMeeting{notice.course, 0, 0});
    writeMonthDayTime(we, 26, stamp.announced);
    we.number(34, 1, notice.kind)
        .number(35, 1, notice.weather)
        .number(36, 1, notice.turfGoing)
        .number(37, 1, notice.dirtGoing)
        .number(38, 1, notice.previousWeather)
        .number(39, 1, notice.previousTurfGoing)
        .number(40, 1, notice.previousDirtGoing);
    return we;
}

RecordBuilder ChangeRecordWriter::scratch(const Race& race, const Runner& runner, const RecordStamp& stamp) {
    RecordBuilder av("AV");
    writeRaceHeader(av, stamp, race);
    writeMonthDayTime(av, 28, stamp.announced);
    av.number(36, 2, runner.number).bytes(38, padFullWidth(runner.nameCp932, 36)).number(74, 3, runner.scratchReason);
    return av;
}

RecordBuilder ChangeRecordWriter::postTime(const Race& race, const RecordStamp& stamp) {
    RecordBuilder tc("TC");
    writeRaceHeader(tc, stamp, race);
    writeMonthDayTime(tc, 28, stamp.announced);
    tc.number(36, 2, race.postMinute / 60)
        .number(38, 2, race.postMinute % 60)
        .number(40, 2, race.originalPostMinute / 60)
        .number(42, 2, race.originalPostMinute % 60);
    return tc;
}

}  // namespace marovix::feedgen
