#pragma once
// What the generator decides about a meeting day before anything is written: the courses, the races
// with their conditions and runners, the announcements of the day and the results. Writers only
// format these values; tests compare the records they read back with them.
#include <cstdint>
#include <string>
#include <vector>

#include "core/common/DateTime.h"

namespace marovix::feedgen {

// One course racing on a meeting day, with its meeting ("回") and day ("日目") numbers.
struct CourseMeeting {
    int course = 0;  // JRA course code 1..10
    int meeting = 0;
    int day = 0;
};

struct MeetingDay {
    DateTime date;                       // time part 00:00:00
    int weekdayCode = 0;                 // 1 Saturday, 2 Sunday, 3 holiday, 4 Monday ... 8 Friday
    std::vector<CourseMeeting> courses;  // ascending course code
    // A day raced because it was asked for (a demo's today): it carries every kind of announcement.
    bool showcase = false;
};

enum class Surface { Turf, Dirt, Jump };

struct Runner {
    int number = 0;            // horse number 1..18
    int bracket = 0;           // 1..8
    std::string name;          // UTF-8, full-width katakana, at most 9 characters
    std::string nameCp932;     // the same in CP932
    std::string registration;  // 10-digit pedigree registration number
    int sex = 1;               // 1 colt, 2 filly, 3 gelding
    int age = 3;
    int coat = 1;
    int region = 1;            // training centre: 1 east, 2 west
    int trainer = 0;           // index into the trainer table
    int jockey = 0;            // index into the jockey table
    int carriedWeight = 550;   // 0.1 kg
    int bodyWeight = 480;      // kg
    int bodyWeightChange = 0;  // kg, signed
    double strength = 0;       // latent ability: drives odds, result and every prediction

    // Predictions made before the day.
    int miningTime = 0;     // time-type mining, m ss ff as one number (13456 = 1:34.56)
    int miningRank = 0;     // 1 = fastest
    int matchScore = 0;     // match-type mining score 0..1000
    int computerIndex = 0;  // companion computer index, two digits
    int ownIndexA = 0;      // user's own indexes: ranks 1..n (1 = best)
    int ownIndexB = 0;

    // Race-day changes.
    bool scratched = false;
    int scratchMinute = 0;  // minutes after midnight of the announcement
    int scratchReason = 1;  // 1 illness, 2 accident, 3 other

    // Result (not for a scratched runner).
    int position = 0;  // confirmed finishing position; dead heats share one
    bool deadHeat = false;
    int arrival = 0;     // order past the post, 1..starters
    int timeTenths = 0;  // race time in 0.1 s
    int lastThreeTenths = 0;
};

struct Race {
    DateTime date;  // the meeting day
    int course = 0;
    int meeting = 0;
    int day = 0;
    int number = 0;  // 1..12

    // Conditions.
    char grade = ' ';    // ' ' general, 'E' special, 'L', 'C' G3, 'B' G2, 'A' G1, 'H'/'G'/'F' jump grades
    int raceType = 13;   // 11 2yo, 12 3yo, 13 3yo+, 14 4yo+, 18/19 jump
    int weightRule = 4;  // 1 handicap, 2 allowance, 3 age, 4 set weight
    int condition = 5;   // youngest-age condition code: 701 newcomer, 703 maiden, 5/10/16 class, 999 open
    Surface surface = Surface::Turf;
    int distance = 1600;
    int trackCode = 17;
    int specialNumber = 0;  // 0 for a general race
    std::string name;       // UTF-8; empty for a general race
    std::string shortName10, shortName6, shortName3;
    int firstPrize = 0;   // in 100 yen
    int poolLevel = 100;  // betting volume in percent of an ordinary race

    // Times in minutes after midnight.
    int postMinute = 0;             // actual post time
    int originalPostMinute = 0;     // post time of the race card (differs after a post-time change)
    int postChangeMinute = 0;       // announcement of the change; 0 when none
    bool previousDaySales = false;  // odds also published the evening before

    // Weather and going at post time (initial codes on the race card).
    int cardWeather = 1, cardTurfGoing = 1, cardDirtGoing = 1;
    int weather = 1, turfGoing = 1, dirtGoing = 1;

    double spread = 1.2;          // how strongly strength decides the result
    std::vector<Runner> runners;  // index = horse number - 1

    int registered() const { return static_cast<int>(runners.size()); }
    int starters() const;
    int resultMinute() const { return postMinute + 15; }  // results and payouts are confirmed
};

// One weather or going announcement of a course.
struct WeatherNotice {
    int course = 0;
    int minute = 0;  // announcement time
    int kind = 1;    // 1 initial state, 2 weather change, 3 going change
    int weather = 1, turfGoing = 1, dirtGoing = 1;
    int previousWeather = 0, previousTurfGoing = 0, previousDirtGoing = 0;
};

struct DayPlan {
    MeetingDay day;
    std::vector<Race> races;             // by course code, then race number (the order of the day's race file)
    std::vector<WeatherNotice> weather;  // by announcement time
};

}  // namespace marovix::feedgen
