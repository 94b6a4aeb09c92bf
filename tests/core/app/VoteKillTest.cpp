// A vote killed after any step of its hand-over leaves either no vote and no day-log block, or a block
// for every vote the plug-in placed: the program runs in a child process that stops dead (as kill -9
// would) after the step, with the real launcher and a plug-in script that records what it placed.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "core/vote/VoteQueue.h"
#include "platform/PosixVotePluginLauncher.h"
#include "tests/support/MainModelTestAccess.h"
#include "tests/support/RecordingPlugIn.h"
#include "tests/support/VoteDay.h"

namespace marovix::vote_kill_test {
namespace {

class VoteKillTest : public VoteDayTest {
protected:
    void SetUp() override {
        VoteDayTest::SetUp();
        ASSERT_TRUE(installRecordingPlugIn(plugin, placedPath()).ok());
        launcher = &m_real;
        restart();
    }
    std::string placedPath() const { return folder.file("placed.txt"); }
    // The vote lines of each vote block of the day log file.
    std::vector<std::vector<std::string>> logged() {
        std::vector<std::vector<std::string>> votes;
        for (const auto& [entry, lines] : voteBlocks(logFile())) votes.push_back(lines);
        return votes;
    }

    PosixVotePluginLauncher m_real;
};

TEST_F(VoteKillTest, AKillAfterAnyStepLeavesNoVoteOrABlockForEveryPlacedVote) {
    const struct {
        std::optional<VoteStep> kill;
        bool file, block, placed;
    } cases[] = {
        {VoteStep::Checked, false, false, false},
        {VoteStep::Locked, false, false, false},
        {VoteStep::FileWritten, true, false, false},
        {VoteStep::Logged, true, true, false},
        {VoteStep::Started, true, true, true},
        {VoteStep::Marked, true, true, true},
        {std::nullopt, true, true, true},
    };
    const std::string voteLine = "20240526,05,11,UMAFUKU,NORMAL,500,03-04,";
    for (const auto& c : cases) {
        const std::string name = c.kill ? std::to_string(static_cast<int>(*c.kill)) : "none";
        std::filesystem::remove(placedPath());
        std::filesystem::remove(plugin + "/kaime/240526.csv");
        std::filesystem::remove(folder.file("log/20240526.log"));
        restart();
        raceWithRow(1, " 3- 4");
        fakes.dialogs.setNextAnswer(true);
        MainModelTestAccess::voteQueue(*model).setStepHook([kill = c.kill](VoteStep done) {
            if (kill && done == *kill) ::_exit(0);  // stops dead: no destructor, no flush
        });
        const pid_t child = ::fork();
        if (child == 0) {
            model->TohyouBtnClick();
            ::_exit(0);
        }
        MainModelTestAccess::voteQueue(*model).setStepHook({});
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status)) << name;
        ASSERT_TRUE(awaitVoteLockFree(plugin)) << name;

        EXPECT_EQ(voteFile() != "(none)", c.file) << name;
        const auto blocks = logged();
        const auto votes = placedVotes(placedPath());
        EXPECT_EQ(blocks.size(), c.block ? 1u : 0u) << name;
        EXPECT_EQ(votes.size(), c.placed ? 1u : 0u) << name;
        // Whatever the step: every placed vote has its block, line for line.
        for (const auto& vote : votes) {
            EXPECT_EQ(vote, std::vector<std::string>{voteLine}) << name;
            EXPECT_TRUE(std::find(blocks.begin(), blocks.end(), vote) != blocks.end()) << name;
        }
        // A program started again sees the race voted exactly when a block says so.
        restart();
        EXPECT_EQ(model->session().tohyoDone(1), c.block) << name;
    }
}

}  // namespace
}  // namespace marovix::vote_kill_test
