// The paint of the selection grids and the combined list.
#include <gtest/gtest.h>

#include "core/kaime/BetPages.h"
#include "core/kaime/KaimeGridStyle.h"
#include "core/kaime/StakeInputs.h"

namespace marovix::kaime_grid_style_test {
namespace {

struct StyleCase {
    bool combined;
    int column;
    int row;
    bool winning;
    Rgb background;
};

void PrintTo(const StyleCase& c, std::ostream* out) {
    *out << (c.combined ? "combined" : "bet grid") << " col " << c.column << " row " << c.row
         << (c.winning ? " winning" : "");
}

class KaimeGridStyleTest : public ::testing::TestWithParam<StyleCase> {};

TEST_P(KaimeGridStyleTest, PaintsItsCell) {
    const StyleCase& c = GetParam();
    const CellStyle style = kaimeCellStyle(c.combined, c.column, c.row, c.winning);
    EXPECT_EQ(style.background, std::optional<Rgb>(c.background));
    EXPECT_EQ(style.align, CellStyle::Align::Center);
}

// The platform's 9605833 is 0x9292C9 in blue-green-red order, 12713921 is 0xC1FFC1 and 65535 yellow.
INSTANTIATE_TEST_SUITE_P(
    BothGrids, KaimeGridStyleTest,
    ::testing::Values(StyleCase{false, 3, 0, false, 0xC99292}, StyleCase{false, 1, 4, false, 0xC1FFC1},
                      StyleCase{false, 3, 4, false, 0xFFFFFF}, StyleCase{false, 3, 4, true, 0xFF00FF},
                      StyleCase{false, 5, 4, true, 0xFFFFFF}, StyleCase{true, 0, 0, false, 0xC1FFC1},
                      StyleCase{true, 1, 2, false, 0xFFFF00}, StyleCase{true, 1, 2, true, 0xFFFF00},
                      StyleCase{true, 3, 2, true, 0xFF00FF}, StyleCase{true, 0, 2, false, 0xFFFFFF}));

TEST(BetPagesTest, CaptionsOfThePages) {
    EXPECT_EQ(betPageCaption(0), "一括");
    EXPECT_EQ(betPageCaption(betPageIndex(BetType::WD)), "ワイド");
    EXPECT_EQ(betPageCaption(8), "３連単");
    EXPECT_EQ(betPageCaption(9), "");
    EXPECT_EQ(betPageCaption(-1), "");
}

TEST(StakeInputsTest, AmountsPerBetTypeAndRace) {
    StakeInputs inputs;
    inputs.reset({100, 200, 300, 400, 500, 600, 700, 800});
    EXPECT_EQ(inputs.amount(BetType::SRT, 35), 800);
    inputs.set(BetType::UR, 4, 1234);
    EXPECT_EQ(inputs.amount(BetType::UR, 4), 1234);
    EXPECT_EQ(inputs.amount(BetType::UR, 5), 400);
    EXPECT_EQ(inputs.amount(BetType::WD, 4), 500);
    inputs.set(BetType::UR, 36, 9);  // no such race
    EXPECT_EQ(inputs.amount(BetType::UR, 36), 0);
    EXPECT_EQ(inputs.amount(BetType::UR, -1), 0);
    EXPECT_EQ(stakeAmountOf(" 3000"), 3000);
    EXPECT_EQ(stakeAmountOf(""), 0);
    EXPECT_EQ(stakeAmountOf("12a"), 0);
    EXPECT_EQ(stakeAmountOf("-500"), 0);
    EXPECT_EQ(stakeAmountOf("3000000000"), 3'000'000'000);
    EXPECT_EQ(stakeAmountOf("99999999999999999999"), 0);
    EXPECT_EQ(raisedDefaultStakes({0, 99, 100, 101, -5, 3000, 1, 100}),
              (BetAmounts{100, 100, 100, 101, 100, 3000, 100, 100}));
}

}  // namespace
}  // namespace marovix::kaime_grid_style_test
