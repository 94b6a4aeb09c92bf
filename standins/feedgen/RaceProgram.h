#pragma once
// The twelve races of a course on a meeting day: conditions by race number and season (maidens in
// the morning, class races after lunch, specials and the main race in the afternoon, a jump race now
// and then), with distances, track codes, weight rules, names and field sizes.
#include "standins/feedgen/FeedModel.h"
#include "standins/feedgen/Prng.h"

namespace marovix::feedgen {

class RaceProgram {
public:
    // Fills the conditions of `race` (course, meeting, day and number already set) and returns the
    // number of runners to register (5..18). `mainCourse` allows the biggest races.
    static int plan(Race& race, const MeetingDay& day, bool mainCourse, Prng& prng);
};

}  // namespace marovix::feedgen
