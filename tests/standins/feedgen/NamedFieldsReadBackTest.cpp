// The generator's records read back through the named fields of core/race/RecordFields.h give what the
// generator's model put in: the tables the program reads with are the tables the generator writes with.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "standins/feedgen/Calendar.h"
#include "standins/feedgen/ChangeRecordWriter.h"
#include "standins/feedgen/OddsModel.h"
#include "standins/feedgen/OddsRecordWriter.h"
#include "standins/feedgen/PayoutModel.h"
#include "standins/feedgen/PayoutRecordWriter.h"
#include "standins/feedgen/RaceModel.h"
#include "standins/feedgen/RaceRecordWriter.h"
#include "tests/standins/feedgen/FeedReading.h"

namespace marovix::feedgen::named_fields_read_back_test {
namespace {

constexpr std::uint64_t kSeed = 7;

// The field as UTF-8 with its blanks and full-width blanks trimmed at the end.
std::string trimmedText(const std::string& record, RecordField field) {
    return feedtest::text(record, field.position, field.length);
}

int hhmmOf(int minute) { return minute / 60 * 100 + minute % 60; }

// A weekend of the demo calendar, planned once for all tests of this file.
class PlannedWeekend : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        for (const auto& day : Calendar(kSeed).meetingDays({2024, 1, 6}, {2024, 1, 7}))
            s_plans.push_back(RaceModel(kSeed).planDay(day));
    }
    static void TearDownTestSuite() { s_plans.clear(); }

    static RecordStamp stamp(const Race& race, int minute) { return {'1', race.date, atMinute(race.date, minute)}; }

    static std::vector<DayPlan> s_plans;
};

std::vector<DayPlan> PlannedWeekend::s_plans;

TEST_F(PlannedWeekend, RaceAndRunnerRecordsReadBackAsPlanned) {
    ASSERT_FALSE(s_plans.empty());
    for (const auto& plan : s_plans)
        for (const Race& race : plan.races) {
            SCOPED_TRACE(raceKey16(race));
            const std::string card = RaceRecordWriter::race(race, plan.day.weekdayCode, stamp(race, 0), false).record();
            EXPECT_EQ(fieldText(card, RaField::raceKey16), raceKey16(race));
            EXPECT_EQ(fieldNumber(card, RaField::year), race.date.year);
            EXPECT_EQ(fieldNumber(card, RaField::month), race.date.month);
            EXPECT_EQ(fieldNumber(card, RaField::dayOfMonth), race.date.day);
            EXPECT_EQ(fieldNumber(card, RaField::courseCode), race.course);
            EXPECT_EQ(fieldNumber(card, RaField::meetingNumber), race.meeting);
            EXPECT_EQ(fieldNumber(card, RaField::dayNumber), race.day);
            EXPECT_EQ(fieldNumber(card, RaField::raceNumber), race.number);
            EXPECT_EQ(fieldNumber(card, RaField::weekdayCode), plan.day.weekdayCode);
            EXPECT_EQ(trimmedText(card, RaField::raceName), race.name);
            EXPECT_EQ(fieldText(card, RaField::gradeCode), std::string(1, race.grade));
            EXPECT_EQ(fieldNumber(card, RaField::raceTypeCode), race.raceType);
            EXPECT_EQ(fieldNumber(card, RaField::youngestConditionCode), race.condition);
            EXPECT_EQ(fieldNumber(card, RaField::distance), race.distance);
            EXPECT_EQ(fieldNumber(card, RaField::trackCode), race.trackCode);
            EXPECT_EQ(fieldNumber(card, RaField::postTime), hhmmOf(race.originalPostMinute));
            EXPECT_EQ(fieldNumber(card, RaField::registeredRunners), race.registered());
            EXPECT_EQ(fieldNumber(card, RaField::weatherCode), race.cardWeather);
            EXPECT_EQ(fieldNumber(card, RaField::prizeMoney.at(0)), race.firstPrize);

            const std::string result =
                RaceRecordWriter::race(race, plan.day.weekdayCode, stamp(race, 0), true).record();
            EXPECT_EQ(fieldNumber(result, RaField::postTime), hhmmOf(race.postMinute));
            EXPECT_EQ(fieldNumber(result, RaField::previousPostTime),
                      race.postMinute != race.originalPostMinute ? hhmmOf(race.originalPostMinute) : 0);
            EXPECT_EQ(fieldNumber(result, RaField::starters), race.starters());
            EXPECT_EQ(fieldNumber(result, RaField::turfGoingCode), race.turfGoing);
            EXPECT_EQ(fieldNumber(result, RaField::dirtGoingCode), race.dirtGoing);

            for (const Runner& runner : race.runners) {
                const std::string se = RaceRecordWriter::runner(race, runner, stamp(race, 0), true, 123, 4).record();
                EXPECT_EQ(fieldText(se, SeField::raceKey16), raceKey16(race));
                EXPECT_EQ(fieldNumber(se, SeField::horseNumber), runner.number);
                EXPECT_EQ(fieldNumber(se, SeField::bracketNumber), runner.bracket);
                EXPECT_EQ(fieldText(se, SeField::registrationNumber), runner.registration);
                EXPECT_EQ(trimmedText(se, SeField::horseName), runner.name);
                EXPECT_EQ(fieldNumber(se, SeField::sexCode), runner.sex);
                EXPECT_EQ(fieldNumber(se, SeField::age), runner.age);
                EXPECT_EQ(fieldNumber(se, SeField::carriedWeight), runner.carriedWeight);
                EXPECT_EQ(fieldNumber(se, SeField::miningTime), runner.miningTime);
                EXPECT_EQ(fieldNumber(se, SeField::miningRank), runner.miningRank);
                EXPECT_EQ(fieldNumber(se, SeField::finishingPosition), runner.position);
                EXPECT_EQ(fieldNumber(se, SeField::abnormalityCode), runner.scratched ? 1 : 0);
                EXPECT_EQ(fieldNumber(se, SeField::finalWinOdds), runner.scratched ? 0 : 123);
            }
        }
}

