// The amount line of a vote's day-log block: the stake total label read whole, whatever its size.
#include <gtest/gtest.h>

#include "core/vote/VoteCommand.h"

namespace marovix::vote_log_amount_test {
namespace {

TEST(VoteLogAmountTest, TheStakeTotalIsWrittenWholeAlsoAboveTheRangeOf32BitIntegers) {
    const std::pair<const char*, const char*> cases[] = {
        {"   800", "■投票金額:    800"},
        {"3000000000", "■投票金額:3000000000"},
        {"", "■投票金額:      0"},
    };
    for (auto [label, line] : cases) {
        VoteInputs inputs;
        inputs.raceEntry = "東京11R";
        inputs.stakeTotal = label;
        const std::vector<std::string> block = voteLogBlock(inputs, {});
        ASSERT_GE(block.size(), 4u);
        EXPECT_EQ(block[3], line) << label;
    }
}

}  // namespace
}  // namespace marovix::vote_log_amount_test
