// The selection builders of the eight bet types: combinations formed from the marks by each buying method,
// kept by the odds filter, written in each bet type's row format.
#include <gtest/gtest.h>

#include "core/kaime/Marks.h"
#include "core/kaime/SelectionBuilder.h"
#include "tests/support/OddsRecords.h"

namespace marovix::selection_builder_test {
namespace {

using Marks = std::array<std::vector<int>, 3>;  // horses carrying ◎, ○, ▲

// A shown race: its card with marks, its registered runners, its raw odds records and the table of them.
struct Race {
    RaceCard26Grid card;
    int registered = 0;
    std::array<std::string, 6> records;  // empty: never read
    OddsTable table;

    Race(int runners, const Marks& marks) : registered(runners) {
        card.setRowCount(runners + 1);
        for (int h = 1; h <= runners; ++h) {
            char text[12];
            std::snprintf(text, sizeof text, "%2d", h);
            card.setCell(Card26Col::Uma, h, text);
        }
        for (int mark = 0; mark < 3; ++mark)
            for (int h : marks[static_cast<std::size_t>(mark)]) card.setCell(markColumn(mark), h, "ν");
    }
    OddsRawRecords raw() const {
        OddsRawRecords raw = blankOddsRecords();
        for (std::size_t k = 0; k < records.size(); ++k)
            if (!records[k].empty()) raw[k] = records[k];
        return raw;
    }
    // Reads record `kind` (1..6) as the odds reading does.
    void read(int kind, const RecordBuilder& record) {
        records[static_cast<std::size_t>(kind - 1)] = record.line();
        table = deriveOddsTable(raw(), registered);
    }
};

SelectionOptions options(int method = 0, std::array<bool, 4> multi = {}, std::string a = "1.0",
                         std::string b = "9999999.9") {
    return SelectionOptions{true, method, multi, std::move(a), std::move(b)};
}

KaimeGrid build(BetType bet, const Race& race, const SelectionOptions& opts) {
    KaimeGrid grid;
    const OddsRawRecords raw = race.raw();
    buildSelections(bet, SelectionRace{race.card, race.registered, race.table, raw}, opts, grid);
    return grid;
}

// The combination texts of the grid's data rows.
std::vector<std::string> combinations(const KaimeGrid& grid) {
    std::vector<std::string> texts;
    for (int r = 1; r < grid.rowCount(); ++r)
        if (!grid.cell(KaimeCol::Kaime, r).empty()) texts.push_back(grid.cell(KaimeCol::Kaime, r));
    return texts;
}

// Row r as "No.|name|combination|odds".
std::string row(const KaimeGrid& grid, int r) {
    return grid.cell(KaimeCol::No, r) + "|" + grid.cell(KaimeCol::Baken, r) + "|" + grid.cell(KaimeCol::Kaime, r) +
           "|" + grid.cell(KaimeCol::Odds, r);
}

struct FormCase {
    const char* name;
    BetType bet;
    int runners;
    Marks marks;
    int method;
    std::array<bool, 4> multi;
    std::vector<std::string> expected;
};
// Test names and failure messages show the case by its name.
void PrintTo(const FormCase& c, std::ostream* out) { *out << c.name; }

class CombinationFormingTest : public ::testing::TestWithParam<FormCase> {};

// No odds read yet: every formed combination is listed, so the list shows the forming alone.
TEST_P(CombinationFormingTest, FormsTheCombinationsOfTheMethodOnceInTextOrder) {
    const FormCase& c = GetParam();
    const KaimeGrid grid = build(c.bet, Race(c.runners, c.marks), options(c.method, c.multi));
    EXPECT_EQ(combinations(grid), c.expected);
    EXPECT_EQ(grid.rowCount(), std::max<int>(static_cast<int>(c.expected.size()), 1) + 1);
}

constexpr int kBox = 0, kNagashi = 1, kOneAxis = 1, kTwoAxis = 2, kFormation = 3;
constexpr std::array<bool, 4> kNoMulti{}, kMulti{true, false, false, false};
constexpr std::array<bool, 4> kMulti12{false, true, false, false}, kMulti23{false, false, true, false},
    kMulti13{false, false, false, true}, kAllMulti{true, true, true, true};
const std::vector<std::string> kSixOrders = {" 1- 2- 3", " 1- 3- 2", " 2- 1- 3", " 2- 3- 1", " 3- 1- 2", " 3- 2- 1"};

INSTANTIATE_TEST_SUITE_P(
    Pairs, CombinationFormingTest,
    ::testing::Values(
        FormCase{"URBox", BetType::UR, 12, {{{3, 7, 12}, {}, {}}}, kBox, kNoMulti, {" 3- 7", " 3-12", " 7-12"}},
        FormCase{"UTBoxEveryOrder",
                 BetType::UT,
                 12,
                 {{{3, 7, 12}, {}, {}}},
                 kBox,
                 kNoMulti,
                 {" 3- 7", " 3-12", " 7- 3", " 7-12", "12- 3", "12- 7"}},
        FormCase{"URNagashi", BetType::UR, 10, {{{5}, {2, 9}, {}}}, kNagashi, kNoMulti, {" 2- 5", " 5- 9"}},
        FormCase{"AHorseOfBothMarksDoesNotPairWithItself",
                 BetType::WD,
                 10,
                 {{{5}, {5, 2}, {}}},
                 kNagashi,
                 kNoMulti,
                 {" 2- 5"}},
        FormCase{"UTNagashi", BetType::UT, 10, {{{5}, {2}, {}}}, kNagashi, kNoMulti, {" 5- 2"}},
        FormCase{"UTNagashiMulti", BetType::UT, 10, {{{5}, {2}, {}}}, kNagashi, kMulti, {" 2- 5", " 5- 2"}},
        FormCase{"UTBoxIgnoresMulti", BetType::UT, 10, {{{5}, {2}, {}}}, kBox, kMulti, {}},
        FormCase{"WRSameBracket", BetType::WR, 18, {{{13, 14}, {}, {}}}, kBox, kNoMulti, {" 7- 7"}},
        FormCase{"WRFirstBracket", BetType::WR, 18, {{{1, 2}, {}, {}}}, kBox, kNoMulti, {" 1- 1"}},
        FormCase{"WRPairsOfBracketsOnce", BetType::WR, 18, {{{1, 2, 16}, {}, {}}}, kBox, kNoMulti, {" 1- 1", " 1- 8"}},
        FormCase{"OneMarkMakesNoPair", BetType::UR, 10, {{{4}, {}, {}}}, kBox, kNoMulti, {}},
        FormCase{"AnUnknownMethodFormsNothing", BetType::UR, 10, {{{1, 2}, {1, 2}, {}}}, 2, kNoMulti, {}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Triples, CombinationFormingTest,
    ::testing::Values(
        FormCase{"SRFBox", BetType::SRF, 10, {{{2, 5, 9}, {}, {}}}, kBox, kNoMulti, {" 2- 5- 9"}},
        FormCase{"SRTBox",
                 BetType::SRT,
                 10,
                 {{{2, 5, 9}, {}, {}}},
                 kBox,
                 kNoMulti,
                 {" 2- 5- 9", " 2- 9- 5", " 5- 2- 9", " 5- 9- 2", " 9- 2- 5", " 9- 5- 2"}},
        FormCase{"SRFBoxOfTwoIsEmpty", BetType::SRF, 10, {{{2, 5}, {9}, {9}}}, kBox, kNoMulti, {}},
        FormCase{"SRTBoxIgnoresMulti", BetType::SRT, 10, {{{1, 2, 3}, {}, {}}}, kBox, kAllMulti, kSixOrders},
        FormCase{"SRFOneAxis",
                 BetType::SRF,
                 10,
                 {{{1}, {4, 6, 8}, {}}},
                 kOneAxis,
                 kNoMulti,
                 {" 1- 4- 6", " 1- 4- 8", " 1- 6- 8"}},
        FormCase{"SRFTwoAxis", BetType::SRF, 10, {{{1, 2}, {3, 4}, {}}}, kTwoAxis, kNoMulti, {" 1- 2- 3", " 1- 2- 4"}},
        FormCase{
            "SRFFormation", BetType::SRF, 10, {{{3}, {2}, {1, 4}}}, kFormation, kNoMulti, {" 1- 2- 3", " 2- 3- 4"}},
        FormCase{"SRTOneAxis", BetType::SRT, 10, {{{1}, {4, 6}, {}}}, kOneAxis, kNoMulti, {" 1- 4- 6", " 1- 6- 4"}},
        FormCase{"SRTOneAxisMulti",
                 BetType::SRT,
                 10,
                 {{{1}, {4, 6}, {}}},
                 kOneAxis,
                 kMulti,
                 {" 1- 4- 6", " 1- 6- 4", " 4- 1- 6", " 4- 6- 1", " 6- 1- 4", " 6- 4- 1"}},
        FormCase{"SRTOneAxisIgnoresPartialMulti",
                 BetType::SRT,
                 10,
                 {{{1}, {4, 6}, {}}},
                 kOneAxis,
                 kMulti12,
                 {" 1- 4- 6", " 1- 6- 4"}},
        FormCase{"SRTTwoAxis", BetType::SRT, 10, {{{1}, {2}, {3}}}, kTwoAxis, kNoMulti, {" 1- 2- 3"}},
        FormCase{"SRTTwoAxisMulti", BetType::SRT, 10, {{{1}, {2}, {3}}}, kTwoAxis, kMulti, kSixOrders},
        FormCase{
            "SRTTwoAxisIgnoresPartialMulti", BetType::SRT, 10, {{{1}, {2}, {3}}}, kTwoAxis, kMulti13, {" 1- 2- 3"}},
        FormCase{"SRTFormation", BetType::SRT, 10, {{{1}, {2}, {3}}}, kFormation, kNoMulti, {" 1- 2- 3"}},
        FormCase{
            "SRTFormationMulti12", BetType::SRT, 10, {{{1}, {2}, {3}}}, kFormation, kMulti12, {" 1- 2- 3", " 2- 1- 3"}},
        FormCase{
            "SRTFormationMulti23", BetType::SRT, 10, {{{1}, {2}, {3}}}, kFormation, kMulti23, {" 1- 2- 3", " 1- 3- 2"}},
        FormCase{
            "SRTFormationMulti13", BetType::SRT, 10, {{{1}, {2}, {3}}}, kFormation, kMulti13, {" 1- 2- 3", " 3- 2- 1"}},
        FormCase{"SRTFormationMulti", BetType::SRT, 10, {{{1}, {2}, {3}}}, kFormation, kMulti, kSixOrders},
        FormCase{"SRTFormationAllMulti", BetType::SRT, 10, {{{1}, {2}, {3}}}, kFormation, kAllMulti, kSixOrders},
        // A horse of two marks makes the same triple from two patterns: listed once.
        FormCase{"SRTFormationTwoMarksOnce",
                 BetType::SRT,
                 10,
                 {{{1}, {2, 3}, {2, 3}}},
                 kFormation,
                 kNoMulti,
                 {" 1- 2- 3", " 1- 3- 2"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SelectionBuilderTest, EighteenHorsesMarkedMakeATrifectaOf4896RowsNumberedInFourCharacters) {
    std::vector<int> all;
    for (int h = 1; h <= 18; ++h) all.push_back(h);
    const KaimeGrid grid = build(BetType::SRT, Race(18, {{all, {}, {}}}), options(kBox));
    ASSERT_EQ(grid.rowCount(), 4897);
    EXPECT_EQ(row(grid, 1), "   1|３連単| 1- 2- 3|        ");
    EXPECT_EQ(row(grid, 2448), "2448|３連単| 9-18-17|        ");
    EXPECT_EQ(row(grid, 4896), "4896|３連単|18-17-16|        ");
    const KaimeGrid trio = build(BetType::SRF, Race(18, {{all, {}, {}}}), options(kBox));
    EXPECT_EQ(row(trio, 816), "816|３連複|16-17-18|       ");
}

// Win odds of horses 1..6: 1.0, 4.9, 5.0, scratched, 12.5, none (blank); place low/high alongside.
Race winRace(const Marks& marks) {
    Race race(6, marks);
    RecordBuilder o1 = oddstest::oddsRecord(1);
    const char* win[] = {"0010", "0049", "0050", "----", "0125", "    "};
    const char* low[] = {"0011", "0012", "0020", "****", "0030", "    "};
    for (int h = 1; h <= 6; ++h) {
        oddstest::setWin(o1, h, win[h - 1]);
        oddstest::setPlace(o1, h, low[h - 1], h == 4 ? "****" : "0099");
    }
    race.read(1, o1);
    return race;
}

struct FilterCase {
    const char* name;
    BetType bet;
    const char* a;
    const char* b;
    std::vector<std::string> rows;
};
// Test names and failure messages show the case by its name.
void PrintTo(const FilterCase& c, std::ostream* out) { *out << c.name; }

class WinFilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(WinFilterTest, KeepsTheRankedHorsesInsideTheBounds) {
    const FilterCase& c = GetParam();
    const KaimeGrid grid = build(c.bet, winRace({{{1, 2, 3, 4, 5, 6}, {}, {}}}), options(0, {}, c.a, c.b));
    std::vector<std::string> rows;
    for (int r = 1; r < grid.rowCount(); ++r) rows.push_back(row(grid, r));
    EXPECT_EQ(rows, c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WinFilterTest,
    ::testing::Values(
        FilterCase{"Defaults",
                   BetType::Tan,
                   "1.0",
                   "99999.9",
                   {" 1|単勝| 1|   1.0", " 2|単勝| 2|   4.9", " 3|単勝| 3|   5.0", " 4|単勝| 5|  12.5"}},
        FilterCase{"LowerBoundFive", BetType::Tan, "5.0", "99999.9", {" 1|単勝| 3|   5.0", " 2|単勝| 5|  12.5"}},
        FilterCase{"UpperBoundFive",
                   BetType::Tan,
                   "1.0",
                   "5.0",
                   {" 1|単勝| 1|   1.0", " 2|単勝| 2|   4.9", " 3|単勝| 3|   5.0"}},
        FilterCase{"NotANumberIsZero", BetType::Tan, "abc", "4.9", {" 1|単勝| 1|   1.0", " 2|単勝| 2|   4.9"}},
        FilterCase{"PlaceByItsLowerOdds", BetType::Fuk, "1.2", "2.0", {" 1|複勝| 2|   1.2", " 2|複勝| 3|   2.0"}},
        FilterCase{"NothingInside", BetType::Fuk, "50", "60", {"|||"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SelectionBuilderTest, WinOnlyTakesMarkedHorsesAndNothingBeforeTheOddsAreRead) {
    const KaimeGrid marked = build(BetType::Tan, winRace({{{2, 5}, {1}, {3}}}), options());
    EXPECT_EQ(combinations(marked), (std::vector<std::string>{" 2", " 5"}));
    const KaimeGrid unread = build(BetType::Tan, Race(6, {{{1, 2, 3}, {}, {}}}), options());
    EXPECT_EQ(unread.rowCount(), 2);
    EXPECT_EQ(combinations(unread), std::vector<std::string>{});
}

TEST(SelectionBuilderTest, PairsShowBlankOddsUntilReadThenDropScratchedAndFilteredOnes) {
    Race race(6, {{{1, 2, 3}, {}, {}}});
    KaimeGrid grid = build(BetType::UR, race, options(kBox, {}, "1.0", "50.0"));
    ASSERT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(row(grid, 1), " 1|馬連| 1- 2|       ");
    EXPECT_EQ(row(grid, 3), " 3|馬連| 2- 3|       ");
    // Read: " 1- 2" (number 1) scratched, " 1- 3" (2) at 8.5, " 2- 3" (18) at 55.1, out of the filter.
    RecordBuilder o2 = oddstest::oddsRecord(2, "20240106", "06", 3);
    oddstest::setCombination(o2, 2, 1, "------", "---");
    oddstest::setCombination(o2, 2, 2, 85, 3);
    oddstest::setCombination(o2, 2, 18, 551, 9);
    race.read(2, o2);
    grid = build(BetType::UR, race, options(kBox, {}, "1.0", "50.0"));
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(row(grid, 1), " 1|馬連| 1- 3|    8.5");
    // Other kinds still unread: quinella place lists its pairs with blank odds.
    EXPECT_EQ(combinations(build(BetType::WD, race, options(kBox))).size(), 3u);
}

TEST(SelectionBuilderTest, TrifectaOddsTakeEightCharacters) {
    Race race(6, {{{1}, {2}, {3}}});
    RecordBuilder o6 = oddstest::oddsRecord(6);
    oddstest::setCombination(o6, 6, 1, 1234567, 1);
    race.read(6, o6);
    const KaimeGrid grid = build(BetType::SRT, race, options(kFormation));
    EXPECT_EQ(row(grid, 1), "   1|３連単| 1- 2- 3|123456.7");
}

TEST(SelectionBuilderTest, ABetTypeThatTakesNoPartIsEmptiedToOneRow) {
    const Race race(10, {{{1, 2, 3}, {}, {}}});
    KaimeGrid grid = build(BetType::UR, race, options());
    ASSERT_EQ(grid.rowCount(), 4);
    SelectionOptions off = options();
    off.takesPart = false;
    const OddsRawRecords raw = race.raw();
    buildSelections(BetType::UR, SelectionRace{race.card, race.registered, race.table, raw}, off, grid);
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(row(grid, 1), "|||");
}

TEST(SelectionBuilderTest, TheWinGridKeepsItsStrikeOutMarksOnTheirRowsThePlaceGridLosesThem) {
    const Race race = winRace({{{1, 2, 3, 5}, {}, {}}});
    for (BetType bet : {BetType::Tan, BetType::Fuk}) {
        KaimeGrid grid = build(bet, race, options());
        ASSERT_GE(grid.rowCount(), 4);
        grid.setCell(KaimeCol::Kesu, 2, "消");
        grid.setCell(KaimeCol::Kesu, 4, "消");
        grid.setCell(KaimeCol::Stake, 2, "   500");
        const OddsRawRecords raw = race.raw();
        buildSelections(bet, SelectionRace{race.card, race.registered, race.table, raw}, options(0, {}, "2.0", "20"),
                        grid);
        const bool win = bet == BetType::Tan;
        EXPECT_EQ(grid.rowCount(), win ? 4 : 3);  // win: 4.9, 5.0, 12.5; place (lower odds): 2.0, 3.0
        EXPECT_EQ(grid.cell(KaimeCol::Kesu, 2), win ? "消" : "");
        EXPECT_EQ(grid.cell(KaimeCol::Stake, 2), "");
        EXPECT_EQ(grid.cell(KaimeCol::Kaime, 2), win ? " 3" : " 5");
    }
}

TEST(FilterNumberTest, ReadsDecimalTextsAndGivesZeroOtherwise) {
    const std::pair<const char*, double> cases[] = {{"1.0", 1.0},   {" 5.0 ", 5.0}, {"99999.9", 99999.9}, {"12", 12.0},
                                                    {"", 0.0},      {"abc", 0.0},   {"1.0x", 0.0},        {"1,5", 0.0},
                                                    {"-2.5", -2.5}, {"+3", 3.0}};
    for (auto [text, value] : cases) EXPECT_DOUBLE_EQ(filterNumber(text), value) << text;
}

}  // namespace
}  // namespace marovix::selection_builder_test
