// The vote command of the main model: its checks in order, the confirmation, the vote file, the hand-over
// to the plug-in, the day-log block, the sound and TohyoDone.
#include <gtest/gtest.h>

#include "core/settings/SettingsTable.h"
#include "core/vote/VoteCommand.h"
#include "tests/support/TempFolder.h"
#include "tests/support/VoteDay.h"

namespace marovix::vote_handlers_test {
namespace {

class VoteHandlersTest : public VoteDayTest {};

TEST_F(VoteHandlersTest, AManualVoteAsksWritesHandsOverAndLogs) {
    quinellaRows({{"", " 3- 7", "   12.5", "   500"},
                  {"消", " 3-12", "   30.1", "   100"},
                  {"", " 7-12", "       ", "   300"},
                  {"", " 1- 8", "    8.0", "   300"}});
    fakes.dialogs.setNextAnswer(true);
    model->TohyouBtnClick();
    EXPECT_EQ(fakes.dialogs.questions, (std::vector<std::string>{"[東京11R:]に投票します。実行してよろしいですか？"}));
    EXPECT_EQ(voteFile(), "20240526,05,11,UMAFUKU,NORMAL,500,03-07,\r\n20240526,05,11,UMAFUKU,NORMAL,300,01-08,\r\n");
    ASSERT_EQ(fakes.launcher.starts.size(), 1u);
    EXPECT_EQ(fakes.launcher.starts[0].program, plugin + nativePath("/VQMTohyoPlugIn2.exe"));
    EXPECT_EQ(fakes.launcher.starts[0].parameter, plugin + nativePath("/kaime/240526.csv"));
    EXPECT_EQ(logTail(8),
              (std::vector<std::string>{"-----", "■投票[順位指標指定][馬連]2024/05/26 15:30:00", "[東京11R]投票実行",
                                        "■投票金額:    800", "***", "20240526,05,11,UMAFUKU,NORMAL,500,03-07,",
                                        "20240526,05,11,UMAFUKU,NORMAL,300,01-08,", "***"}));
    EXPECT_TRUE(model->session().tohyoDone(1));
    EXPECT_TRUE(fakes.sound.played.empty());  // never after a manual vote
}

TEST_F(VoteHandlersTest, NoAnswerWritesAndLogsNothing) {
    quinellaRows({{"", " 3- 7", "   12.5", "   500"}});
    const std::size_t logLines = model->state().autoNaviList.size();
    model->TohyouBtnClick();  // the fake answers No
    EXPECT_EQ(voteFile(), "(none)");
    EXPECT_TRUE(fakes.launcher.starts.empty());
    EXPECT_EQ(model->state().autoNaviList.size(), logLines);
    EXPECT_FALSE(model->session().tohyoDone(1));
}

TEST_F(VoteHandlersTest, ThePostTimeCheckAllowsTheMinuteOfPostAndRefusesTheNext) {
    quinellaRows({{"", " 3- 7", "   12.5", "   500"}});
    fakes.clock.set(DateTime{2024, 5, 26, 15, 40, 59});
    fakes.dialogs.setNextAnswer(true);
    model->TohyouBtnClick();
    EXPECT_TRUE(model->session().tohyoDone(1));
    fakes.clock.set(DateTime{2024, 5, 26, 15, 41, 0});
    model->TohyouBtnClick();
    EXPECT_EQ(fakes.dialogs.informations.back(), "発走時刻を過ぎました。");
    model->AutoTohyoBtnClick();
    EXPECT_EQ(logTail(1), (std::vector<std::string>{"[エラー]15:41:00 発走時刻を過ぎています。"}));
}

TEST_F(VoteHandlersTest, TheDayMustBeTodayOrTomorrow) {
    quinellaRows({{"", " 3- 7", "   12.5", "   500"}});
    fakes.clock.set(DateTime{2024, 5, 25, 10, 0, 0});  // the day before: advance voting
    fakes.dialogs.setNextAnswer(true);
    model->TohyouBtnClick();
    EXPECT_TRUE(model->session().tohyoDone(1));
    fakes.clock.set(DateTime{2024, 5, 24, 10, 0, 0});  // two days before
    model->TohyouBtnClick();
    EXPECT_EQ(fakes.dialogs.informations.back(), "本日(または翌日)のデータが読み込まれていません。");
    model->AutoTohyoBtnClick();
    EXPECT_EQ(logTail(1), (std::vector<std::string>{"[エラー]10:00:00 本日のデータが読み込まれていません。"}));
}

TEST_F(VoteHandlersTest, RowsAllStruckOutAreRefusedLikeNoRows) {
    quinellaRows({{"消", " 3- 7", "   12.5", "   500"}, {"", " 7-12", "       ", "   300"}});
    model->TohyouBtnClick();
    EXPECT_EQ(fakes.dialogs.informations.back(), "買い目が作成されていません。");
    EXPECT_TRUE(fakes.dialogs.questions.empty());
    EXPECT_EQ(voteFile(), "(none)");
    model->AutoTohyoBtnClick();
    EXPECT_EQ(logTail(1), (std::vector<std::string>{"[投票不可]15:30:00 買い目が作成されていません。"}));
}

TEST_F(VoteHandlersTest, ABlankPluginFolderIsAMessageEvenInAutomaticMode) {
    quinellaRows({{"", " 3- 7", "   12.5", "   500"}});
    setting(settings::DirVQMTohyo2, "");
    const std::size_t logLines = model->state().autoNaviList.size();
    model->AutoTohyoBtnClick();
    EXPECT_EQ(fakes.dialogs.informations.back(),
              "「VQM投票プラグイン２」が正常にインストールされていません。再インストールしてください。");
    EXPECT_EQ(model->state().autoNaviList.size(), logLines);
}

TEST_F(VoteHandlersTest, SimulationKeepsOnlyAutomaticVotesFromThePlugIn) {
    quinellaRows({{"", " 3- 7", "   12.5", "   500"}});
    model->setOption(MainOption::SimMode, 1);
    fakes.dialogs.setNextAnswer(true);
    model->TohyouBtnClick();
    EXPECT_EQ(fakes.launcher.starts.size(), 1u);  // a manual vote is handed over even so
    EXPECT_EQ(logTail(6).front().substr(0, 5), "[SIM]");
    model->AutoTohyoBtnClick();
    EXPECT_EQ(fakes.launcher.starts.size(), 1u);
    EXPECT_EQ(logTail(6).front(), "[SIM]■投票[順位指標指定][馬連]2024/05/26 15:30:00");
    EXPECT_TRUE(model->session().tohyoDone(1));
    EXPECT_EQ(fakes.sound.played.size(), 1u);  // after the automatic vote only
}

TEST_F(VoteHandlersTest, APlugInStartThePlatformRefusesIsReportedAndTheRaceIsNotVoted) {
    quinellaRows({{"", " 3- 7", "   12.5", "   500"}});
    fakes.launcher.refuseWith("No such file or directory");
    fakes.dialogs.setNextAnswer(true);
    model->TohyouBtnClick();
    EXPECT_EQ(fakes.dialogs.informations.back(), kVotePluginStartError);
    EXPECT_FALSE(model->session().tohyoDone(1));
    // The block was written ahead of the start; the failed start follows it.
    EXPECT_EQ(logTail(2), (std::vector<std::string>{
                              "***", "[エラー]15:30:00 [東京11R]投票プラグインを起動できませんでした: " + plugin +
                                         nativePath("/VQMTohyoPlugIn2.exe: No such file or directory")}));
    EXPECT_EQ(logTail(6).front(), "[東京11R]投票実行");
}

}  // namespace
}  // namespace marovix::vote_handlers_test
