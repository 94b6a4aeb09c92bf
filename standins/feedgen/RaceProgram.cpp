#include "standins/feedgen/RaceProgram.h"

#include <array>
#include <string_view>
#include <vector>

#include "standins/feedgen/CourseTable.h"
#include "standins/feedgen/NameMaker.h"

namespace marovix::feedgen {
namespace {

enum class Field { Young, Older, Jump };

// One possible race at a race number: drawn with its weight.
struct Pattern {
    int weight;
    Field field;
    int condition;  // 701 newcomer, 703 maiden, 5 / 10 / 16 class, 999 open
    char grade;     // ' ' general, 'E' special, 'L' listed, 'C' G3, 'B' G2, 'A' G1 (jump: H, G, F)
    bool sundayMainOnly;
};

using Patterns = std::array<Pattern, 10>;

// Race numbers 1..12. Unused tail entries have weight 0.
const Patterns kProgram[12] = {
    Patterns{{{10, Field::Young, 703, ' ', false}}},
    Patterns{{{7, Field::Young, 703, ' ', false}, {3, Field::Older, 703, ' ', false}}},
    Patterns{{{10, Field::Young, 703, ' ', false}}},
    Patterns{{{5, Field::Jump, 703, ' ', false},
              {2, Field::Jump, 999, 'E', false},
              {1, Field::Jump, 999, 'H', false},
              {6, Field::Young, 703, ' ', false}}},
    Patterns{{{6, Field::Young, 701, ' ', false}, {4, Field::Young, 703, ' ', false}}},
    Patterns{{{5, Field::Young, 5, ' ', false}, {5, Field::Older, 5, ' ', false}}},
    Patterns{{{10, Field::Older, 5, ' ', false}}},
    Patterns{{{5, Field::Older, 5, ' ', false}, {5, Field::Older, 10, ' ', false}, {1, Field::Jump, 999, 'G', false}}},
    Patterns{{{4, Field::Young, 5, 'E', false}, {6, Field::Older, 10, 'E', false}}},
    Patterns{{{5, Field::Older, 10, 'E', false}, {5, Field::Older, 16, 'E', false}}},
    Patterns{{{25, Field::Older, 16, 'E', false},
              {12, Field::Older, 999, 'E', false},
              {8, Field::Young, 999, 'E', false},
              {15, Field::Older, 999, 'L', false},
              {18, Field::Older, 999, 'C', false},
              {6, Field::Young, 999, 'C', false},
              {8, Field::Older, 999, 'B', false},
              {3, Field::Young, 999, 'B', false},
              {40, Field::Older, 999, 'A', true},
              {15, Field::Young, 999, 'A', true}}},
    Patterns{{{5, Field::Older, 5, ' ', false}, {5, Field::Older, 10, ' ', false}}},
};

struct Suffix {
    std::string_view full;
    std::string_view shortForm;
    int weight;
};
constexpr Suffix kClassSpecial[] = {{"特別", "特別", 50}, {"ステークス", "Ｓ", 25}, {"賞", "賞", 25}};
constexpr Suffix kOpenSpecial[] = {{"ステークス", "Ｓ", 60}, {"賞", "賞", 25}, {"カップ", "Ｃ", 15}};
constexpr Suffix kGraded[] = {
    {"ステークス", "Ｓ", 35}, {"賞", "賞", 25}, {"記念", "記念", 20}, {"カップ", "Ｃ", 12}, {"杯", "杯", 8}};
constexpr Suffix kJump[] = {{"ジャンプステークス", "ＪＳ", 1}};

// First prize in 100 yen by condition and grade.
int firstPrize(int condition, char grade) {
    switch (grade) {
        case 'A':
        case 'F': return 150000;
        case 'B':
        case 'G': return 60000;
        case 'C':
        case 'H': return 40000;
        case 'L': return 25000;
        default: break;
    }
    switch (condition) {
        case 701: return 7000;
        case 703: return 5500;
        case 5: return grade == 'E' ? 8500 : 7800;
        case 10: return grade == 'E' ? 11500 : 10500;
        case 16: return 18000;
        default: return 22000;
    }
}

// Betting volume relative to an ordinary race, in percent.
int poolLevel(int condition, char grade) {
    switch (grade) {
        case 'A': return 2500;
        case 'B': return 500;
        case 'C': return 300;
        case 'L': return 180;
        case 'F':
        case 'G':
        case 'H': return 90;
        default: break;
    }
    switch (condition) {
        case 701:
        case 703: return 60;
        case 5: return 80;
        case 10: return 100;
        case 16: return 130;
        default: return 160;
    }
}

struct FieldSize {
    int low, high;
};

FieldSize fieldSize(Field field, int condition, char grade) {
    if (field == Field::Jump) return condition == 703 ? FieldSize{8, 14} : FieldSize{5, 12};
    if (grade == 'A' || grade == 'B' || grade == 'C') return {10, 18};
    switch (condition) {
        case 701: return {8, 18};
        case 703: return {12, 18};
        case 5: return {8, 16};
        case 10: return {7, 16};
        case 16: return {6, 16};
        default: return {5, 16};
    }
}

int weightRule(Field field, int condition, char grade, Prng& prng) {
    struct Choice {
        int rule, weight;
    };
    auto pick = [&](std::initializer_list<Choice> choices) {
        std::vector<int> weights;
        for (auto c : choices) weights.push_back(c.weight);
        return (choices.begin() + prng.weighted(weights))->rule;
    };
    if (field == Field::Jump) return grade == ' ' ? 4 : pick({{2, 70}, {4, 30}});
    switch (grade) {
        case ' ': return field == Field::Young ? 3 : 4;
        case 'E': return condition == 999 ? pick({{2, 60}, {1, 25}, {4, 15}}) : pick({{4, 50}, {1, 30}, {2, 20}});
        case 'L': return pick({{2, 60}, {1, 25}, {4, 15}});
        case 'C': return pick({{1, 40}, {2, 50}, {4, 10}});
        case 'B': return pick({{2, 60}, {4, 40}});
        default: return field == Field::Young ? 3 : 4;
    }
}

const Suffix& pickSuffix(std::span<const Suffix> suffixes, Prng& prng) {
    std::vector<int> weights;
    for (const auto& s : suffixes) weights.push_back(s.weight);
    return suffixes[prng.weighted(weights)];
}

void nameRace(Race& race, Field field, Prng& prng) {
    std::span<const Suffix> suffixes =
        field == Field::Jump ? std::span<const Suffix>(kJump)
        : race.grade == 'E'
            ? (race.condition == 999 ? std::span<const Suffix>(kOpenSpecial) : std::span<const Suffix>(kClassSpecial))
        : race.grade == 'L' ? std::span<const Suffix>(kOpenSpecial)
                            : std::span<const Suffix>(kGraded);
    const Suffix& suffix = pickSuffix(suffixes, prng);
    const std::string word = NameMaker::raceWord(prng);
    race.name = word + std::string(suffix.full);
    race.shortName10 = NameMaker::characters(race.name) <= 10 ? race.name : word + std::string(suffix.shortForm);
    race.shortName6 = word + std::string(suffix.shortForm);
    race.shortName3 = word + std::string(suffix.shortForm.substr(0, 3));  // one full-width character
    race.specialNumber = 1000 + prng.between(0, 8999);
}

const Layout& pickLayout(std::span<const Layout> layouts, int maxDistance, Prng& prng) {
    std::vector<int> weights;
    for (const auto& l : layouts) weights.push_back(l.distance <= maxDistance ? 1 : 0);
    return layouts[prng.weighted(weights)];
}

}  // namespace

int RaceProgram::plan(Race& race, const MeetingDay& day, bool mainCourse, Prng& prng) {
    const CourseInfo& course = CourseTable::course(race.course);
    const int month = day.date.month;
    const bool early = month <= 5;  // until May the youngest runners are three years old

    const Patterns& patterns = kProgram[race.number - 1];
    std::vector<int> weights;
    for (const auto& p : patterns) {
        bool allowed = p.weight > 0;
        if (p.sundayMainOnly && !(mainCourse && day.weekdayCode == 2)) allowed = false;
        if (p.field == Field::Jump && course.jump.empty()) allowed = false;
        weights.push_back(allowed ? p.weight : 0);
    }
    Pattern pattern = patterns[prng.weighted(weights)];
    // Newcomer races run for two-year-olds from June and for three-year-olds until March.
    if (pattern.condition == 701 && !(month >= 6 || month <= 3)) pattern.condition = 703;

    race.condition = pattern.condition;
    race.grade = pattern.grade;
    switch (pattern.field) {
        case Field::Young: race.raceType = early ? 12 : 11; break;
        case Field::Older: race.raceType = early ? 14 : 13; break;
        case Field::Jump: race.raceType = month <= 3 ? 19 : 18; break;
    }
    if (pattern.field == Field::Jump) {
        race.surface = Surface::Jump;
        const Layout& layout = pickLayout(course.jump, 5000, prng);
        race.distance = layout.distance;
        race.trackCode = layout.trackCode;
    } else {
        const bool graded = race.grade != ' ' && race.grade != 'E';
        const int turfPercent = graded ? 85 : race.grade == 'E' ? 55 : 45;
        const bool turf = static_cast<int>(prng.below(100)) < turfPercent;
        race.surface = turf ? Surface::Turf : Surface::Dirt;
        const int maxDistance = race.raceType == 11 ? 2000 : graded ? 5000 : 2600;
        const Layout& layout = pickLayout(turf ? course.turf : course.dirt, maxDistance, prng);
        race.distance = layout.distance;
        race.trackCode = layout.trackCode;
    }
    race.weightRule = weightRule(pattern.field, race.condition, race.grade, prng);
    if (race.grade != ' ') nameRace(race, pattern.field, prng);
    race.firstPrize = firstPrize(race.condition, race.grade);
    race.poolLevel = poolLevel(race.condition, race.grade);
    const FieldSize size = fieldSize(pattern.field, race.condition, race.grade);
    return prng.between(size.low, size.high);
}

}  // namespace marovix::feedgen
