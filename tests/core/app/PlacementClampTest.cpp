#include "core/app/PlacementClamp.h"

#include <gtest/gtest.h>

#include <climits>

namespace marovix::placement_clamp_test {
namespace {

std::string text(const WindowPlacement& p) {
    return std::to_string(p.top) + "," + std::to_string(p.left) + "," + std::to_string(p.width) + "," +
           std::to_string(p.height);
}

TEST(PlacementClamp, BringsAWindowOffEveryScreenOntoTheAvailableArea) {
    const ScreenArea screen{0, 30, 1920, 1050};  // a task bar above
    const struct {
        WindowPlacement stored;  // top, left, width, height
        WindowPlacement expected;
    } cases[] = {
        {{10, 10, 1100, 750}, {30, 10, 1100, 750}},             // the default, under the task bar
        {{40, 60, 900, 640}, {40, 60, 900, 640}},               // inside: unchanged
        {{-99999, 10, 1100, 999999999}, {30, 10, 1100, 1050}},  // the values
        {{400, 5000, 800, 600}, {400, 1120, 800, 600}},         // right of the screen
        {{2000, -3000, 800, 600}, {480, 0, 800, 600}},          // below and left of it
        {{40, 60, 0, -5}, {40, 60, 100, 100}},                  // no size at all
        {{INT_MIN, INT_MAX, INT_MAX, INT_MIN}, {30, 0, 1920, 100}},
    };
    for (const auto& c : cases) EXPECT_EQ(text(clampPlacement(c.stored, screen)), text(c.expected)) << text(c.stored);
}

TEST(PlacementClamp, KeepsTheWindowOnASecondScreenAndFitsASmallScreen) {
    const ScreenArea right{1920, 0, 1280, 1024};
    EXPECT_EQ(text(clampPlacement({100, 2000, 1100, 750}, right)), text({100, 2000, 1100, 750}));
    EXPECT_EQ(text(clampPlacement({100, 100, 1100, 750}, right)), text({100, 1920, 1100, 750}));
    const ScreenArea tiny{0, 0, 80, 60};
    EXPECT_EQ(text(clampPlacement({10, 10, 1100, 750}, tiny)), text({0, 0, 80, 60}));
}

}  // namespace
}  // namespace marovix::placement_clamp_test
