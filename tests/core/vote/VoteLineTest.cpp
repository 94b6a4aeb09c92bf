#include "core/vote/VoteLine.h"

#include <gtest/gtest.h>

#include "core/race/RecordKeys.h"
#include "tests/support/DownloadRecords.h"

namespace marovix::vote_line_test {
namespace {

// The key of race 11 at course 06 on 1 March 2025, cut from its race record.
std::string raceKey() { return std::string(RaceKey16(raRecord(RaceId{"20250301", "06", 11}))); }

TEST(VoteLine, WritesEveryBetTypeWithItsCodeAndCombinationForm) {
    const struct {
        VoteRow row;
        const char* line;
    } cases[] = {
        {{"単勝", " 7", "   100"}, "20250301,06,11,TAN,NORMAL,100,07,"},
        {{"複勝", "18", "  1200"}, "20250301,06,11,FUKU,NORMAL,1200,18,"},
        {{"枠連", " 1- 8", "   300"}, "20250301,06,11,WAKU,NORMAL,300,1-8,"},
        {{"枠連", " 8- 8", "   100"}, "20250301,06,11,WAKU,NORMAL,100,8-8,"},
        {{"馬連", " 1- 8", "   500"}, "20250301,06,11,UMAFUKU,NORMAL,500,01-08,"},
        {{"ワイド", "10-12", "   100"}, "20250301,06,11,WIDE,NORMAL,100,10-12,"},
        {{"馬単", "12- 3", "   200"}, "20250301,06,11,UMATAN,NORMAL,200,12-03,"},
        {{"３連複", " 1- 2-18", "   100"}, "20250301,06,11,SANFUKU,NORMAL,100,01-02-18,"},
        {{"３連単", " 3-11- 7", "   100"}, "20250301,06,11,SANTAN,NORMAL,100,03-11-07,"},
    };
    for (const auto& c : cases) {
        auto line = VoteLine(raceKey(), c.row);
        ASSERT_TRUE(line.ok()) << c.row.betType << ": " << line.error();
        EXPECT_EQ(*line, c.line);
    }
}

TEST(VoteLine, QuinellaCodeIsUmafukuAndOnlyTheEightNamesHaveCodes) {
    EXPECT_EQ(VoteTypeCode("馬連"), "UMAFUKU");
    EXPECT_EQ(VoteTypeCode("３連単"), "SANTAN");
    EXPECT_FALSE(VoteTypeCode("3連単").has_value());  // half-width 3
    EXPECT_FALSE(VoteTypeCode("馬券").has_value());
    EXPECT_FALSE(VoteTypeCode("").has_value());
}

TEST(VoteLine, RefusesRowsThatCannotMakeAWellFormedLine) {
    const struct {
        VoteRow row;
        const char* why;
    } cases[] = {
        {{"3連単", " 3-11- 7", "100"}, "unknown bet type"},
        {{"馬連", "1-2", "100"}, "number without its leading blank"},
        {{"馬連", " 1 - 2", "100"}, "blank in place of the dash"},
        {{"馬連", " 1- 2- 3", "100"}, "three numbers for a pair"},
        {{"単勝", " 1- 2", "100"}, "pair for a win"},
        {{"枠連", " 1- 9", "100"}, "bracket 9"},
        {{"３連単", " 3-19- 7", "100"}, "horse 19"},
        {{"単勝", " 0", "100"}, "horse 0"},
        {{"単勝", " 7", "1,000"}, "stake not digits"},
        {{"単勝", " 7", "   "}, "blank stake"},
    };
    for (const auto& c : cases) EXPECT_FALSE(VoteLine(raceKey(), c.row).ok()) << c.why;
    EXPECT_FALSE(VoteLine("2025030106", {"単勝", " 7", "100"}).ok()) << "short race key";
}

TEST(VoteLine, LinesKeepRowOrderAndABadRowGivesNoLinesButNamesTheRow) {
    std::vector<VoteRow> rows = {{"３連単", "10- 1- 2", "100"}, {"３連単", " 1-10- 2", "200"}};
    auto lines = VoteLines(raceKey(), rows);
    ASSERT_TRUE(lines.ok());
    EXPECT_EQ(*lines, (std::vector<std::string>{"20250301,06,11,SANTAN,NORMAL,100,10-01-02,",
                                                "20250301,06,11,SANTAN,NORMAL,200,01-10-02,"}));
    rows.push_back({"馬連", "1-2", "100"});
    auto bad = VoteLines(raceKey(), rows);
    ASSERT_FALSE(bad.ok());
    EXPECT_EQ(bad.error().rfind("3行目", 0), 0u) << bad.error();
}

}  // namespace
}  // namespace marovix::vote_line_test
