#pragma once
// A main model in a temporary application folder with the fakes' ports, its automatic-operation host and
// the scheduler over it: the common part of the tests that step a fake clock through a race day.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/app/MainAutoHost.h"
#include "core/app/MainModel.h"
#include "core/auto/Scheduler.h"
#include "core/vote/VotePluginFiles.h"
#include "tests/support/AutoDay.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/support/TempFolder.h"

namespace marovix {

class AutoFixture : public ::testing::Test {
protected:
    TempFolder folder;
    FakeMainPorts fakes;
    std::unique_ptr<MainModel> model;
    std::unique_ptr<MainAutoHost> host;
    std::unique_ptr<Scheduler> scheduler;

    // A new main model on the folder (created), with a new host and scheduler; the old ones go first.
    void makeModel() {
        scheduler.reset();
        host.reset();
        model = std::make_unique<MainModel>(folder.path(), folder.path() + "/share", fakes.ports());
        ASSERT_TRUE(model->create());
        host = std::make_unique<MainAutoHost>(*model);
        scheduler = std::make_unique<Scheduler>(*host);
    }
    void stepTo(const DateTime& last) { marovix::stepTo(fakes.clock, *scheduler, last); }
    std::vector<std::string> rtOpens() const { return marovix::rtOpens(fakes.jvLink); }
    // The plug-in starts that hand over a vote file (the balance queries before target races left out).
    std::vector<FakeVotePluginLauncher::Start> voteStarts() const {
        std::vector<FakeVotePluginLauncher::Start> votes;
        for (const auto& start : fakes.launcher.starts)
            if (start.parameter != BalanceQueryParameter) votes.push_back(start);
        return votes;
    }
};

}  // namespace marovix