TEST_F(PlannedWeekend, MiningRecordsHoldEveryHorseInItsEntry) {
    for (const auto& plan : s_plans)
        for (const Race& race : plan.races) {
            SCOPED_TRACE(raceKey16(race));
            const std::string dm = RaceRecordWriter::timeMining(race, stamp(race, 8 * 60 + 5)).record();
            const std::string tm = RaceRecordWriter::matchMining(race, stamp(race, 8 * 60 + 5)).record();
            EXPECT_EQ(fieldNumber(dm, DmField::creationTime), 805);
            EXPECT_EQ(fieldNumber(tm, TmField::creationTime), 805);
            for (int k = 0; k < DmField::predictedTime.count; ++k) {
                const bool present = k < race.registered();
                const Runner* runner = present ? &race.runners[static_cast<std::size_t>(k)] : nullptr;
                EXPECT_EQ(fieldNumber(dm, DmField::horseNumber.at(k)), present ? k + 1 : 0) << k;
                EXPECT_EQ(fieldNumber(dm, DmField::predictedTime.at(k)), runner ? runner->miningTime : 0) << k;
                EXPECT_EQ(fieldNumber(tm, TmField::horseNumber.at(k)), present ? k + 1 : 0) << k;
                EXPECT_EQ(fieldNumber(tm, TmField::score.at(k)), runner ? runner->matchScore : 0) << k;
            }
        }
}

// The combination of a payout entry as the record writes it: one digit per bracket, two per horse.
std::string combinationText(const PayoutEntry& entry, int numbers, bool bracket) {
    std::string text;
    for (int k = 0; k < numbers; ++k) {
        char digits[8];
        std::snprintf(digits, sizeof digits, bracket ? "%d" : "%02d", entry.numbers[static_cast<std::size_t>(k)]);
        text += digits;
    }
    return text;
}

TEST_F(PlannedWeekend, OddsAndPayoutRecordsReadBackAsTheBooks) {
    const OddsList* lists[] = {&O1Field::win,      &O1Field::place,         &O1Field::bracketQuinella,
                               &O2Field::quinella, &O3Field::quinellaPlace, &O4Field::exacta,
                               &O5Field::trio,     &O6Field::trifecta};
    const int recordOf[] = {1, 1, 1, 2, 3, 4, 5, 6};  // the odds record of each bet type
    const int numbers[] = {1, 1, 2, 2, 2, 2, 3, 3};   // numbers of a combination
    int checkedEntries = 0, scratchedEntries = 0;
    for (const auto& plan : s_plans)
        for (const Race& race : plan.races) {
            SCOPED_TRACE(raceKey16(race));
            const OddsModel market(race, kSeed, race.date.dayNumber());
            const std::size_t last = market.snapshotMinutes().size() - 1;
            const OddsBook book = market.book(last);
            const RecordStamp at = stamp(race, market.snapshotMinutes()[last]);
            std::string records[7];
            for (int kind = 1; kind <= 6; ++kind)
                records[kind] = OddsRecordWriter::record(kind, race, book, at).record();
            EXPECT_EQ(fieldNumber(records[1], OddsField::announcedHour), race.postMinute / 60);
            EXPECT_EQ(fieldNumber(records[1], OddsField::announcedMinute), race.postMinute % 60);
            EXPECT_EQ(fieldNumber(records[6], OddsField::registeredRunners), book.registered);
            EXPECT_EQ(fieldNumber(records[6], OddsField::starters), book.starters);
            EXPECT_EQ(fieldNumber(records[1], O1Field::placePayingPlaces), book.placeCount);

            for (int bet = 0; bet < kBetKinds; ++bet) {
                const OddsList& list = *lists[bet];
                const OddsEntries& entries = book.of(static_cast<BetKind>(bet));
                const std::string& record = records[recordOf[bet]];
                if (!entries.sold) continue;
                EXPECT_EQ(fieldNumber(record, list.voteTotal), entries.total) << bet;
                for (std::size_t i = 0; i < entries.state.size(); ++i) {
                    const int k = static_cast<int>(i);
                    const std::string odds(fieldText(record, list.odds.at(k)));
                    switch (entries.state[i]) {
                        case EntryState::Absent: EXPECT_TRUE(isAllBlanks(odds)) << bet << "/" << k; break;
                        case EntryState::Scratched:
                            EXPECT_EQ(odds, std::string(static_cast<std::size_t>(list.odds.length), '-'));
                            ++scratchedEntries;
                            break;
                        case EntryState::Open:
                            EXPECT_EQ(fieldNumber(record, list.odds.at(k)), entries.odds[i]) << bet << "/" << k;
                            EXPECT_EQ(fieldNumber(record, list.popularity.at(k)), entries.popularity[i]);
                            if (list.oddsHigh.count > 0) {
                                EXPECT_EQ(fieldNumber(record, list.oddsHigh.at(k)), entries.oddsHigh[i]);
                            }
                            ++checkedEntries;
                            break;
                    }
                }
            }

            const Payout payout = PayoutModel::payout(race, book);
            const std::string hr = PayoutRecordWriter::record(race, payout, at).record();
            EXPECT_EQ(fieldNumber(hr, HrField::starters), race.starters());
            for (int bet = 0; bet < kBetKinds; ++bet) {
                const PayoutList& list = HrField::inBetTypeOrder[static_cast<std::size_t>(bet)];
                const auto& entries = payout.of(static_cast<BetKind>(bet));
                ASSERT_LE(static_cast<int>(entries.size()), list.payout.count) << bet;
                for (std::size_t e = 0; e < entries.size(); ++e) {
                    const int k = static_cast<int>(e);
                    EXPECT_EQ(fieldText(hr, list.combination.at(k)),
                              combinationText(entries[e], numbers[bet], bet == static_cast<int>(BetKind::Bracket)));
                    EXPECT_EQ(fieldNumber(hr, list.payout.at(k)), entries[e].yen) << bet << "/" << k;
                    EXPECT_EQ(fieldNumber(hr, list.popularity.at(k)), entries[e].popularity) << bet << "/" << k;
                }
            }
            for (const Runner& runner : race.runners)
                EXPECT_EQ(fieldText(hr, HrField::refundedHorses.at(runner.number - 1)), runner.scratched ? "1" : "0");
        }
    EXPECT_GT(checkedEntries, 10000);
    EXPECT_GT(scratchedEntries, 0) << "the weekend of seed 7 has scratches";
}

