#pragma once
// The betting market of a race: from the runners' win probabilities, perturbed by the market's own
// error that fades towards post time, to the votes of every combination of the eight bet types
// (Harville's model for the places), and from the votes to odds and popularity.
#include <cstdint>
#include <vector>

#include "standins/feedgen/FeedModel.h"
#include "standins/feedgen/OddsBook.h"

namespace marovix::feedgen {

class OddsModel {
public:
    // Race-day snapshots, in minutes before post time; the last is the post (the final odds).
    static constexpr int kSnapshotsBeforePost[] = {60, 30, 10, 0};

    // `dayNumber` and the seed pick the market's own random numbers for this race.
    // REQUIRES: `race` outlives the model.
    OddsModel(const Race& race, std::uint64_t seed, std::int64_t dayNumber);

    // Moments of the race's odds snapshots, in minutes after midnight of the race day, ascending: the
    // race-day snapshots, preceded by 17:00 of the evening before (a negative minute) when the race is
    // sold the day before.
    const std::vector<int>& snapshotMinutes() const { return m_minutes; }

    // The odds at snapshot `index` of snapshotMinutes(): runners scratched by then are out.
    OddsBook book(std::size_t index) const;

    // Odds in 0.1 units of `votes` in a pool whose deduction leaves `netMilli`, capped to the field.
    static int oddsOf(std::int64_t netMilli, std::int64_t votes, BetKind kind);

private:
    const Race& m_race;
    std::uint64_t m_seed;
    std::int64_t m_dayNumber;
    std::vector<int> m_minutes;
    std::vector<std::vector<double>> m_logShift;  // per snapshot and runner: the market's error
    double m_volume = 1.0;
};

}  // namespace marovix::feedgen
