#include "standins/voteplugin/PaperTrade.h"

#include <gtest/gtest.h>

namespace marovix::paper_trade_test {
namespace {

const std::string Tan = "20250301,06,11,TAN,NORMAL,";

TEST(PaperTrade, TakesLinesInOrderWhileTheBalanceLasts) {
    const std::string file = Tan + "600,01,\r\n" + Tan + "500,02,\r\n" + Tan + "150,03,\r\n" + Tan + "400,04,\r\n";
    VoteFileDecision decision = decideVoteFile(file, 1000);
    ASSERT_TRUE(decision.fileFault.empty());
    ASSERT_EQ(decision.lines.size(), 4u);
    EXPECT_TRUE(decision.lines[0].verdict.accepted);
    EXPECT_FALSE(decision.lines[1].verdict.accepted);  // 500 > the 400 left
    EXPECT_NE(decision.lines[1].verdict.reason.find("残高が足りません(残高400円)"), std::string::npos);
    EXPECT_FALSE(decision.lines[2].verdict.accepted);  // 150: no multiple of 100
    EXPECT_TRUE(decision.lines[3].verdict.accepted);   // exactly the 400 left
    EXPECT_EQ(decision.total, 1000);
    EXPECT_EQ(decision.acceptedCount(), 2);
    EXPECT_EQ(decision.lines[3].text, Tan + "400,04,");
}

TEST(PaperTrade, RefusesAWholeFileThatCannotBeAVoteFile) {
    const struct {
        Result<std::string> bytes;
        const char* reason;
    } cases[] = {
        {Error{"/x/kaime/250301.csv: No such file or directory"}, "投票ファイルを読めません"},
        {std::string(), "買い目がありません"},
        {Tan + "100,01,\r\n" + Tan + "100,02,\x83\x50\r\n", "2行目にASCII以外の文字があります"},
        {Tan + "100,01,\t\r\n", "1行目に制御文字があります"},
        {std::string(MaxVoteFileBytes + 1, ','), "大きすぎます"},
    };
    for (const auto& c : cases) {
        VoteFileDecision decision = decideVoteFile(c.bytes, 100000);
        EXPECT_NE(decision.fileFault.find(c.reason), std::string::npos) << decision.fileFault;
        EXPECT_TRUE(decision.lines.empty());
        EXPECT_EQ(decision.total, 0);
    }
}

TEST(PaperTrade, LogShowsEachVerdictAndTheBalanceAfter) {
    VoteFileDecision decision = decideVoteFile(Tan + "100,01,\r\n" + Tan + "0,02,\r\n", 5000);
    auto log = voteLogLines(decision, "/p/kaime/250301.csv", "AB12", DateTime{2025, 3, 1, 15, 30, 10}, 4900);
    EXPECT_EQ(log, (std::vector<std::string>{
                       "-----",
                       "■投票 2025/03/01 15:30:10 [AB12] ファイル:/p/kaime/250301.csv",
                       "[受付] 1行目 " + Tan + "100,01,",
                       "[不可] 2行目 " + Tan + "0,02, 理由:購入金額が100円単位の正の金額ではありません: 0",
                       "■結果 受付:1件 不可:1件 購入金額:100円 残高:4900円",
                   }));
}

}  // namespace
}  // namespace marovix::paper_trade_test