TEST_F(PlannedWeekend, AnnouncementsReadBackAsPlanned) {
    int weather = 0, scratches = 0;
    for (const auto& plan : s_plans) {
        for (const auto& notice : plan.weather) {
            const std::string we = ChangeRecordWriter::weather(
                                       plan.day, notice, {'1', plan.day.date, atMinute(plan.day.date, notice.minute)})
                                       .record();
            EXPECT_EQ(fieldText(we, WeField::dayKey8), plan.day.date.dateKey());
            EXPECT_EQ(fieldNumber(we, WeField::courseCode), notice.course);
            EXPECT_EQ(fieldNumber(we, WeField::announcedTime), hhmmOf(notice.minute));
            EXPECT_EQ(fieldNumber(we, WeField::changeKind), notice.kind);
            EXPECT_EQ(fieldNumber(we, WeField::weatherCode), notice.weather);
            EXPECT_EQ(fieldNumber(we, WeField::turfGoingCode), notice.turfGoing);
            EXPECT_EQ(fieldNumber(we, WeField::dirtGoingCode), notice.dirtGoing);
            ++weather;
        }
        for (const Race& race : plan.races) {
            for (const Runner& runner : race.runners) {
                if (!runner.scratched) continue;
                const std::string av =
                    ChangeRecordWriter::scratch(race, runner, stamp(race, runner.scratchMinute)).record();
                EXPECT_EQ(fieldText(av, AvField::raceKey16), raceKey16(race));
                EXPECT_EQ(fieldNumber(av, AvField::horseNumber), runner.number);
                EXPECT_EQ(trimmedText(av, AvField::horseName), runner.name);
                EXPECT_EQ(fieldNumber(av, AvField::reasonCode), runner.scratchReason);
                EXPECT_EQ(fieldNumber(av, AvField::announced) % 10000, hhmmOf(runner.scratchMinute));
                ++scratches;
            }
        }
    }
    // A post moved by ten minutes, announced an hour before the old post.
    Race moved = s_plans.at(0).races.at(0);
    moved.postMinute = moved.originalPostMinute + 10;
    moved.postChangeMinute = moved.originalPostMinute - 60;
    const std::string tc = ChangeRecordWriter::postTime(moved, stamp(moved, moved.postChangeMinute)).record();
    EXPECT_EQ(fieldText(tc, TcField::raceKey16), raceKey16(moved));
    EXPECT_EQ(fieldNumber(tc, TcField::newPostTime), hhmmOf(moved.postMinute));
    EXPECT_EQ(fieldNumber(tc, TcField::previousPostTime), hhmmOf(moved.originalPostMinute));
    EXPECT_EQ(fieldNumber(tc, TcField::announced) % 10000, hhmmOf(moved.postChangeMinute));
    EXPECT_GT(weather, 0);
    EXPECT_GT(scratches, 0);
}

}  // namespace
}  // namespace marovix::feedgen::named_fields_read_back_test
