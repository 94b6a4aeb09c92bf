// The vote queue of the main model: a vote of the day waits until the plug-in run handed the day's vote
// file has ended and no other program holds the vote lock, is checked again when its turn comes, and is
// logged (on the disk) before the plug-in starts; a run's bad end is recorded; a restart keeps the races
// voted.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/common/TextFile.h"
#include "tests/support/RecordingPlugIn.h"
#include "tests/support/VoteDay.h"

namespace marovix::vote_queue_handlers_test {
namespace {

using Fake = FakeVotePluginLauncher;

class VoteQueueTest : public VoteDayTest {
protected:
    // A manual vote of race-list entry `index` (0: race 10, 1: race 11) with one quinella row.
    void vote(int index, const char* combination) {
        raceWithRow(index, combination);
        fakes.dialogs.setNextAnswer(true);
        model->TohyouBtnClick();
    }
    void automaticVote(int index, const char* combination) {
        raceWithRow(index, combination);
        model->AutoTohyoBtnClick();
    }
    static std::string line(int race, const char* combination) {
        return "20240526,05," + std::to_string(race) + ",UMAFUKU,NORMAL,500," + combination + ",";
    }
    const Label& status() { return model->state().labels[LabelId::TohyoStatusLabel]; }
    static std::vector<VoteBlock> blocks(const std::vector<std::string>& log) { return voteBlocks(log); }
};

TEST_F(VoteQueueTest, ASecondVoteOfTheDayWaitsUntilTheRunHandedTheFileHasEnded) {
    fakes.launcher.script({Fake::running()});
    vote(0, " 1- 2");
    ASSERT_EQ(fakes.launcher.starts.size(), 1u);
    EXPECT_TRUE(fakes.launcher.starts[0].lockPassed);
    vote(1, " 3- 4");
    // The run may not have read the file yet: it stays as it was handed over.
    EXPECT_EQ(fakes.launcher.starts.size(), 1u);
    EXPECT_EQ(voteFile(), line(10, "01-02") + "\r\n");
    EXPECT_FALSE(model->session().tohyoDone(1));
    EXPECT_EQ(status().text, "投票待ち[東京11R]:投票プラグインの終了を待っています");
    model->VoteQueueTimerTimer();
    EXPECT_EQ(fakes.launcher.starts.size(), 1u);

    fakes.launcher.end(0, Fake::exits(0));
    model->VoteQueueTimerTimer();
    ASSERT_EQ(fakes.launcher.starts.size(), 2u);
    EXPECT_EQ(voteFile(), line(11, "03-04") + "\r\n");
    EXPECT_TRUE(model->session().tohyoDone(0));
    EXPECT_TRUE(model->session().tohyoDone(1));
    EXPECT_EQ(blocks(logFile()), (std::vector<VoteBlock>{{"[東京10R]投票実行", {line(10, "01-02")}},
                                                         {"[東京11R]投票実行", {line(11, "03-04")}}}));
}

TEST_F(VoteQueueTest, AnotherProgramsLockKeepsTheVoteWaitingBeforeItsFileIsWritten) {
    fakes.launcher.holdLocksElsewhere(true);
    vote(1, " 3- 4");
    EXPECT_EQ(voteFile(), "(none)");
    EXPECT_TRUE(fakes.launcher.starts.empty());
    EXPECT_FALSE(model->session().tohyoDone(1));
    EXPECT_TRUE(blocks(logFile()).empty());
    EXPECT_EQ(status().text, "投票待ち[東京11R]:他のプログラムの投票の終了を待っています");
    fakes.launcher.holdLocksElsewhere(false);
    model->VoteQueueTimerTimer();
    ASSERT_EQ(fakes.launcher.starts.size(), 1u);
    EXPECT_TRUE(fakes.launcher.starts[0].lockPassed);
    EXPECT_TRUE(model->session().tohyoDone(1));
    EXPECT_EQ(status().text, "[東京11R]投票実行 15:30:00");
}

TEST_F(VoteQueueTest, AWaitingVoteIsRefusedWhenItsPostTimePasses) {
    fakes.launcher.script({Fake::running()});
    vote(0, " 1- 2");
    vote(1, " 3- 4");
    automaticVote(1, " 5- 6");
    const std::size_t messages = fakes.dialogs.informations.size();
    fakes.clock.set(DateTime{2024, 5, 26, 15, 41, 0});
    model->VoteQueueTimerTimer();
    const std::string text = "[東京11R]の投票を待つ間に発走時刻を過ぎたため、投票を取りやめました。";
    // The manual vote says so in a message, both in the day log.
    ASSERT_EQ(fakes.dialogs.informations.size(), messages + 1);
    EXPECT_EQ(fakes.dialogs.informations.back(), text);
    EXPECT_EQ(logTail(2), (std::vector<std::string>(2, "[投票不可]15:41:00 " + text)));
    EXPECT_EQ(fakes.launcher.starts.size(), 1u);
    EXPECT_FALSE(model->session().tohyoDone(1));
    EXPECT_EQ(voteFile(), line(10, "01-02") + "\r\n");
    EXPECT_EQ(status().color, 0xFF0000u);
}

TEST_F(VoteQueueTest, VotesOfOneRaceGoInTurnAndAnAutomaticOneStopsOnceTheRaceIsVoted) {
    for (bool dupOK : {false, true}) {
        restart();
        model->setOption(MainOption::DupOK, dupOK ? 1 : 0);
        const std::size_t first = fakes.launcher.runCount();
        fakes.launcher.script({Fake::running()});
        vote(1, " 3- 4");
        vote(1, " 5- 6");
        automaticVote(1, " 7- 8");
        fakes.launcher.end(first, Fake::exits(0));
        model->VoteQueueTimerTimer();  // the second manual vote
        model->VoteQueueTimerTimer();  // its run has ended: the automatic vote's turn
        const std::size_t started = fakes.launcher.starts.size() - first;
        EXPECT_EQ(started, dupOK ? 3u : 2u) << dupOK;
        EXPECT_EQ(voteFile(), line(11, dupOK ? "07-08" : "05-06") + "\r\n") << dupOK;
        if (!dupOK) {
            EXPECT_EQ(logTail(1), (std::vector<std::string>{"[投票不可]15:30:00 [東京11R]は投票を待つ間に投票済みと"
                                                            "なったため、自動投票を取りやめました。"}));
        }
    }
}

TEST_F(VoteQueueTest, APlugInThatEndsBadlyIsRecordedAndItsRaceStaysVoted) {
    const struct {
        PluginRunState end;
        const char* status;
    } cases[] = {{Fake::exits(1), "終了コード1"}, {Fake::killedBy(9), "シグナル9"}, {Fake::exits(0), nullptr}};
    for (const auto& c : cases) {
        fakes.launcher.script({Fake::running()});
        vote(1, " 3- 4");
        const std::size_t errors = model->errorLog().lines().size();
        const std::size_t logLines = model->state().autoNaviList.size();
        fakes.launcher.end(fakes.launcher.runCount() - 1, c.end);
        model->VoteQueueTimerTimer();
        EXPECT_TRUE(model->session().tohyoDone(1));
        if (!c.status) {
            EXPECT_EQ(model->state().autoNaviList.size(), logLines);
            EXPECT_EQ(model->errorLog().lines().size(), errors);
            continue;
        }
        const std::string text = std::string("投票プラグインが異常終了しました(") + c.status + ")";
        EXPECT_EQ(logTail(1), (std::vector<std::string>{"[エラー]15:30:00 " + text + "[東京11R]"}));
        EXPECT_EQ(model->errorLog().lines().back(), "【エラー】15:30:00：" + text + "[東京11R]");
        EXPECT_EQ(status().text, "[エラー]15:30:00 " + text + "[東京11R]");
        EXPECT_EQ(status().color, 0xFF0000u);
    }
}

TEST_F(VoteQueueTest, TheBlockIsOnTheDiskBeforeThePlugInStarts) {
    bool looked = false;
    fakes.launcher.onStart = [&](const Fake::Start&) {
        looked = true;
        EXPECT_EQ(voteFile(), line(11, "03-04") + "\r\n");
        EXPECT_EQ(blocks(logFile()), (std::vector<VoteBlock>{{"[東京11R]投票実行", {line(11, "03-04")}}}));
    };
    vote(1, " 3- 4");
    EXPECT_TRUE(looked);
}

TEST_F(VoteQueueTest, ADayLogThatCannotBeWrittenStopsTheVoteBeforeThePlugIn) {
    const std::string log = folder.file("log/20240526.log");
    std::filesystem::rename(log, log + ".kept");
    std::filesystem::create_directory(log);
    vote(1, " 3- 4");
    EXPECT_TRUE(fakes.launcher.starts.empty());
    EXPECT_FALSE(model->session().tohyoDone(1));
    ASSERT_FALSE(fakes.dialogs.errors.empty());
    std::filesystem::remove(log);
    std::filesystem::rename(log + ".kept", log);
    // The block was taken back: no later save writes it.
    model->appendDayLog({"-----"});
    EXPECT_TRUE(blocks(logFile()).empty());
    EXPECT_EQ(logTail(1), (std::vector<std::string>{"-----"}));
}

TEST_F(VoteQueueTest, ARestartKeepsTheRacesVotedButNotAVoteWhoseStartFailed) {
    vote(1, " 3- 4");
    ASSERT_TRUE(model->session().tohyoDone(1));
    restart();
    EXPECT_TRUE(model->session().tohyoDone(1));
    EXPECT_FALSE(model->session().tohyoDone(0));
    fakes.launcher.refuseWith("No such file or directory");
    vote(0, " 1- 2");
    EXPECT_FALSE(model->session().tohyoDone(0));
    restart();
    EXPECT_FALSE(model->session().tohyoDone(0));
    EXPECT_TRUE(model->session().tohyoDone(1));
}

TEST_F(VoteQueueTest, AnAdvanceVoteInThePreviousDaysLogIsRestored) {
    fakes.clock.set(DateTime{2024, 5, 25, 20, 0, 0});
    restart();
    vote(1, " 3- 4");
    ASSERT_TRUE(fileExists(folder.file("log/20240525.log")));
    fakes.clock.set(DateTime{2024, 5, 26, 9, 0, 0});
    restart();
    EXPECT_TRUE(model->session().tohyoDone(1));
    EXPECT_FALSE(model->session().tohyoDone(0));
}

TEST_F(VoteQueueTest, ClosingGivesUpAWaitingVoteWithALine) {
    fakes.launcher.script({Fake::running()});
    vote(0, " 1- 2");
    vote(1, " 3- 4");
    model->closeRequest(model->state().placement);
    EXPECT_EQ(fakes.launcher.starts.size(), 1u);
    const auto log = logFile();
    auto at = std::find(log.begin(), log.end(),
                        "[投票不可]15:30:00 [東京11R]の投票は前の投票の終了を待ちきれなかったため、取りやめました。");
    ASSERT_NE(at, log.end());
    EXPECT_TRUE(std::find(at, log.end(), "■利用終了 2024/05/26 15:30:00") != log.end());
}

}  // namespace
}  // namespace marovix::vote_queue_handlers_test
