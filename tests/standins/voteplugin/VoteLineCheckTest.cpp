#include "standins/voteplugin/VoteLineCheck.h"

#include <gtest/gtest.h>

namespace marovix::vote_line_check_test {
namespace {

TEST(VoteLineCheck, AcceptsWellFormedLinesOfEveryBetType) {
    const struct {
        const char* line;
        std::int64_t stake;
    } cases[] = {
        {"20250301,06,11,TAN,NORMAL,100,07,", 100},          {"20240229,01,01,FUKU,NORMAL,2500,18,", 2500},
        {"20250301,10,12,WAKU,NORMAL,100,1-8,", 100},        {"20250301,06,11,WAKU,NORMAL,100,8-8,", 100},
        {"20250301,06,11,UMAFUKU,NORMAL,300,01-08,", 300},   {"20250301,06,11,WIDE,NORMAL,100,17-18,", 100},
        {"20250301,06,11,UMATAN,NORMAL,100,18-17,", 100},    {"20250301,06,11,SANFUKU,NORMAL,100,01-02-18,", 100},
        {"20250301,06,11,SANTAN,NORMAL,100,10-01-02,", 100},
    };
    for (const auto& c : cases) {
        VoteLineVerdict verdict = checkVoteLine(c.line);
        EXPECT_TRUE(verdict.accepted) << c.line << ": " << verdict.reason;
        EXPECT_EQ(verdict.stake, c.stake) << c.line;
    }
}

TEST(VoteLineCheck, RefusesEachFaultWithItsReason) {
    const struct {
        const char* line;
        const char* reason;  // a part of the reason given
    } cases[] = {
        {"20250301,06,11,TAN,NORMAL,100,", "項目の数が7ではありません(6項目)"},
        {"20250301,06,11,TAN,NORMAL,100,07,x,", "(8項目)"},
        {"20250301,06,11,TAN,NORMAL,100,07", "行末がカンマではありません"},
        {"", "行末がカンマではありません"},
        {"20250230,06,11,TAN,NORMAL,100,07,", "日付"},
        {"2025031,06,11,TAN,NORMAL,100,07,", "日付"},
        {"20250301,11,11,TAN,NORMAL,100,07,", "場コード"},
        {"20250301,6,11,TAN,NORMAL,100,07,", "場コード"},
        {"20250301,06,13,TAN,NORMAL,100,07,", "レース番号"},
        {"20250301,06,00,TAN,NORMAL,100,07,", "レース番号"},
        {"20250301,06,11,UMAREN,NORMAL,100,01-02,", "馬券種コード"},
        {"20250301,06,11,tan,NORMAL,100,07,", "馬券種コード"},
        {"20250301,06,11,TAN,FORMATION,100,07,", "NORMAL"},
        {"20250301,06,11,TAN,NORMAL,150,07,", "100円単位"},
        {"20250301,06,11,TAN,NORMAL,0,07,", "100円単位"},
        {"20250301,06,11,TAN,NORMAL,-100,07,", "購入金額"},
        {"20250301,06,11,TAN,NORMAL, 100,07,", "購入金額"},
        {"20250301,06,11,TAN,NORMAL,1000000000000000,07,", "購入金額"},
        {"20250301,06,11,TAN,NORMAL,100,7,", "2桁"},
        {"20250301,06,11,TAN,NORMAL,100,19,", "範囲外"},
        {"20250301,06,11,UMAFUKU,NORMAL,100,01-19,", "範囲外"},
        {"20250301,06,11,UMAFUKU,NORMAL,100,00-01,", "範囲外"},
        {"20250301,06,11,UMAFUKU,NORMAL,100,02-01,", "小さい順"},
        {"20250301,06,11,UMAFUKU,NORMAL,100,03-03,", "重なって"},
        {"20250301,06,11,UMAFUKU,NORMAL,100,01-02-03,", "組番の数"},
        {"20250301,06,11,WAKU,NORMAL,100,01-02,", "1桁"},
        {"20250301,06,11,WAKU,NORMAL,100,1-9,", "範囲外"},
        {"20250301,06,11,WAKU,NORMAL,100,3-2,", "小さい順"},
        {"20250301,06,11,UMATAN,NORMAL,100,05-05,", "重なって"},
        {"20250301,06,11,SANFUKU,NORMAL,100,01-03-02,", "小さい順"},
        {"20250301,06,11,SANTAN,NORMAL,100,01-02-01,", "重なって"},
        {"20250301,06,11,SANTAN,NORMAL,100,01-02,", "組番の数"},
        {"20250301,06,11,SANTAN,NORMAL,100,01--02,", "2桁"},
    };
    for (const auto& c : cases) {
        VoteLineVerdict verdict = checkVoteLine(c.line);
        EXPECT_FALSE(verdict.accepted) << c.line;
        EXPECT_NE(verdict.reason.find(c.reason), std::string::npos) << c.line << ": " << verdict.reason;
        EXPECT_EQ(verdict.stake, 0) << c.line;
    }
}

}  // namespace
}  // namespace marovix::vote_line_check_test
