// Stake allocation over a selection grid, the returns and totals, and the synthetic odds.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>

#include "core/common/Format.h"
#include "core/common/Trim.h"
#include "core/kaime/StakeAllocation.h"
#include "tests/support/KaimeRows.h"

namespace marovix::stake_allocation_test {
namespace {

struct Labels {
    Label tensu, toshi, yosoKaishu;
    StakeLabels refs() { return {tensu, toshi, yosoKaishu}; }
};

KaimeGrid gridOf(const std::vector<double>& odds, BetType bet = BetType::Tan) {
    std::vector<KaimeRowText> rows;
    for (std::size_t i = 0; i < odds.size(); ++i) rows.push_back(kaimeRow(std::to_string(i + 1), odds[i]));
    KaimeGrid grid;
    fillKaimeGrid(grid, bet, rows);
    return grid;
}

std::vector<int> stakesOf(const KaimeGrid& grid) {
    std::vector<int> stakes;
    for (const std::string& text : columnTexts(grid, KaimeCol::Stake))
        stakes.push_back(text.empty() ? 0 : std::stoi(text));
    return stakes;
}

struct AllocationCase {
    const char* name;
    HaibunMethod method;
    int amount;
    std::vector<double> odds;
    std::vector<int> stakes;
    const char* investment;  // the "投票金額" label
};

void PrintTo(const AllocationCase& c, std::ostream* out) { *out << c.name; }

class AllocationTest : public ::testing::TestWithParam<AllocationCase> {};

TEST_P(AllocationTest, GivesTheStakesOfItsMethod) {
    const AllocationCase& c = GetParam();
    KaimeGrid grid = gridOf(c.odds);
    Labels labels;
    AllocateStakes(grid, c.method, c.amount, labels.refs());
    EXPECT_EQ(stakesOf(grid), c.stakes);
    EXPECT_EQ(labels.toshi.text, c.investment);
    for (const std::string& stake : columnTexts(grid, KaimeCol::Stake)) EXPECT_EQ(stake.size(), 6u) << stake;
}

INSTANTIATE_TEST_SUITE_P(
    Methods, AllocationTest,
    ::testing::Values(
        // 3000 / 7 / 100 = 4.29, + 0.9 = 5.19, truncated 5
        AllocationCase{
            "EqualSevenRows", HaibunMethod::Kinto, 3000, {2, 3, 4, 5, 6, 7, 8}, std::vector<int>(7, 500), "  3500"},
        // 2.5 + 0.9 truncated 3: the investment may exceed the input
        AllocationCase{"EqualFourRows", HaibunMethod::Kinto, 1000, {2, 3, 4, 5}, std::vector<int>(4, 300), "  1200"},
        AllocationCase{"EqualSmallest", HaibunMethod::Kinto, 100, {2, 3, 4}, std::vector<int>(3, 100), "   300"},
        // 3000 / 4.5 / 100 = 6.67, + 0.99, truncated 7
        AllocationCase{"PayoutTarget", HaibunMethod::Kihai, 3000, {4.5, 300}, {700, 100}, "   800"},
        AllocationCase{"Uniform", HaibunMethod::Kinitsu, 1500, {2, 30}, {1500, 1500}, "  3000"},
        // weights 100, 50, 25 of 175: 18.09, 9.52, 5.24 hundreds
        AllocationCase{"Proportional", HaibunMethod::Hirei, 3000, {2, 4, 8}, {1800, 900, 500}, "  3200"},
        // shares 96.2% and 3.8% of 100 yen: the small one is raised to 100
        AllocationCase{"ProportionalNeverBelow100", HaibunMethod::Hirei, 100, {2, 50}, {100, 100}, "   200"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StakeAllocationTest, ReturnsRatesAndLabels) {
    KaimeGrid grid = gridOf({2.0, 4.0});
    Labels labels;
    AllocateStakes(grid, HaibunMethod::Kinto, 1000, labels.refs());
    EXPECT_EQ(columnTexts(grid, KaimeCol::Stake), (std::vector<std::string>{"   500", "   500"}));
    EXPECT_EQ(columnTexts(grid, KaimeCol::Return), (std::vector<std::string>{"   1000", "   2000"}));
    EXPECT_EQ(columnTexts(grid, KaimeCol::ReturnRate), (std::vector<std::string>{"  100.0", "  200.0"}));
    EXPECT_EQ(labels.tensu.text, "  2");
    EXPECT_EQ(labels.toshi.text, "  1000");
    EXPECT_EQ(labels.yosoKaishu.text, "  150.0");
    EXPECT_EQ(labels.yosoKaishu.color, std::optional<Rgb>(0x000000));

    grid = gridOf({1.5, 1.2});
    AllocateStakes(grid, HaibunMethod::Kinto, 1000, labels.refs());
    EXPECT_EQ(labels.yosoKaishu.text, "   67.5");  // (750 + 600) / 2 / 1000
    EXPECT_EQ(labels.yosoKaishu.color, std::optional<Rgb>(0xFF0000));
}

TEST(StakeAllocationTest, AOneRowGridOf100YenAt33Point8ExpectsExactly3380) {
    KaimeGrid grid = gridOf({33.8});
    Labels labels;
    AllocateStakes(grid, HaibunMethod::Kinitsu, 100, labels.refs());
    EXPECT_EQ(columnTexts(grid, KaimeCol::Return), (std::vector<std::string>{"   3380"}));
    EXPECT_EQ(columnTexts(grid, KaimeCol::ReturnRate), (std::vector<std::string>{" 3380.0"}));
    EXPECT_EQ(labels.yosoKaishu.text, " 3380.0");
}

// Every odds value from 1.0 to 999.9 on a one-row grid: the return of a stake s is s x odds exactly,
// and the expected return rate is that return in percent of s.
TEST(StakeAllocationTest, ReturnsAreExactForEveryOddsValueInTenths) {
    struct Stake {
        int amount;
        int divisor;  // the return s x tenths / 10 is whole when the stake is a multiple of 10
    };
    int wrong = 0;
    for (const Stake stake : {Stake{100, 1}, Stake{300, 1}, Stake{1500, 1}, Stake{155, 10}}) {
        for (long long tenths = 10; tenths <= 9999; ++tenths) {
            KaimeGrid grid = gridOf({static_cast<double>(tenths) / 10});
            Labels labels;
            AllocateStakes(grid, HaibunMethod::Kinitsu, stake.amount, labels.refs());
            const long long exact = stake.amount * tenths;  // in tenths of a yen
            const std::string rate = formatted("%7.1f", static_cast<double>(exact / 10) * 100 / stake.amount);
            const std::string back = formatted("%7lld", (exact + 5) / 10);
            if (labels.yosoKaishu.text != rate || grid.cell(KaimeCol::Return, 1) != back) {
                if (++wrong <= 5)
                    ADD_FAILURE() << stake.amount << " x " << tenths << " tenths: " << grid.cell(KaimeCol::Return, 1)
                                  << " / " << labels.yosoKaishu.text << ", expected " << back << " / " << rate;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST(StakeAllocationTest, ExpectedReturnsOfSeveralRowsAddTheirTruncatedReturns) {
    struct Case {
        HaibunMethod method;
        int amount;
        std::vector<double> odds;
        const char* rate;
    };
    const Case cases[] = {
        // 100 x 33.8 + 100 x 4.1 = 3380 + 410 over 2 rows and 200 yen
        {HaibunMethod::Kinto, 200, {33.8, 4.1}, "  947.5"},
        // 300 x 2.3 = 690, 300 x 16.7 = 5010, 300 x 8.9 = 2670 over 3 rows and 900 yen
        {HaibunMethod::Kinitsu, 300, {2.3, 16.7, 8.9}, "  310.0"},
        // 155 x 33.8 = 5239, 155 x 1.7 = 263.5 -> 263 over 2 rows and 310 yen
        {HaibunMethod::Kinitsu, 155, {33.8, 1.7}, "  887.4"},
    };
    for (const Case& c : cases) {
        KaimeGrid grid = gridOf(c.odds);
        Labels labels;
        AllocateStakes(grid, c.method, c.amount, labels.refs());
        EXPECT_EQ(labels.yosoKaishu.text, c.rate) << c.amount;
    }
}

TEST(StakeAllocationTest, StakesAboveTheRangeOf32BitIntegersAreAllocatedAndTotalled) {
    KaimeGrid grid = gridOf({2.5, 4.0});
    Labels labels;
    AllocateStakes(grid, HaibunMethod::Kinitsu, 3'000'000'000, labels.refs());
    EXPECT_EQ(columnTexts(grid, KaimeCol::Stake), (std::vector<std::string>{"3000000000", "3000000000"}));
    EXPECT_EQ(columnTexts(grid, KaimeCol::Return), (std::vector<std::string>{"7500000000", "12000000000"}));
    EXPECT_EQ(columnTexts(grid, KaimeCol::ReturnRate), (std::vector<std::string>{"  125.0", "  200.0"}));
    EXPECT_EQ(labels.toshi.text, "6000000000");
    EXPECT_EQ(labels.yosoKaishu.text, "  162.5");
    AllocateStakes(grid, HaibunMethod::Kinto, 3'000'000'000, labels.refs());
    EXPECT_EQ(columnTexts(grid, KaimeCol::Stake), (std::vector<std::string>{"1500000000", "1500000000"}));
    EXPECT_EQ(labels.toshi.text, "3000000000");
}

TEST(StakeAllocationTest, BelowOneHundredYenTheStakesStayAsTheyWere) {
    KaimeGrid grid = gridOf({2.0, 4.0});
    Labels labels;
    AllocateStakes(grid, HaibunMethod::Kinto, 1000, labels.refs());
    const KaimeGrid before = grid;
    AllocateStakes(grid, HaibunMethod::Kinitsu, 99, labels.refs());
    EXPECT_EQ(grid, before);
    EXPECT_EQ(labels.toshi.text, "  1000");
}

TEST(StakeAllocationTest, AStruckOutRowTakesNoStakeAndNoPartInTheSyntheticOdds) {
    KaimeGrid grid = gridOf({2.0, 4.0, 5.0});
    Label go;
    ShowSyntheticOdds(grid, go);
    EXPECT_EQ(go.text, "   1.05");  // 1 / (1/2 + 1/4 + 1/5)
    grid.setCell(KaimeCol::Kesu, 1, "消");
    Labels labels;
    AllocateStakes(grid, HaibunMethod::Kinto, 1000, labels.refs());
    EXPECT_EQ(columnTexts(grid, KaimeCol::Stake), (std::vector<std::string>{"", "   500", "   500"}));
    EXPECT_EQ(columnTexts(grid, KaimeCol::Return)[0], "");
    EXPECT_EQ(labels.tensu.text, "  2");
    ShowSyntheticOdds(grid, go);
    EXPECT_EQ(go.text, "   2.22");  // 1 / (1/4 + 1/5)
}

TEST(StakeAllocationTest, WithoutOddsNothingIsAllocatedAndTheLabelsStayEmpty) {
    KaimeGrid grid = gridOf({0, 0, 0});
    Labels labels;
    Label go{"old", std::nullopt, std::nullopt};
    for (HaibunMethod method : {HaibunMethod::Kinto, HaibunMethod::Hirei, HaibunMethod::Kinitsu, HaibunMethod::Kihai})
        AllocateStakes(grid, method, 3000, labels.refs());
    ShowSyntheticOdds(grid, go);
    EXPECT_EQ(columnTexts(grid, KaimeCol::Stake), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(labels.tensu.text + labels.toshi.text + labels.yosoKaishu.text + go.text, "");
}

TEST(StakeAllocationTest, EveryRowStruckOutEmptiesStakesAndLabels) {
    KaimeGrid grid = gridOf({2.0, 4.0});
    Labels labels;
    AllocateStakes(grid, HaibunMethod::Kinto, 1000, labels.refs());
    grid.setCell(KaimeCol::Kesu, 1, "消");
    grid.setCell(KaimeCol::Kesu, 2, "消");
    for (HaibunMethod method : {HaibunMethod::Kinto, HaibunMethod::Hirei, HaibunMethod::Kinitsu, HaibunMethod::Kihai}) {
        AllocateStakes(grid, method, 1000, labels.refs());
        EXPECT_EQ(columnTexts(grid, KaimeCol::Stake), (std::vector<std::string>{"", ""}));
        EXPECT_EQ(labels.tensu.text + labels.toshi.text + labels.yosoKaishu.text, "");
    }
    Label go;
    ShowSyntheticOdds(grid, go);
    EXPECT_EQ(go.text, "");
}

TEST(StakeAllocationTest, ProportionalWithoutUsableOddsOnRowOneGivesTheSmallestStakes) {
    KaimeGrid grid = gridOf({2.0, 4.0});
    grid.setCell(KaimeCol::Odds, 1, "   -1.0");  // a scratched combination: no weight can be formed
    Labels labels;
    AllocateStakes(grid, HaibunMethod::Hirei, 3000, labels.refs());
    EXPECT_EQ(columnTexts(grid, KaimeCol::Stake), (std::vector<std::string>{"", "   100"}));
    EXPECT_EQ(labels.toshi.text, "   100");
}

TEST(StakeAllocationTest, AListOfMoreThan4896RowsIsNotAllocated) {
    KaimeGrid grid = gridOf(std::vector<double>(4897, 100.0), BetType::SRT);
    Labels labels;
    Label go;
    AllocateStakes(grid, HaibunMethod::Kinitsu, 100, labels.refs());
    ShowSyntheticOdds(grid, go);
    EXPECT_EQ(grid.cell(KaimeCol::Stake, 1), "");
    EXPECT_EQ(go.text, "");
    grid.setRowCount(4897);  // 4896 data rows
    AllocateStakes(grid, HaibunMethod::Kinitsu, 100, labels.refs());
    ShowSyntheticOdds(grid, go);
    EXPECT_EQ(grid.cell(KaimeCol::Stake, 4896), "   100");
    EXPECT_EQ(labels.tensu.text, "4896");
    EXPECT_EQ(go.text, "   0.02");
}

TEST(StakeAllocationTest, OddsCellsAndRowValidity) {
    EXPECT_EQ(kaimeOdds("    4.5"), 4.5);
    EXPECT_EQ(kaimeOdds("  -1.0"), std::nullopt);  // a scratched combination
    EXPECT_EQ(kaimeOdds("       "), std::nullopt);
    EXPECT_EQ(kaimeOdds("4.5x"), std::nullopt);
    EXPECT_EQ(kaimeOdds("0.0"), std::nullopt);
    KaimeGrid grid = gridOf({3.0});
    EXPECT_TRUE(isValidKaimeRow(grid, 1));
    grid.setCell(KaimeCol::No, 1, "  ");
    EXPECT_FALSE(isValidKaimeRow(grid, 1));
    EXPECT_EQ(haibunMethodOf(3), HaibunMethod::Kihai);
    EXPECT_EQ(haibunMethodOf(4), std::nullopt);
}

TEST(StakeAllocationTest, AnOddsCellReadsAsTheCLibraryReadsItsNumber) {
#ifdef _WIN32
    GTEST_SKIP() << "the C library MinGW links on Windows (msvcrt) rounds some decimal texts off by the last bit; "
                    "the odds are read as a correctly rounded C library reads them";
#endif
    std::vector<std::string> texts = {"33.8",
                                      "  1.0",
                                      "0.1",
                                      "007.5",
                                      "1250",
                                      "999999.9",
                                      "123456789012345",
                                      "1234567890123456",
                                      "0.000000000000001",
                                      "1.",
                                      ".5",
                                      "1..2",
                                      "1e3",
                                      "+4.5",
                                      "0x10",
                                      "inf",
                                      "nan",
                                      "4 .5",
                                      "1.2.3",
                                      " 1\t",
                                      "00000000000000000001.5"};
    std::mt19937 random(3);
    for (int i = 0; i < 20000; ++i) {
        std::string text = std::to_string(random() % 100000000);
        if (i % 3 > 0) text.insert(text.size() - std::min<std::size_t>(text.size() - 1, random() % 8 + 1), ".");
        texts.push_back(std::string(random() % 3, ' ') + text);
    }
    for (const std::string& text : texts) {
        const std::string number(trimmed(text, Blanks::Space));
        char* end = nullptr;
        const double value = std::strtod(number.c_str(), &end);
        const bool whole =
            !number.empty() && end == number.c_str() + number.size() && std::isfinite(value) && value > 0;
        const std::optional<double> read = kaimeOdds(text);
        ASSERT_EQ(read.has_value(), whole) << text;
        if (whole) {
            ASSERT_EQ(*read, value) << text;
        }
    }
}

}  // namespace
}  // namespace marovix::stake_allocation_test
