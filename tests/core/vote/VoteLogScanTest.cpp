#include "core/vote/VoteLogScan.h"

#include <gtest/gtest.h>

namespace marovix::vote_log_scan_test {
namespace {

std::vector<std::string> block(const std::string& header, const std::string& entry,
                               const std::vector<std::string>& lines) {
    std::vector<std::string> out = {"-----", header, "[" + entry + "]投票実行", "■投票金額:    800", "***"};
    out.insert(out.end(), lines.begin(), lines.end());
    out.push_back("***");
    return out;
}

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(VoteLogScan, FindsEachBlockWithTheRacesOfItsLines) {
    const auto log = joined({
        {"============================", "■利用開始 2024/05/25 20:00:00"},
        block("■投票[手動][馬連]2024/05/25 20:01:00", "東京11R",
              {"20240526,05,11,UMAFUKU,NORMAL,500,03-04,", "20240526,05,11,UMAFUKU,NORMAL,300,01-08,"}),
        {"-----", "■オッズ取得 東京10R 2024/05/25 20:02:00"},
        block("[SIM]■投票[順位指標指定][一括]2024/05/26 09:30:00", "京都1R",
              {"20240526,08,01,TAN,NORMAL,100,07,", "20240526,08,01,SANTAN,NORMAL,100,01-02-03,"}),
        block("■投票[手動][単勝]2024/05/26 09:31:00", "京都2R", {}),
    });
    const auto votes = loggedVotes(log);
    ASSERT_EQ(votes.size(), 3u);
    EXPECT_EQ(votes[0].raceEntry, "東京11R");
    EXPECT_EQ(votes[0].voteDate, "20240525");
    EXPECT_EQ(votes[0].races, std::vector<std::string>{"202405260511"});
    EXPECT_EQ(votes[1].raceEntry, "京都1R");
    EXPECT_EQ(votes[1].voteDate, "20240526");
    EXPECT_EQ(votes[1].races, std::vector<std::string>{"202405260801"});
    EXPECT_EQ(votes[2].raceEntry, "京都2R");
    EXPECT_TRUE(votes[2].races.empty());
}

TEST(VoteLogScan, ABlockWhoseStartFailedIsLeftOut) {
    const std::string failed = "[エラー]15:30:00 [東京11R]投票プラグインを起動できませんでした: /p: No such file";
    const auto log = joined({
        block("■投票[手動][馬連]2024/05/26 15:29:00", "東京11R", {"20240526,05,11,UMAFUKU,NORMAL,500,03-04,"}),
        block("■投票[手動][馬連]2024/05/26 15:30:00", "東京11R", {"20240526,05,11,UMAFUKU,NORMAL,500,05-06,"}),
        block("■投票[手動][馬連]2024/05/26 15:30:00", "東京10R", {"20240526,05,10,UMAFUKU,NORMAL,500,05-06,"}),
        {failed},  // the nearest earlier block of its entry: the second
        {"[エラー]15:31:00 投票プラグインが異常終了しました(終了コード1)[東京10R]"},  // a bad end: still voted
    });
    const auto votes = loggedVotes(log);
    ASSERT_EQ(votes.size(), 2u);
    EXPECT_EQ(votes[0].races, std::vector<std::string>{"202405260511"});
    EXPECT_EQ(votes[1].raceEntry, "東京10R");
    EXPECT_TRUE(loggedVotes(joined({{failed}})).empty());
}

TEST(VoteLogScan, LinesThatOnlyLookLikeABlockAreNoVote) {
    const auto votes = loggedVotes({"■投票[手動][馬連]2024/05/26 15:29:00", "東京11R投票実行", "■投票[手動]",
                                    "[東京11R]投票実行", "■投票[手動][馬連]2024/13/26 15:29:00", "[東京11R]投票実行"});
    EXPECT_TRUE(votes.empty());
    EXPECT_EQ(voteLineRace("20240526,05,11,UMAFUKU,NORMAL,500,03-04,"), "202405260511");
    EXPECT_EQ(voteLineRace("2024052,605,11,UMAFUKU,NORMAL,500,03-04,"), "");
    EXPECT_EQ(voteLineRace("20240526,5,11,"), "");
    EXPECT_EQ(voteLineRace("***"), "");
}

}  // namespace
}  // namespace marovix::vote_log_scan_test
