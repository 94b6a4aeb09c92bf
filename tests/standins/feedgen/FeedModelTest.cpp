// The generator's models on their own: numbers, calendar, races, market and payouts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "standins/feedgen/Calendar.h"
#include "standins/feedgen/CombinationTable.h"
#include "standins/feedgen/NameMaker.h"
#include "standins/feedgen/OddsModel.h"
#include "standins/feedgen/PayoutModel.h"
#include "standins/feedgen/Prng.h"
#include "standins/feedgen/RaceModel.h"

namespace marovix::feedgen::feed_model_test {
namespace {

TEST(Prng, GivesTheSameNumbersForTheSameSeedOnEveryMachine) {
    Prng prng(42);
    // Pinned values (xoshiro256** seeded by splitmix64): a change here changes every generated feed.
    EXPECT_EQ(prng.next(), 0x15780B2E0C2EC716ull);
    EXPECT_EQ(prng.next(), 0x6104D9866D113A7Eull);
    Prng keyed = Prng::forKey(42, {20240106, 6, 11});
    Prng again = Prng::forKey(42, {20240106, 6, 11});
    Prng other = Prng::forKey(42, {20240106, 6, 12});
    const auto first = keyed.next();
    EXPECT_EQ(first, again.next());
    EXPECT_NE(first, other.next());
}

TEST(Prng, DrawsStayInTheirRanges) {
    Prng prng(7);
    std::set<int> seen;
    double sum = 0;
    for (int i = 0; i < 20000; ++i) {
        const int v = prng.between(3, 9);
        ASSERT_GE(v, 3);
        ASSERT_LE(v, 9);
        seen.insert(v);
        const double u = prng.unit();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        sum += prng.normal();
    }
    EXPECT_EQ(seen.size(), 7u);
    EXPECT_NEAR(sum / 20000, 0.0, 0.05);
    const int weights[] = {0, 5, 0, 1};
    for (int i = 0; i < 100; ++i) {
        const auto w = prng.weighted(weights);
        EXPECT_TRUE(w == 1 || w == 3);
    }
}

TEST(DeterministicExp, MatchesTheLibraryFunction) {
    for (double x = -30; x <= 30; x += 0.37) EXPECT_NEAR(deterministicExp(x) / std::exp(x), 1.0, 1e-13) << x;
    EXPECT_EQ(deterministicExp(0), 1.0);
}

TEST(CombinationTable, NumbersFollowTheOddsRecordOrder) {
    struct Case {
        int index, expected;
    };
    const Case cases[] = {
        {CombinationTable::pairIndex(1, 2), 0},
        {CombinationTable::pairIndex(17, 18), 152},
        {CombinationTable::orderedPairIndex(1, 2), 0},
        {CombinationTable::orderedPairIndex(2, 1), 17},
        {CombinationTable::orderedPairIndex(18, 17), 305},
        {CombinationTable::tripleIndex(1, 2, 3), 0},
        {CombinationTable::tripleIndex(16, 17, 18), 815},
        {CombinationTable::orderedTripleIndex(9, 18, 17), 2447},
        {CombinationTable::orderedTripleIndex(10, 1, 2), 2448},
        {CombinationTable::orderedTripleIndex(18, 17, 16), 4895},
        {CombinationTable::bracketPairIndex(1, 1), 0},
        {CombinationTable::bracketPairIndex(1, 8), 7},
        {CombinationTable::bracketPairIndex(2, 2), 8},
        {CombinationTable::bracketPairIndex(8, 8), 35},
    };
    for (const auto& c : cases) EXPECT_EQ(c.index, c.expected);
    // The tables list every combination at its index.
    const auto& triples = CombinationTable::orderedTriples();
    ASSERT_EQ(triples.size(), 4896u);
    for (std::size_t i = 0; i < triples.size(); ++i)
        ASSERT_EQ(CombinationTable::orderedTripleIndex(triples[i].first, triples[i].second, triples[i].third),
                  static_cast<int>(i));
    EXPECT_EQ(CombinationTable::pairs().size(), 153u);
    EXPECT_EQ(CombinationTable::orderedPairs().size(), 306u);
    EXPECT_EQ(CombinationTable::triples().size(), 816u);
    EXPECT_EQ(CombinationTable::bracketPairs().size(), 36u);
}

TEST(CombinationTable, BracketsFollowTheRegisteredCount) {
    const int eighteen[] = {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 7, 8, 8, 8};
    for (int h = 1; h <= 18; ++h) EXPECT_EQ(CombinationTable::bracketOf(18, h), eighteen[h - 1]);
    const int nine[] = {1, 2, 3, 4, 5, 6, 7, 8, 8};
    for (int h = 1; h <= 9; ++h) EXPECT_EQ(CombinationTable::bracketOf(9, h), nine[h - 1]);
    for (int h = 1; h <= 16; ++h) EXPECT_EQ(CombinationTable::bracketOf(16, h), (h + 1) / 2);
    EXPECT_EQ(CombinationTable::bracketOf(17, 15), 8);
    EXPECT_EQ(CombinationTable::bracketOf(7, 7), 7);
}

TEST(Calendar, ExtraMeetingDaysRaceWhateverTheirWeekday) {
    // 10 and 11 December 2026 are a Thursday and a Friday.
    const auto plain = Calendar(3).meetingDays({2026, 12, 10}, {2026, 12, 11});
    EXPECT_TRUE(plain.empty());
    const auto days = Calendar(3, {{2026, 12, 10}, {2026, 12, 11}}).meetingDays({2026, 12, 10}, {2026, 12, 11});
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(days[0].weekdayCode, 7);  // "木"
    EXPECT_EQ(days[1].weekdayCode, 8);  // "金"
    EXPECT_GE(days[0].courses.size(), 2u);
    // The other days of the year stay as they were.
    EXPECT_EQ(Calendar(3, {{2026, 12, 10}}).meetingDays({2026, 12, 12}, {2026, 12, 13}).size(),
              Calendar(3).meetingDays({2026, 12, 12}, {2026, 12, 13}).size());
}

TEST(ChangeModel, AShowcaseDayCarriesEveryKindOfAnnouncement) {
    // The demo races today whatever the weekday: a user of the demo sees weather, going, scratches and a
    // post-time change applied, on any date and seed.
    for (unsigned seed : {1u, 7u, 2026u}) {
        for (int day = 1; day <= 20; ++day) {
            const DateTime date{2026, 12, day};
            const MeetingDay meeting = Calendar(seed, {date}).meetingDays(date, date).front();
            ASSERT_TRUE(meeting.showcase);
            const DayPlan plan = RaceModel(seed).planDay(meeting);
            bool weather = false, going = false, scratch = false, postTime = false;
            for (const WeatherNotice& notice : plan.weather) {
                weather = weather || notice.kind == 2;
                going = going || notice.kind == 3;
            }
            for (const Race& race : plan.races) {
                postTime = postTime || race.postMinute != race.originalPostMinute;
                for (const Runner& runner : race.runners) scratch = scratch || runner.scratched;
            }
            EXPECT_TRUE(weather && going && scratch && postTime) << seed << " " << date.dateKey();
        }
    }
    // Days not asked for keep their own draws.
    const MeetingDay plain = Calendar(3).meetingDays({2026, 12, 12}, {2026, 12, 12}).front();
    EXPECT_FALSE(plain.showcase);
}

TEST(Calendar, RacesOnWeekendsAFewMondaysAndTheFixedDates) {
    const auto days = Calendar(3).meetingDays({2024, 1, 1}, {2024, 12, 31});
    EXPECT_GT(days.size(), 100u);
    EXPECT_LT(days.size(), 115u);
    std::map<std::pair<int, int>, int> lastDay;  // (course, meeting) -> day number
    std::map<int, int> lastMeeting;
    for (const auto& day : days) {
        SCOPED_TRACE(day.date.dateKey());
        const int weekday = day.date.isoWeekday();
        const bool fixed = (day.date.month == 1 && day.date.day == 5) || (day.date.month == 12 && day.date.day == 28);
        EXPECT_TRUE(weekday >= 6 || weekday == 1 || fixed);
        const int expectedCode = weekday == 6 ? 1 : weekday == 7 ? 2 : weekday == 1 && !fixed ? 3 : weekday + 3;
        EXPECT_EQ(day.weekdayCode, expectedCode);
        ASSERT_GE(day.courses.size(), 2u);
        ASSERT_LE(day.courses.size(), 3u);
        for (std::size_t i = 0; i < day.courses.size(); ++i) {
            const auto& c = day.courses[i];
            EXPECT_GE(c.course, 1);
            EXPECT_LE(c.course, 10);
            if (i > 0) {
                EXPECT_LT(day.courses[i - 1].course, c.course);
            }
            // Meetings of a course count up from 1; days of a meeting count up from 1 without gaps.
            EXPECT_TRUE(c.meeting == lastMeeting[c.course] || c.meeting == lastMeeting[c.course] + 1);
            lastMeeting[c.course] = c.meeting;
            const int expectedDay = ++lastDay[std::make_pair(c.course, c.meeting)];
            EXPECT_EQ(c.day, expectedDay);
            EXPECT_LE(c.day, 12);
        }
    }
    EXPECT_EQ(days.front().date.dateKey(), "20240105");
    EXPECT_EQ(days.back().date.dateKey(), "20241228");
    // A day is the same whatever range asks for it.
    const auto part = Calendar(3).meetingDays({2024, 6, 1}, {2024, 6, 30});
    const auto same =
        std::find_if(days.begin(), days.end(), [&](const MeetingDay& d) { return d.date == part.front().date; });
    ASSERT_NE(same, days.end());
    EXPECT_EQ(same->courses.size(), part.front().courses.size());
    EXPECT_EQ(same->courses.back().day, part.front().courses.back().day);
    EXPECT_EQ(same->courses.back().meeting, part.front().courses.back().meeting);
}

TEST(RaceModel, AYearOfRacesHasRealisticMixes) {
    const RaceModel model(5);
    std::map<char, int> grades;
    std::map<Surface, int> surfaces;
    std::set<int> fieldSizes, raceTypes, conditions;
    int races = 0, minPost = 24 * 60, maxPost = 0;
    for (const auto& day : Calendar(5).meetingDays({2024, 1, 1}, {2024, 12, 31})) {
        const DayPlan plan = model.planDay(day);
        EXPECT_EQ(plan.races.size(), 12 * day.courses.size());
        for (const Race& race : plan.races) {
            ++races;
            ++grades[race.grade];
            ++surfaces[race.surface];
            fieldSizes.insert(race.registered());
            raceTypes.insert(race.raceType);
            conditions.insert(race.condition);
            minPost = std::min(minPost, race.postMinute);
            maxPost = std::max(maxPost, race.postMinute);
            std::set<int> jockeys;
            std::set<std::string> names;
            for (const Runner& r : race.runners) {
                jockeys.insert(r.jockey);
                names.insert(r.name);
                EXPECT_LE(NameMaker::characters(r.name), 9);
                EXPECT_EQ(r.bracket, CombinationTable::bracketOf(race.registered(), r.number));
            }
            EXPECT_EQ(static_cast<int>(jockeys.size()), race.registered());
            EXPECT_EQ(static_cast<int>(names.size()), race.registered());
        }
    }
    EXPECT_GT(races, 3000);
    for (char grade : {' ', 'E', 'L', 'C', 'B', 'A'}) EXPECT_GT(grades[grade], 0) << grade;
    EXPECT_GT(surfaces[Surface::Turf], races / 3);
    EXPECT_GT(surfaces[Surface::Dirt], races / 3);
    EXPECT_GT(surfaces[Surface::Jump], races / 50);
    EXPECT_EQ(*fieldSizes.begin(), 5);
    EXPECT_EQ(*fieldSizes.rbegin(), 18);
    EXPECT_EQ(raceTypes, (std::set<int>{11, 12, 13, 14, 18, 19}));
    EXPECT_EQ(conditions, (std::set<int>{5, 10, 16, 701, 703, 999}));
    EXPECT_GE(minPost, 9 * 60 + 50);
    EXPECT_LE(maxPost, 16 * 60 + 30);
}

TEST(RaceModel, SamePlanForTheSameSeedAndDay) {
    const MeetingDay day = Calendar(9).meetingDays({2024, 3, 2}, {2024, 3, 2}).front();
    const DayPlan a = RaceModel(9).planDay(day), b = RaceModel(9).planDay(day), c = RaceModel(10).planDay(day);
    ASSERT_EQ(a.races.size(), b.races.size());
    for (std::size_t i = 0; i < a.races.size(); ++i) {
        ASSERT_EQ(a.races[i].runners.size(), b.races[i].runners.size());
        for (std::size_t k = 0; k < a.races[i].runners.size(); ++k) {
            EXPECT_EQ(a.races[i].runners[k].name, b.races[i].runners[k].name);
            EXPECT_EQ(a.races[i].runners[k].position, b.races[i].runners[k].position);
        }
    }
    EXPECT_NE(a.races[0].runners[0].name + a.races[1].runners[0].name,
              c.races[0].runners[0].name + c.races[1].runners[0].name);
}

// A race of the plan with at least `runners` runners and no scratch.
Race someRace(int runners) {
    const MeetingDay day = Calendar(4).meetingDays({2024, 4, 6}, {2024, 4, 6}).front();
    for (const Race& race : RaceModel(4).planDay(day).races)
        if (race.registered() >= runners && race.starters() == race.registered()) return race;
    ADD_FAILURE() << "no such race";
    return {};
}

// Puts the runners in arrival order 1..n by horse number, with an optional dead heat at `tiedAt`.
void finishInNumberOrder(Race& race, int tiedAt) {
    for (auto& r : race.runners) {
        r.arrival = r.number;
        r.position = tiedAt > 0 && r.number == tiedAt + 1 ? tiedAt : r.number;
        r.deadHeat = tiedAt > 0 && (r.number == tiedAt || r.number == tiedAt + 1);
    }
}

std::vector<std::array<int, 3>> combos(const Payout& payout, BetKind kind) {
    std::vector<std::array<int, 3>> out;
    for (const auto& e : payout.of(kind)) out.push_back(e.numbers);
    return out;
}

using Combos = std::vector<std::array<int, 3>>;

TEST(PayoutModel, OneWinnerPaysItsFinalOdds) {
    Race race = someRace(10);
    finishInNumberOrder(race, 0);
    const OddsModel market(race, 4, race.date.dayNumber());
    const OddsBook book = market.book(market.snapshotMinutes().size() - 1);
    const Payout payout = PayoutModel::payout(race, book);
    EXPECT_EQ(combos(payout, BetKind::Win), (Combos{{1, 0, 0}}));
    EXPECT_EQ(combos(payout, BetKind::Place), (Combos{{1, 0, 0}, {2, 0, 0}, {3, 0, 0}}));
    EXPECT_EQ(combos(payout, BetKind::Quinella), (Combos{{1, 2, 0}}));
    EXPECT_EQ(combos(payout, BetKind::Wide), (Combos{{1, 2, 0}, {1, 3, 0}, {2, 3, 0}}));
    EXPECT_EQ(combos(payout, BetKind::Trifecta), (Combos{{1, 2, 3}}));
    EXPECT_EQ(payout.of(BetKind::Win)[0].yen, book.of(BetKind::Win).odds[0] * 10LL);
    EXPECT_EQ(payout.of(BetKind::Win)[0].popularity, book.of(BetKind::Win).popularity[0]);
    const auto q = static_cast<std::size_t>(CombinationTable::pairIndex(1, 2));
    EXPECT_EQ(payout.of(BetKind::Quinella)[0].yen, book.of(BetKind::Quinella).odds[q] * 10LL);
    const auto t = static_cast<std::size_t>(CombinationTable::orderedTripleIndex(1, 2, 3));
    EXPECT_EQ(payout.of(BetKind::Trifecta)[0].yen, book.of(BetKind::Trifecta).odds[t] * 10LL);
    // Brackets: horses 1 and 2 of ten runners are in brackets 1 and 2.
    EXPECT_EQ(combos(payout, BetKind::Bracket), (Combos{{1, 2, 0}}));
}

TEST(PayoutModel, ADeadHeatPaysEveryWinningCombinationAShareOfTheProfit) {
    struct Case {
        int tiedAt;
        Combos win, place, quinella, wide, exacta, trio, trifecta;
    };
    const Case cases[] = {
        {1,
         {{1, 0, 0}, {2, 0, 0}},
         {{1, 0, 0}, {2, 0, 0}, {3, 0, 0}},
         {{1, 2, 0}},
         {{1, 2, 0}, {1, 3, 0}, {2, 3, 0}},
         {{1, 2, 0}, {2, 1, 0}},
         {{1, 2, 3}},
         {{1, 2, 3}, {2, 1, 3}}},
        {2,
         {{1, 0, 0}},
         {{1, 0, 0}, {2, 0, 0}, {3, 0, 0}},
         {{1, 2, 0}, {1, 3, 0}},
         {{1, 2, 0}, {1, 3, 0}, {2, 3, 0}},
         {{1, 2, 0}, {1, 3, 0}},
         {{1, 2, 3}},
         {{1, 2, 3}, {1, 3, 2}}},
        {3,
         {{1, 0, 0}},
         {{1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}},
         {{1, 2, 0}},
         {{1, 2, 0}, {1, 3, 0}, {2, 3, 0}, {1, 4, 0}, {2, 4, 0}},
         {{1, 2, 0}},
         {{1, 2, 3}, {1, 2, 4}},
         {{1, 2, 3}, {1, 2, 4}}},
    };
    Race race = someRace(10);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tiedAt);
        finishInNumberOrder(race, c.tiedAt);
        const OddsModel market(race, 4, race.date.dayNumber());
        const OddsBook book = market.book(market.snapshotMinutes().size() - 1);
        const Payout payout = PayoutModel::payout(race, book);
        EXPECT_EQ(combos(payout, BetKind::Win), c.win);
        EXPECT_EQ(combos(payout, BetKind::Place), c.place);
        EXPECT_EQ(combos(payout, BetKind::Quinella), c.quinella);
        EXPECT_EQ(combos(payout, BetKind::Wide), c.wide);
        EXPECT_EQ(combos(payout, BetKind::Exacta), c.exacta);
        EXPECT_EQ(combos(payout, BetKind::Trio), c.trio);
        EXPECT_EQ(combos(payout, BetKind::Trifecta), c.trifecta);
        // Sharing the profit never pays more than the combination's odds alone, never below 100 yen.
        for (const auto& e : payout.of(BetKind::Trifecta)) {
            const auto i = static_cast<std::size_t>(
                CombinationTable::orderedTripleIndex(e.numbers[0], e.numbers[1], e.numbers[2]));
            EXPECT_LE(e.yen, book.of(BetKind::Trifecta).odds[i] * 10LL);
            EXPECT_GE(e.yen, 100);
        }
    }
}

