#include "standins/feedgen/RaceModel.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

#include "core/common/Cp932.h"
#include "standins/feedgen/ChangeModel.h"
#include "standins/feedgen/CombinationTable.h"
#include "standins/feedgen/CourseTable.h"
#include "standins/feedgen/NameMaker.h"
#include "standins/feedgen/Prng.h"
#include "standins/feedgen/RaceProgram.h"

namespace marovix::feedgen {
namespace {

// Post times of races 1..12 at the earliest course of the day, in minutes after midnight; the other
// courses of the day start 10 and 20 minutes later.
constexpr int kPostMinutes[12] = {590, 620, 650, 680, 730, 760, 790, 820, 855, 890, 925, 965};
constexpr int kCourseOffsets[3] = {0, 10, 20};
constexpr int kMainCourses[] = {5, 6, 8, 9};  // where the biggest races are held

// Stream tags, so that each part of the plan draws its own numbers.
enum RaceStream : std::uint64_t { kProgramStream = 1, kRunnerStream, kPredictionStream, kResultStream, kPostStream };

// Lower classes run a little slower: race time factor by condition code.
constexpr std::pair<int, double> kClassPace[] = {{701, 1.008}, {703, 1.008}, {5, 1.005}, {10, 1.003}, {16, 1.001}};

constexpr double kSecondsPerStrength = 0.004;  // share of the race time one unit of strength gains
constexpr int kDeadHeatPerMille = 15;

int ageFor(int raceType, Prng& prng) {
    switch (raceType) {
        case 11: return 2;
        case 12: return 3;
        case 13: {
            constexpr int w[] = {30, 30, 20, 12, 8};
            return 3 + static_cast<int>(prng.weighted(w));
        }
        case 14: {
            constexpr int w[] = {40, 30, 18, 12};
            return 4 + static_cast<int>(prng.weighted(w));
        }
        case 18: {
            constexpr int w[] = {15, 30, 25, 15, 10, 5};
            return 3 + static_cast<int>(prng.weighted(w));
        }
        default: {
            constexpr int w[] = {30, 25, 20, 15, 10};
            return 4 + static_cast<int>(prng.weighted(w));
        }
    }
}

// Carried weight in 0.1 kg from the weight rule, age, sex and (for handicaps and allowance races)
// the runner's strength.
int carriedWeight(const Race& race, const Runner& runner) {
    int base = 570;
    if (race.surface == Surface::Jump)
        base = 600;
    else if (race.raceType == 11)
        base = 550;
    else if (race.raceType == 12)
        base = 570;
    else if (runner.age == 3)
        base = 560;
    else
        base = 580;
    if (runner.sex == 2) base -= 20;
    const double s = runner.strength;
    switch (race.weightRule) {
        case 1: {  // handicap: half-kilo steps around 54 kg by ability
            int halfKilos = static_cast<int>(std::floor(108 + s * 4 + 0.5));
            halfKilos = std::clamp(halfKilos, 96, 118);
            return halfKilos * 5 - (runner.sex == 2 ? 10 : 0);
        }
        case 2: return base + 10 * std::clamp(static_cast<int>(std::floor(s + 0.5)), 0, 3);
        default: return base;
    }
}

// m ss ff as one number from seconds.
int miningDigits(double seconds) {
    int hundredths = static_cast<int>(std::floor(seconds * 100 + 0.5));
    hundredths = std::clamp(hundredths, 1, 9 * 6000 + 5999);  // at most 9:59.99
    const int minutes = hundredths / 6000;
    return minutes * 10000 + hundredths % 6000;
}

// Ranks 1..n of the values, highest first, ties to the lower horse number.
std::vector<int> ranksHighFirst(const std::vector<double>& values) {
    std::vector<int> order(values.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return values[static_cast<std::size_t>(a)] > values[static_cast<std::size_t>(b)];
    });
    std::vector<int> ranks(values.size());
    for (std::size_t r = 0; r < order.size(); ++r) ranks[static_cast<std::size_t>(order[r])] = static_cast<int>(r) + 1;
    return ranks;
}

}  // namespace

std::vector<double> RaceModel::winProbabilities(const Race& race) {
    std::vector<double> p(race.runners.size(), 0.0);
    double best = -1e9;
    for (const auto& r : race.runners)
        if (!r.scratched) best = std::max(best, r.strength);
    double sum = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (race.runners[i].scratched) continue;
        p[i] = deterministicExp(race.spread * (race.runners[i].strength - best));
        sum += p[i];
    }
    for (auto& v : p) v /= sum;
    return p;
}

