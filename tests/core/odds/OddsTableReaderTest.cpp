// Deriving a race's OddsTable from its raw odds records.
#include "core/odds/OddsTableReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/odds/CombinationNumber.h"
#include "core/race/JvRecord.h"
#include "standins/feedgen/Calendar.h"
#include "standins/feedgen/CombinationTable.h"
#include "standins/feedgen/OddsModel.h"
#include "standins/feedgen/OddsRecordWriter.h"
#include "standins/feedgen/RaceModel.h"
#include "tests/support/OddsRecords.h"

namespace marovix::odds_table_reader_test {
namespace {

using oddstest::oddsRecord;
using oddstest::setCombination;
using oddstest::setPlace;
using oddstest::setWin;

// Raw records of a race: blanks but for the record given, which the table keeps.
class RawRecords {
public:
    explicit RawRecords(const RecordBuilder& record) : m_record(record.record()) {
        m_views[static_cast<std::size_t>(m_record[1] - '1')] = m_record;
    }
    const OddsRawRecords& views() const { return m_views; }
    operator const OddsRawRecords&() const { return m_views; }
    std::string& record() { return m_record; }

private:
    std::string m_record;
    OddsRawRecords m_views = blankOddsRecords();
};
RawRecords rawWith(const RecordBuilder& record) { return RawRecords(record); }

// An O1 record of `runners` open horses: win odds 2.0, 3.0, ... by horse, place 1.1-1.5, 1.2-1.6, ...
RecordBuilder openField(int runners) {
    RecordBuilder o1 = oddsRecord(1);
    for (int horse = 1; horse <= runners; ++horse) {
        char win[16], low[16], high[16];
        std::snprintf(win, sizeof win, "%04d", 10 + 10 * horse);
        std::snprintf(low, sizeof low, "%04d", 10 + horse);
        std::snprintf(high, sizeof high, "%04d", 14 + horse);
        setWin(o1, horse, win);
        setPlace(o1, horse, low, high);
    }
    return o1;
}

TEST(OddsTableReader, WinAndPlaceOddsAreTheDigitsDividedByTen) {
    RecordBuilder o1 = oddsRecord(1);
    setWin(o1, 1, "0123");
    setPlace(o1, 1, "0021", "0035");
    setWin(o1, 18, "9999");
    setPlace(o1, 18, "1234", "5678");
    const OddsTable table = deriveOddsTable(rawWith(o1), 18);
    EXPECT_DOUBLE_EQ(table.TanOdds[1], 12.3);
    EXPECT_DOUBLE_EQ(table.FukOddsLow[1], 2.1);
    EXPECT_DOUBLE_EQ(table.FukOddsHigh[1], 3.5);
    EXPECT_DOUBLE_EQ(table.TanOdds[18], 999.9);
    EXPECT_DOUBLE_EQ(table.FukOddsLow[18], 123.4);
    EXPECT_DOUBLE_EQ(table.FukOddsHigh[18], 567.8);
    // Horses 2..17 are blank in the record: empty, no rank.
    for (int horse = 2; horse <= 17; ++horse) {
        EXPECT_EQ(table.TanOdds[horse], kEmptyOdds) << horse;
        EXPECT_EQ(table.FukOddsLow[horse], kEmptyOdds) << horse;
        EXPECT_EQ(table.FukOddsHigh[horse], kEmptyOdds) << horse;
        EXPECT_EQ(table.TanPop[horse], 0) << horse;
    }
    EXPECT_EQ(table.TanPop[1], 1);
    EXPECT_EQ(table.TanPop[18], 2);
    EXPECT_EQ(table.FukLowPop[1], 1);
    EXPECT_EQ(table.FukLowPop[18], 2);
    EXPECT_EQ(table.TanOdds[0], 0.0);
}

TEST(OddsTableReader, ScratchedAndEmptyWinAndPlaceFields) {
    struct Case {
        std::string win, low, high;
        double tan, fukLow, fukHigh;
    };
    const Case cases[] = {
        {"----", "----", "----", kScratchedOdds, kScratchedOdds, kScratchedOdds},
        {"****", "****", "****", kScratchedOdds, kScratchedOdds, kScratchedOdds},
        {"    ", "    ", "    ", kEmptyOdds, kEmptyOdds, kEmptyOdds},
        {" 123", "----", "0045", 12.3, kScratchedOdds, kScratchedOdds},  // the low field decides both ends
        {"0050", "    ", "0045", 5.0, kEmptyOdds, kEmptyOdds},
        {"0000", "0000", "0000", 0.0, 0.0, 0.0},  // no votes: unusable
        {"--  ", "0012", "    ", 0.0, 1.2, 0.0},  // neither a sentinel nor a number
        {"0031", "0012", "----", 3.1, 1.2, 0.0},  // the upper end is a plain number, no sentinel of its own
    };
    for (const Case& c : cases) {
        RecordBuilder o1 = oddsRecord(1);
        setWin(o1, 3, c.win);
        setPlace(o1, 3, c.low, c.high);
        const OddsTable table = deriveOddsTable(rawWith(o1), 5);
        EXPECT_EQ(table.TanOdds[3], c.tan) << c.win;
        EXPECT_EQ(table.FukOddsLow[3], c.fukLow) << c.low;
        EXPECT_EQ(table.FukOddsHigh[3], c.fukHigh) << c.high;
        EXPECT_EQ(table.TanPop[3], c.tan > 0 ? 1 : 0) << c.win;
        EXPECT_EQ(table.FukLowPop[3], c.fukLow > 0 ? 1 : 0) << c.low;
    }
}

TEST(OddsTableReader, ScratchedHorsesTakeNoRankAndTheHorsesBehindMoveUp) {
    RecordBuilder o1 = openField(6);  // win odds 2.0 (horse 1) ... 7.0 (horse 6)
    setWin(o1, 2, "----");            // scratched before the sale
    setPlace(o1, 2, "----", "----");
    setWin(o1, 4, "****");  // scratched after it
    setPlace(o1, 4, "****", "****");
    const OddsTable table = deriveOddsTable(rawWith(o1), 6);
    EXPECT_EQ(table.TanOdds[2], kScratchedOdds);
    EXPECT_EQ(table.TanOdds[4], kScratchedOdds);
    const int expected[] = {0, 1, 0, 2, 0, 3, 4};
    for (int horse = 1; horse <= 6; ++horse) {
        EXPECT_EQ(table.TanPop[horse], expected[horse]) << horse;
        EXPECT_EQ(table.FukLowPop[horse], expected[horse]) << horse;
    }
}

TEST(OddsTableReader, EqualWinOddsAreRankedByLowerPlaceOddsThenHorseNumber) {
    RecordBuilder o1 = oddsRecord(1);
    // Horses 1-4 all at 5.0 to win; place lows 1.8, 1.5, 1.8, 1.5 with highs 2.0, 2.4, 1.9, 2.4.
    const char* lows[] = {"0018", "0015", "0018", "0015"};
    const char* highs[] = {"0020", "0024", "0019", "0024"};
    for (int horse = 1; horse <= 4; ++horse) {
        setWin(o1, horse, "0050");
        setPlace(o1, horse, lows[horse - 1], highs[horse - 1]);
    }
    setWin(o1, 5, "0049");
    setPlace(o1, 5, "0030", "0040");
    const OddsTable table = deriveOddsTable(rawWith(o1), 5);
    // Win: 5 (4.9), then 2 and 4 (place 1.5, horse order), then 1 and 3 (place 1.8).
    EXPECT_EQ(table.TanPop[5], 1);
    EXPECT_EQ(table.TanPop[2], 2);
    EXPECT_EQ(table.TanPop[4], 3);
    EXPECT_EQ(table.TanPop[1], 4);
    EXPECT_EQ(table.TanPop[3], 5);
    // Place: 2 and 4 (1.5, upper ends equal: horse order), then 3 (1.8-1.9) before 1 (1.8-2.0), then 5.
    EXPECT_EQ(table.FukLowPop[2], 1);
    EXPECT_EQ(table.FukLowPop[4], 2);
    EXPECT_EQ(table.FukLowPop[3], 3);
    EXPECT_EQ(table.FukLowPop[1], 4);
    EXPECT_EQ(table.FukLowPop[5], 5);
}

// Ties on win odds are broken by the place text, which for sentinels is "  -1.0" and "  -2.0": in byte
// order a blank sorts before "-", and "-1.0" before "-2.0".
TEST(OddsTableReader, WinTiesWithPlaceSentinelsFollowTheTextOrder) {
    RecordBuilder o1 = oddsRecord(1);
    setWin(o1, 1, "0050");
    setPlace(o1, 1, "    ", "    ");  // -2.0
    setWin(o1, 2, "0050");
    setPlace(o1, 2, "----", "----");  // -1.0
    setWin(o1, 3, "0050");
    setPlace(o1, 3, "0090", "0100");  // 9.0
    const OddsTable table = deriveOddsTable(rawWith(o1), 3);
    EXPECT_EQ(table.TanPop[3], 1);
    EXPECT_EQ(table.TanPop[2], 2);
    EXPECT_EQ(table.TanPop[1], 3);
    EXPECT_EQ(table.FukLowPop[3], 1);
    EXPECT_EQ(table.FukLowPop[1], 0);
    EXPECT_EQ(table.FukLowPop[2], 0);
}

// Ranks over every kind of field a record may hold (negative values, sentinels, zeros, ties) follow the
// texts Format("%6.1f%6.1f%2d") sorted as bytes.
TEST(OddsTableReader, RanksFollowTheFormattedTextsForEveryKindOfField) {
    const char* fields[] = {"0012", "0012", "0150", "9999", "0000", "----", "****", "    ", "  12",
                            "-123", "+005", "12a4", "0001", "1000", "0099", "-  1", "0012", "0150"};
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        RecordBuilder o1 = oddsRecord(1);
        const int runners = 1 + static_cast<int>(random() % 18);
        for (int horse = 1; horse <= runners; ++horse) {
            setWin(o1, horse, fields[random() % std::size(fields)]);
            setPlace(o1, horse, fields[random() % std::size(fields)], fields[random() % std::size(fields)]);
        }
        const OddsTable table = deriveOddsTable(rawWith(o1), runners);
        auto expectedRanks = [&](const auto& first, const auto& second) {
            std::vector<std::pair<std::string, int>> texts;
            for (int horse = 1; horse <= runners; ++horse) {
                if (!(first[horse] > 0)) continue;
                char text[64];
                std::snprintf(text, sizeof text, "%6.1f%6.1f%2d", first[horse], second[horse], horse);
                texts.emplace_back(text, horse);
            }
            std::sort(texts.begin(), texts.end());
            std::array<int, 19> ranks{};
            for (std::size_t i = 0; i < texts.size(); ++i)
                ranks[static_cast<std::size_t>(texts[i].second)] = static_cast<int>(i) + 1;
            return ranks;
        };
        const auto tan = expectedRanks(table.TanOdds, table.FukOddsLow);
        const auto fuk = expectedRanks(table.FukOddsLow, table.FukOddsHigh);
        for (int horse = 1; horse <= 18; ++horse) {
            ASSERT_EQ(table.TanPop[horse], tan[static_cast<std::size_t>(horse)]) << round << " horse " << horse;
            ASSERT_EQ(table.FukLowPop[horse], fuk[static_cast<std::size_t>(horse)]) << round << " horse " << horse;
        }
    }
}

TEST(OddsTableReader, TenRunnersReadWinAndPlaceEntriesOfHorsesOneToTenOnly) {
    const OddsTable table = deriveOddsTable(rawWith(openField(18)), 10);
    for (int horse = 1; horse <= 10; ++horse) {
        EXPECT_DOUBLE_EQ(table.TanOdds[horse], 1.0 + horse) << horse;
        EXPECT_EQ(table.TanPop[horse], horse);
        EXPECT_EQ(table.FukLowPop[horse], horse);
    }
    for (int horse = 11; horse <= 18; ++horse) {
        EXPECT_EQ(table.TanOdds[horse], 0.0) << horse;
        EXPECT_EQ(table.FukOddsLow[horse], 0.0) << horse;
        EXPECT_EQ(table.FukOddsHigh[horse], 0.0) << horse;
        EXPECT_EQ(table.TanPop[horse], 0) << horse;
        EXPECT_EQ(table.FukLowPop[horse], 0) << horse;
    }
}

TEST(OddsTableReader, RegisteredCountOutsideZeroToEighteenIsHeldToIt) {
    RecordBuilder o1 = openField(18);
    setWin(o1, 19, "0012");  // entries beyond horse 18 are never read
    const OddsTable many = deriveOddsTable(rawWith(o1), 28);
    EXPECT_DOUBLE_EQ(many.TanOdds[18], 19.0);
    EXPECT_EQ(many.TanPop[18], 18);
    const OddsTable none = deriveOddsTable(rawWith(o1), -1);
    EXPECT_EQ(none.TanOdds[1], 0.0);
    EXPECT_EQ(none.TanPop[1], 0);
}

// The first, a middle and the last combination of every kind, with each form of field.
TEST(OddsTableReader, CombinationOddsAndPopularityOfEveryKind) {
    const int counts[] = {36, 153, 153, 306, 816, 4896};
    for (int kind = 1; kind <= 6; ++kind) {
        const int width = oddstest::combinationOddsWidth(kind);
        const int last = counts[kind - 1];
        const int popWidth = kind == 1 ? 2 : kind == 6 ? 4 : 3;
        const std::string dashes(static_cast<std::size_t>(width), '-');
        const std::string stars(static_cast<std::size_t>(width), '*');
        const std::string digits = std::string(static_cast<std::size_t>(width) - 3, '0') + "456";
        const std::string padded = std::string(static_cast<std::size_t>(width) - 3, ' ') + "789";
        const std::string pop = std::string(static_cast<std::size_t>(popWidth) - 1, '0') + "7";
        const std::string blankPop(static_cast<std::size_t>(popWidth), ' ');
        RecordBuilder record = oddsRecord(kind);
        setCombination(record, kind, 1, digits, pop);
        setCombination(record, kind, 2, dashes, pop);  // a published popularity is ignored for sentinels
        setCombination(record, kind, 3, stars, blankPop);
        setCombination(record, kind, 4, padded, pop);
        setCombination(record, kind, 5, std::string(static_cast<std::size_t>(width), '0'), pop);
        setCombination(record, kind, last, digits, pop);
        const OddsTable table = deriveOddsTable(rawWith(record), 18);
        const OddsKind k = kAllOddsKinds[static_cast<std::size_t>(kind - 1)];
        const auto odds = table.combinationOdds(k);
        const auto pops = table.combinationPopularity(k);
        ASSERT_EQ(static_cast<int>(odds.size()), last + 1);
        EXPECT_DOUBLE_EQ(odds[1], 45.6) << kind;
        EXPECT_EQ(pops[1], 7) << kind;
        EXPECT_EQ(odds[2], kScratchedOdds) << kind;
        EXPECT_EQ(pops[2], 0) << kind;
        EXPECT_EQ(odds[3], kScratchedOdds) << kind;
        EXPECT_DOUBLE_EQ(odds[4], 78.9) << kind;
        EXPECT_EQ(odds[5], 0.0) << kind;
        EXPECT_EQ(pops[5], 7) << kind;
        EXPECT_DOUBLE_EQ(odds[static_cast<std::size_t>(last)], 45.6) << kind;
        EXPECT_EQ(pops[static_cast<std::size_t>(last)], 7) << kind;
        EXPECT_EQ(odds[6], kEmptyOdds) << kind;
        EXPECT_EQ(pops[6], 0) << kind;
        EXPECT_EQ(odds[0], 0.0) << kind;
    }
}

TEST(OddsTableReader, BlankOrFaultyRecordsGiveEmptyEntriesAndNoRanks) {
    const OddsTable blank = deriveOddsTable(blankOddsRecords(), 12);
    for (int horse = 1; horse <= 12; ++horse) EXPECT_EQ(blank.TanOdds[horse], kEmptyOdds);
    EXPECT_EQ(blank.TanOdds[13], 0.0);
    for (OddsKind kind : kAllOddsKinds)
        for (std::size_t k = 1; k < blank.combinationOdds(kind).size(); ++k)
            ASSERT_EQ(blank.combinationOdds(kind)[k], kEmptyOdds);
    EXPECT_EQ(*std::max_element(blank.TanPop.begin(), blank.TanPop.end()), 0);

    // A record cut short, or one of the wrong kind, is no record: it reads as blanks.
    std::string faulty = openField(12).record();
    faulty.erase(100, 1);
    OddsRawRecords raw = blankOddsRecords();
    raw[0] = faulty;
    EXPECT_EQ(deriveOddsTable(raw, 12), blank);
    const std::string o1 = openField(12).record();
    raw = blankOddsRecords();
    raw[1] = o1;  // an O1 record where the O2 belongs
    EXPECT_EQ(deriveOddsTable(raw, 12), blank);
    // Whole records and day-file lines read alike.
    raw[0] = o1;
    const OddsTable whole = deriveOddsTable(raw, 12);
    raw[0] = std::string_view(o1).substr(0, o1.size() - 2);
    EXPECT_EQ(deriveOddsTable(raw, 12), whole);
    EXPECT_DOUBLE_EQ(whole.TanOdds[12], 13.0);
}

// The demo generator writes odds records with its own layout and its own order of combinations: every
// race of a generated day reads back as the generator's odds book.
TEST(OddsTableReader, ReadsTheDemoGeneratorsOddsRecordsAsItsOddsBook) {
    using namespace feedgen;
    const MeetingDay day = Calendar(3).meetingDays({2024, 4, 6}, {2024, 4, 6}).front();
    const DayPlan plan = RaceModel(3).planDay(day);
    int scratchedSeen = 0;
    for (const Race& race : plan.races) {
        const OddsModel market(race, 3, race.date.dayNumber());
        const OddsBook book = market.book(market.snapshotMinutes().size() - 1);
        const RecordStamp stamp{'1', race.date, race.date};
        std::array<std::string, 6> records;
        OddsRawRecords raw;
        for (std::size_t kind = 0; kind < 6; ++kind) {
            records[kind] = OddsRecordWriter::record(static_cast<int>(kind) + 1, race, book, stamp).record();
            raw[kind] = records[kind];
        }
        const OddsTable table = deriveOddsTable(raw, race.registered());

        auto expectedOdds = [](const OddsEntries& entries, std::size_t i, bool high) {
            if (!entries.sold) return kEmptyOdds;
            switch (entries.state[i]) {
                case EntryState::Absent: return kEmptyOdds;
                case EntryState::Scratched: return kScratchedOdds;
                case EntryState::Open: break;
            }
            return (high ? entries.oddsHigh[i] : entries.odds[i]) / 10.0;
        };
        const OddsEntries& win = book.of(BetKind::Win);
        const OddsEntries& place = book.of(BetKind::Place);
        for (int horse = 1; horse <= race.registered(); ++horse) {
            const auto i = static_cast<std::size_t>(horse - 1);
            ASSERT_EQ(table.TanOdds[horse], expectedOdds(win, i, false)) << horse;
            ASSERT_EQ(table.FukOddsLow[horse], expectedOdds(place, i, false)) << horse;
            ASSERT_EQ(table.FukOddsHigh[horse], expectedOdds(place, i, true)) << horse;
            if (win.state[i] == EntryState::Scratched) ++scratchedSeen;
        }
        // Win ranks: the open horses 1..count, in order of their odds.
        std::vector<std::pair<int, double>> ranked;
        for (int horse = 1; horse <= race.registered(); ++horse)
            if (table.TanOdds[horse] > 0) ranked.emplace_back(table.TanPop[horse], table.TanOdds[horse]);
        std::sort(ranked.begin(), ranked.end());
        for (std::size_t r = 0; r < ranked.size(); ++r) {
            ASSERT_EQ(ranked[r].first, static_cast<int>(r) + 1);
            if (r > 0) {
                ASSERT_LE(ranked[r - 1].second, ranked[r].second);
            }
        }

        struct KindList {
            OddsKind kind;
            BetKind bet;
            const std::vector<Combination>& order;
            int (*combNo)(std::string_view);
        };
        const KindList lists[] = {
            {OddsKind::O1, BetKind::Bracket, CombinationTable::bracketPairs(), CombNoWR},
            {OddsKind::O2, BetKind::Quinella, CombinationTable::pairs(), CombNoPair},
            {OddsKind::O3, BetKind::Wide, CombinationTable::pairs(), CombNoPair},
            {OddsKind::O4, BetKind::Exacta, CombinationTable::orderedPairs(), CombNoUT},
            {OddsKind::O5, BetKind::Trio, CombinationTable::triples(), CombNoSRF},
            {OddsKind::O6, BetKind::Trifecta, CombinationTable::orderedTriples(), CombNoSRT},
        };
        for (const KindList& list : lists) {
            const OddsEntries& entries = book.of(list.bet);
            for (std::size_t i = 0; i < list.order.size(); ++i) {
                const Combination& c = list.order[i];
                const std::string text =
                    c.third ? combinationText({c.first, c.second, c.third}) : combinationText({c.first, c.second});
                const int number = list.combNo(text);
                ASSERT_GT(number, 0) << text;
                const auto n = static_cast<std::size_t>(number);
                ASSERT_EQ(table.combinationOdds(list.kind)[n], expectedOdds(entries, i, false)) << text;
                const bool open = entries.sold && entries.state[i] == EntryState::Open;
                ASSERT_EQ(table.combinationPopularity(list.kind)[n], open ? entries.popularity[i] : 0) << text;
            }
        }
    }
    EXPECT_GT(scratchedSeen, 0) << "the generated day has scratched horses";
}

// Readers that need only some lists derive them in parts, or read single combinations from the raw
// record: every value is the one the whole table holds, for generated records, sentinels and faulty ones.
TEST(OddsTableReader, PartsOfTheTableAndSingleCombinationsReadAsTheWholeTable) {
    using namespace feedgen;
    const MeetingDay day = Calendar(5).meetingDays({2024, 4, 6}, {2024, 4, 6}).front();
    const DayPlan plan = RaceModel(5).planDay(day);
    std::vector<std::pair<std::array<std::string, 6>, int>> races;
    for (const Race& race : plan.races) {
        const OddsModel market(race, 5, race.date.dayNumber());
        const OddsBook book = market.book(market.snapshotMinutes().size() - 1);
        const RecordStamp stamp{'1', race.date, race.date};
        std::array<std::string, 6> records;
        for (std::size_t kind = 0; kind < 6; ++kind)
            records[kind] = OddsRecordWriter::record(static_cast<int>(kind) + 1, race, book, stamp).record();
        races.emplace_back(records, race.registered());
    }
    // Sentinels in every kind, a record cut short and one of the wrong kind.
    std::array<std::string, 6> odd = races.front().first;
    for (int kind = 1; kind <= 6; ++kind) {
        RecordBuilder record = oddsRecord(kind);
        const auto width = static_cast<std::size_t>(oddstest::combinationOddsWidth(kind));
        const std::string pop(kind == 1 ? 2 : kind == 6 ? 4 : 3, '1');
        setCombination(record, kind, 1, std::string(width, '-'), pop);
        setCombination(record, kind, 2, std::string(width, '*'), pop);
        setCombination(record, kind, 3, std::string(width - 1, ' ') + "7", pop);
        setCombination(record, kind, 4, std::string(width, '0'), pop);
        odd[static_cast<std::size_t>(kind - 1)] = record.record();
    }
    odd[2].erase(100, 1);
    odd[4] = races.front().first[3];
    races.emplace_back(odd, 14);
    races.emplace_back(std::array<std::string, 6>{}, 0);

    for (const auto& [records, registered] : races) {
        OddsRawRecords raw = blankOddsRecords();
        for (std::size_t kind = 0; kind < 6; ++kind)
            if (!records[kind].empty()) raw[kind] = records[kind];
        const OddsTable whole = deriveOddsTable(raw, registered);
        OddsTable parts;
        std::memset(static_cast<void*>(&parts), 0x5A, sizeof parts);  // every entry is written over
        fillWinPlaceOdds(raw, registered, parts);
        for (OddsKind kind : kAllOddsKinds) {
            fillCombinationOdds(raw, kind, parts);
            const CombinationOddsReader reader(raw, kind);
            const auto odds = whole.combinationOdds(kind);
            ASSERT_EQ(reader.count() + 1, static_cast<int>(odds.size()));
            for (int k = 1; k <= reader.count(); ++k) ASSERT_EQ(reader.odds(k), odds[static_cast<std::size_t>(k)]) << k;
            EXPECT_EQ(reader.odds(0), 0.0);
            EXPECT_EQ(reader.odds(reader.count() + 1), 0.0);
        }
        EXPECT_EQ(parts, whole);
    }
}

}  // namespace
}  // namespace marovix::odds_table_reader_test
