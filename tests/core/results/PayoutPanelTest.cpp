// The payout panel of the tab "結果" from a race's payout summary.
#include <gtest/gtest.h>

#include "core/results/PayoutPanel.h"
#include "tests/support/PayoutRecordBuilder.h"

namespace marovix::payout_panel_test {
namespace {

TEST(PayoutPanelTest, SectionsHaveTheirHeadingsAndEntryColumns) {
    const PayoutPanel empty;
    const std::size_t columns[] = {3, 5, 3, 3, 7, 6, 3, 6};
    const char* headings[] = {"単勝", "複勝", "枠連", "馬連", "ﾜｲﾄﾞ", "馬単", "三連複", "三連単"};
    for (const BetTypeInfo& bet : kBetTypes) {
        const auto i = static_cast<std::size_t>(bet.type);
        EXPECT_EQ(empty.of(bet.type).size(), columns[i]);
        EXPECT_EQ(payoutPanelHeading(bet.type), headings[i]);
        for (const PayoutPanelEntry& entry : empty.of(bet.type)) EXPECT_EQ(entry, PayoutPanelEntry{});
    }
    EXPECT_EQ(kPayoutPanelRows, (std::array<std::string_view, 3>{"結果：", "人気：", "配当："}));
}

TEST(PayoutPanelTest, ShowsEntriesWithWinnersInTheirFormats) {
    const std::string hr = PayoutRecordBuilder(testRaceKey(11))
                               .entry(BetType::Tan, 0, {7}, 450, 2)
                               .entry(BetType::Fuk, 0, {7}, 150, 1)
                               .entry(BetType::Fuk, 1, {12}, 1230, 10)
                               .entry(BetType::WR, 0, {3, 6}, 980, 4)
                               .entry(BetType::SRT, 0, {7, 12, 1}, 123456, 321)
                               .entry(BetType::UR, 1, {0, 12}, 500, 3)  // incomplete: not shown
                               .record();
    const PayoutPanel panel = payoutPanel(summarisePayout(hr));
    EXPECT_EQ(panel.of(BetType::Tan)[0], (PayoutPanelEntry{" 7", " 2", "     450"}));
    EXPECT_EQ(panel.of(BetType::Tan)[1], PayoutPanelEntry{});
    EXPECT_EQ(panel.of(BetType::Fuk)[1], (PayoutPanelEntry{"12", "10", "    1230"}));
    EXPECT_EQ(panel.of(BetType::WR)[0], (PayoutPanelEntry{" 3- 6", " 4", "     980"}));
    EXPECT_EQ(panel.of(BetType::SRT)[0], (PayoutPanelEntry{" 7-12- 1", "321", "  123456"}));
    EXPECT_EQ(panel.of(BetType::UR)[1], PayoutPanelEntry{});
    EXPECT_EQ(payoutPanel(PayoutSummary{}), PayoutPanel{});  // no summary yet: all empty
}

}  // namespace
}  // namespace marovix::payout_panel_test
