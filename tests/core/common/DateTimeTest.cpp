#include "core/common/DateTime.h"

#include <gtest/gtest.h>

namespace marovix::date_time_test {

TEST(DateTime, FormatsAndParses) {
    DateTime t{2024, 1, 6, 9, 5, 3};
    EXPECT_EQ(t.slashText(), "2024/01/06 09:05:03");
    EXPECT_EQ(t.compactText(), "20240106090503");
    EXPECT_EQ(t.dayText(), "2024年01月06日");
    EXPECT_EQ(DateTime::parseSlash("2024/01/06 09:05:03"), t);
    EXPECT_EQ(DateTime::parseCompact("20240106090503"), t);
    EXPECT_FALSE(DateTime::parseSlash("2024/02/30 00:00:00"));
    EXPECT_FALSE(DateTime::parseCompact("2024010"));
}

TEST(DateTime, ArithmeticCrossesMonthsAndLeapDays) {
    EXPECT_EQ(DateTime({2024, 3, 1}).addDays(-1).day, 29);
    EXPECT_EQ(DateTime({2024, 12, 10, 10}).addDays(-365), (DateTime{2023, 12, 11, 10}));
    EXPECT_EQ(DateTime({2024, 1, 6}).isoWeekday(), 6);  // a Saturday
}

}  // namespace marovix::date_time_test
