#pragma once
// The races of a meeting day: conditions, runners with a latent strength each, the predictions made
// from the strengths before the day (mining, computer index, own indexes), the day's changes and the
// results drawn from the strengths.
#include <cstdint>
#include <vector>

#include "standins/feedgen/FeedModel.h"

namespace marovix::feedgen {

class RaceModel {
public:
    explicit RaceModel(std::uint64_t seed) : m_seed(seed) {}

    // Everything about one meeting day; the same seed and day always give the same plan.
    DayPlan planDay(const MeetingDay& day) const;

    // Win probabilities by strength, index = horse number - 1; 0 for a scratched runner; sum 1.
    static std::vector<double> winProbabilities(const Race& race);
    // Expected race time in seconds of an average runner under the given going codes.
    static double expectedSeconds(const Race& race, int turfGoing, int dirtGoing);

private:
    void makeRunners(Race& race, int count, const MeetingDay& day, std::uint64_t stream) const;
    void predict(Race& race, std::uint64_t stream) const;
    void run(Race& race, std::uint64_t stream) const;
    std::uint64_t m_seed;
};

}  // namespace marovix::feedgen