TEST(OddsModel, AScratchShowsFromItsAnnouncementOn) {
    Race race = someRace(12);
    Runner& runner = race.runners[4];
    runner.scratched = true;
    runner.scratchMinute = race.postMinute - 20;  // between the snapshots at -30 and -10
    const OddsModel market(race, 4, race.date.dayNumber());
    const auto& minutes = market.snapshotMinutes();
    for (std::size_t s = 0; s < minutes.size(); ++s) {
        const OddsBook book = market.book(s);
        const bool gone = minutes[s] >= runner.scratchMinute;
        EXPECT_EQ(book.of(BetKind::Win).state[4], gone ? EntryState::Scratched : EntryState::Open);
        EXPECT_EQ(book.starters, race.registered() - (gone ? 1 : 0));
        const auto pair = static_cast<std::size_t>(CombinationTable::pairIndex(1, 5));
        EXPECT_EQ(book.of(BetKind::Quinella).state[pair], gone ? EntryState::Scratched : EntryState::Open);
        // Horses beyond the field are absent, every pool adds up to its votes.
        EXPECT_EQ(book.of(BetKind::Win).state[17], race.registered() < 18 ? EntryState::Absent : EntryState::Open);
        for (const auto& entries : book.kinds) {
            std::int64_t votes = 0;
            for (std::size_t i = 0; i < entries.state.size(); ++i)
                if (entries.state[i] == EntryState::Open) votes += entries.votes[i];
            EXPECT_EQ(votes, entries.total);
        }
    }
}

}  // namespace
}  // namespace marovix::feedgen::feed_model_test