double RaceModel::expectedSeconds(const Race& race, int turfGoing, int dirtGoing) {
    const double km = (race.distance - 1600) / 1000.0;
    double speed = 0;  // metres per second
    double goingFactor = 1.0;
    switch (race.surface) {
        case Surface::Turf:
            speed = 17.1 - 0.9 * km;
            goingFactor = 1.0 + 0.007 * (std::max(turfGoing, 1) - 1);
            break;
        case Surface::Dirt:
            speed = 16.2 - 1.0 * km;
            goingFactor = 1.0 - 0.005 * (std::max(dirtGoing, 1) - 1);  // a wet dirt track is faster
            break;
        case Surface::Jump:
            speed = 15.0 - 0.3 * (race.distance - 3000) / 1000.0;
            goingFactor = 1.0 + 0.01 * (std::max(turfGoing, 1) - 1);
            break;
    }
    double classFactor = 1.0;  // open races
    for (const auto& [condition, factor] : kClassPace)
        if (condition == race.condition) classFactor = factor;
    const double courseFactor = 100.0 / CourseTable::course(race.course).flatSpeedPercent;
    return race.distance / speed * goingFactor * classFactor * courseFactor;
}

void RaceModel::makeRunners(Race& race, int count, const MeetingDay& day, std::uint64_t stream) const {
    Prng prng = Prng::forKey(m_seed, {stream, kRunnerStream});
    race.spread = 0.9 + 0.6 * prng.unit();
    std::vector<int> jockeys(static_cast<std::size_t>(NameMaker::jockeyCount()));
    std::iota(jockeys.begin(), jockeys.end(), 0);
    for (std::size_t i = 0; i + 1 < jockeys.size(); ++i)
        std::swap(jockeys[i], jockeys[i + prng.below(static_cast<std::uint32_t>(jockeys.size() - i))]);

    race.runners.clear();
    for (int h = 1; h <= count; ++h) {
        Runner r;
        r.number = h;
        r.bracket = CombinationTable::bracketOf(count, h);
        for (;;) {
            r.name = NameMaker::horseName(prng);
            const bool taken = std::any_of(race.runners.begin(), race.runners.end(),
                                           [&](const Runner& other) { return other.name == r.name; });
            if (!taken) break;
        }
        r.nameCp932 = utf8ToCp932(r.name);
        r.age = ageFor(race.raceType, prng);
        {
            constexpr int sexWeights[] = {60, 36, 4};
            r.sex = 1 + static_cast<int>(prng.weighted(sexWeights));
            if (r.sex == 3 && r.age < 3) r.sex = 1;
        }
        const int birthYear = day.date.year - r.age;
        r.registration = std::to_string(birthYear * 1000000LL + 100000 + prng.between(0, 99999));
        {
            constexpr int coatWeights[] = {30, 35, 15, 8, 6, 4, 2};
            r.coat = 1 + static_cast<int>(prng.weighted(coatWeights));
        }
        r.region = 1 + static_cast<int>(prng.below(2));
        r.trainer = static_cast<int>(prng.below(static_cast<std::uint32_t>(NameMaker::trainerCount())));
        r.jockey = jockeys[static_cast<std::size_t>(h - 1)];
        r.strength = prng.normal();
        r.carriedWeight = carriedWeight(race, r);
        r.bodyWeight = (r.sex == 2 ? 450 : 475) + prng.between(-40, 50);
        r.bodyWeightChange = 2 * prng.between(-5, 5);
        race.runners.push_back(std::move(r));
    }
}

void RaceModel::predict(Race& race, std::uint64_t stream) const {
    Prng prng = Prng::forKey(m_seed, {stream, kPredictionStream});
    const double expected = expectedSeconds(race, race.cardTurfGoing, race.cardDirtGoing);
    std::vector<double> negativeTimes, ownA, ownB;
    for (auto& r : race.runners) {
        const double seconds = expected * (1.0 - kSecondsPerStrength * (r.strength + 0.5 * prng.normal()));
        r.miningTime = miningDigits(seconds);
        r.matchScore =
            std::clamp(static_cast<int>(std::floor(500 + 150 * r.strength + 60 * prng.normal() + 0.5)), 1, 999);
        r.computerIndex =
            std::clamp(static_cast<int>(std::floor(55 + 9 * r.strength + 4 * prng.normal() + 0.5)), 20, 95);
        negativeTimes.push_back(-r.miningTime);
        ownA.push_back(r.strength + 0.6 * prng.normal());
        ownB.push_back(r.strength + 0.8 * prng.normal());
    }
    const auto miningRanks = ranksHighFirst(negativeTimes);
    const auto ranksA = ranksHighFirst(ownA);
    const auto ranksB = ranksHighFirst(ownB);
    for (std::size_t i = 0; i < race.runners.size(); ++i) {
        race.runners[i].miningRank = miningRanks[i];
        race.runners[i].ownIndexA = ranksA[i];
        race.runners[i].ownIndexB = ranksB[i];
    }
}

