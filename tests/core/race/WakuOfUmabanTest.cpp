// The bracket of a horse under the registered-runner count.
#include "core/race/WakuOfUmaban.h"

#include <gtest/gtest.h>

#include <vector>

namespace marovix::waku_of_umaban_test {
namespace {

std::vector<int> bracketsOf(int registered) {
    std::vector<int> brackets;
    for (int horse = 1; horse <= registered; ++horse) brackets.push_back(WakuOfUmaban(registered, horse));
    return brackets;
}

TEST(WakuOfUmaban, PublishedBracketsOfFullAndSmallFields) {
    struct Case {
        int registered;
        std::vector<int> brackets;
    };
    const Case cases[] = {
        {18, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 7, 8, 8, 8}},
        {17, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 8}},
        {16, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8}},
        {10, {1, 2, 3, 4, 5, 6, 7, 7, 8, 8}},
        {9, {1, 2, 3, 4, 5, 6, 7, 8, 8}},
        {8, {1, 2, 3, 4, 5, 6, 7, 8}},
        {5, {1, 2, 3, 4, 5}},
        {1, {1}},
    };
    for (const Case& c : cases) EXPECT_EQ(bracketsOf(c.registered), c.brackets) << c.registered << " runners";
    EXPECT_EQ(WakuOfUmaban(18, 15), 7);
    EXPECT_EQ(WakuOfUmaban(18, 16), 8);
    EXPECT_EQ(WakuOfUmaban(17, 15), 8);
}

// Every field of 9..18: brackets 1..8 in horse order, each holding registered / 8 horses or one more,
// the fuller brackets last.
TEST(WakuOfUmaban, EveryLargeFieldFillsTheBracketsInOrderWithTheFullerOnesLast) {
    for (int registered = 9; registered <= 18; ++registered) {
        std::vector<int> sizes(9, 0);
        int previous = 1;
        for (int bracket : bracketsOf(registered)) {
            ASSERT_TRUE(bracket == previous || bracket == previous + 1) << registered;
            ++sizes[static_cast<std::size_t>(bracket)];
            previous = bracket;
        }
        const int small = registered / 8;
        const int larger = registered % 8;
        for (int bracket = 1; bracket <= 8; ++bracket)
            EXPECT_EQ(sizes[static_cast<std::size_t>(bracket)], bracket > 8 - larger ? small + 1 : small)
                << registered << " runners, bracket " << bracket;
    }
}

TEST(WakuOfUmaban, NoBracketOutsideTheField) {
    EXPECT_EQ(WakuOfUmaban(18, 0), 0);
    EXPECT_EQ(WakuOfUmaban(18, 19), 0);
    EXPECT_EQ(WakuOfUmaban(10, 11), 0);
    EXPECT_EQ(WakuOfUmaban(0, 1), 0);
    EXPECT_EQ(WakuOfUmaban(19, 1), 0);
    EXPECT_EQ(WakuOfUmaban(-3, -1), 0);
}

}  // namespace
}  // namespace marovix::waku_of_umaban_test
