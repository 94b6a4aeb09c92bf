#include "core/common/WindowNotices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marovix::window_notices_test {
namespace {

enum class Part { Lists, Grid, Labels, Count };

class WindowNoticesTest : public ::testing::Test {
protected:
    WindowNotices<Part> notices;
    std::vector<Part> heard;
    WindowNotices<Part>::Subscription subscription = notices.subscribe([this](Part part) { heard.push_back(part); });
};

TEST_F(WindowNoticesTest, AHandlerTellsEachChangedPartOnceAtItsEndInTheOrderTheyFirstChanged) {
    notices.run([&] {
        notices.changed(Part::Labels);
        notices.changed(Part::Grid);
        notices.changed(Part::Labels);
        EXPECT_TRUE(heard.empty());
        EXPECT_TRUE(notices.busy());
    });
    EXPECT_EQ(heard, (std::vector<Part>{Part::Labels, Part::Grid}));
    EXPECT_FALSE(notices.busy());
}

TEST_F(WindowNoticesTest, OutsideAHandlerAChangeIsToldAtOnce) {
    notices.changed(Part::Grid);
    notices.changed(Part::Grid);
    EXPECT_EQ(heard, (std::vector<Part>{Part::Grid, Part::Grid}));
}

TEST_F(WindowNoticesTest, AHandlerEnteredWhileAnotherRunsIsRefused) {
    bool inner = false;
    const bool outer = notices.run([&] {
        EXPECT_FALSE(notices.run([&] { inner = true; }));  // an event let through by a long operation
        notices.changed(Part::Lists);
    });
    EXPECT_TRUE(outer);
    EXPECT_FALSE(inner);
    EXPECT_EQ(heard, std::vector<Part>{Part::Lists});
}

TEST_F(WindowNoticesTest, AJoinedStepSendsWithTheHandlerAndAFlushSendsEarly) {
    notices.run([&] {
        notices.join([&] { notices.changed(Part::Grid); });
        EXPECT_TRUE(heard.empty());
        notices.flush();  // before letting events run: the view shows the progress
        EXPECT_EQ(heard, std::vector<Part>{Part::Grid});
        notices.changed(Part::Grid);
    });
    EXPECT_EQ(heard, (std::vector<Part>{Part::Grid, Part::Grid}));
    notices.join([&] { notices.changed(Part::Labels); });  // on its own, a handler of its own
    EXPECT_EQ(heard.back(), Part::Labels);
}

}  // namespace
}  // namespace marovix::window_notices_test