void RaceModel::run(Race& race, std::uint64_t stream) const {
    Prng prng = Prng::forKey(m_seed, {stream, kResultStream});
    std::vector<double> weights = winProbabilities(race);
    const int starters = race.starters();
    // Plackett-Luce: the winner by the win probabilities, then the next among the rest, and so on.
    std::vector<int> arrival;
    double left = 1.0;
    for (int place = 0; place < starters; ++place) {
        double draw = prng.unit() * left;
        int chosen = -1;
        for (std::size_t i = 0; i < weights.size(); ++i) {
            if (weights[i] <= 0) continue;
            chosen = static_cast<int>(i);
            if (draw < weights[i]) break;
            draw -= weights[i];
        }
        arrival.push_back(chosen);
        left -= weights[static_cast<std::size_t>(chosen)];
        weights[static_cast<std::size_t>(chosen)] = 0;
        if (left <= 0) left = std::accumulate(weights.begin(), weights.end(), 0.0);
    }
    // Now and then two runners cannot be separated at the post: a dead heat for 1st, 2nd or 3rd.
    int tiedAt = 0;
    if (static_cast<int>(prng.below(1000)) < kDeadHeatPerMille) {
        const int k = prng.between(1, 3);
        if (k + 1 <= starters) tiedAt = k;
    }
    const double expected = expectedSeconds(race, race.turfGoing, race.dirtGoing);
    const Runner& winner = race.runners[static_cast<std::size_t>(arrival[0])];
    int tenths = static_cast<int>(
        std::floor(expected * (1.0 - kSecondsPerStrength * winner.strength) * 10 + 3 * prng.normal() + 0.5));
    const int lastThreeBase = race.surface == Surface::Dirt ? 370 : race.surface == Surface::Jump ? 400 : 345;
    for (int a = 0; a < starters; ++a) {
        Runner& r = race.runners[static_cast<std::size_t>(arrival[static_cast<std::size_t>(a)])];
        const bool tiedWithPrevious = tiedAt > 0 && a == tiedAt;  // arrival tiedAt + 1 equals arrival tiedAt
        if (a > 0 && !tiedWithPrevious) tenths += prng.between(0, 3) + (a >= 5 ? prng.between(0, 4) : 0);
        r.arrival = a + 1;
        r.position = tiedWithPrevious ? a : a + 1;
        r.deadHeat = tiedAt > 0 && (a == tiedAt || a + 1 == tiedAt);
        r.timeTenths = tenths;
        r.lastThreeTenths = std::clamp(
            static_cast<int>(std::floor(lastThreeBase - 6 * r.strength + 5 * prng.normal() + a * 0.8 + 0.5)), 320, 450);
    }
}

DayPlan RaceModel::planDay(const MeetingDay& day) const {
    DayPlan plan;
    plan.day = day;
    const auto dayNumber = static_cast<std::uint64_t>(day.date.dayNumber());
    Prng dayPrng = Prng::forKey(m_seed, {dayNumber, kPostStream});
    std::vector<int> offsets(kCourseOffsets, kCourseOffsets + day.courses.size());
    for (std::size_t i = 0; i + 1 < offsets.size(); ++i)
        std::swap(offsets[i], offsets[i + dayPrng.below(static_cast<std::uint32_t>(offsets.size() - i))]);

    for (std::size_t c = 0; c < day.courses.size(); ++c) {
        const CourseMeeting& meeting = day.courses[c];
        const bool mainCourse =
            std::find(std::begin(kMainCourses), std::end(kMainCourses), meeting.course) != std::end(kMainCourses);
        for (int number = 1; number <= 12; ++number) {
            const std::uint64_t stream = (dayNumber << 16) | (static_cast<std::uint64_t>(meeting.course) << 8) |
                                         static_cast<std::uint64_t>(number);
            Race race;
            race.date = day.date;
            race.course = meeting.course;
            race.meeting = meeting.meeting;
            race.day = meeting.day;
            race.number = number;
            Prng programPrng = Prng::forKey(m_seed, {stream, kProgramStream});
            const int count = RaceProgram::plan(race, day, mainCourse, programPrng);
            race.postMinute = race.originalPostMinute = kPostMinutes[number - 1] + offsets[c];
            race.previousDaySales = number == 11 && (day.weekdayCode == 2 || day.weekdayCode == 3);
            makeRunners(race, count, day, stream);
            plan.races.push_back(std::move(race));
        }
    }
    ChangeModel(m_seed).apply(plan);
    for (auto& race : plan.races) {
        const std::uint64_t stream = (dayNumber << 16) | (static_cast<std::uint64_t>(race.course) << 8) |
                                     static_cast<std::uint64_t>(race.number);
        predict(race, stream);
        run(race, stream);
    }
    return plan;
}

}  // namespace marovix::feedgen
