#pragma once
// The announcements of a race day: weather and going per course (an initial state in the morning and
// now and then a change), a few scratches and an occasional post-time change. A showcase day (a day raced
// because it was asked for, a demo's today) has them all: a weather change followed by a going change on
// its first course, at least one scratch and one post-time change; its other draws are those of any day.
#include <cstdint>

#include "standins/feedgen/FeedModel.h"

namespace marovix::feedgen {

class ChangeModel {
public:
    explicit ChangeModel(std::uint64_t seed) : m_seed(seed) {}

    // Fills plan.weather, marks scratched runners, moves post times, and sets each race's race-card
    // and post-time weather and going. Runs on a plan whose races and runners are made but not run.
    void apply(DayPlan& plan) const;

    // The first announcements of the day (initial weather and going) come at this minute (08:30).
    static constexpr int kMorningMinute = 8 * 60 + 30;

private:
    void weather(DayPlan& plan) const;
    void scratches(DayPlan& plan) const;
    void postTimeChange(DayPlan& plan) const;
    std::uint64_t m_seed;
};

}  // namespace marovix::feedgen
