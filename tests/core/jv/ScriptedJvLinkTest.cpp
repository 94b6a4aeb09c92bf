#include "tests/support/ScriptedJvLink.h"

#include <gtest/gtest.h>

namespace marovix::scripted_jv_link_test {
namespace {

TEST(ScriptedJvLink, ReturnsQueuedResultsThenQuietDefaultsAndRecordsTheCalls) {
    ScriptedJvLink jv;
    jv.queueOpen({0, 2, 1, "20240106093000"});
    jv.queueStatus({0, 1});
    jv.queueFile({"RA1\r\n", "RA2\r\n"});
    jv.queueReadCodes({-3, -402});
    jv.queueClose(-201);

    int reads = 0, downloads = 0;
    std::string stamp, record, fileName;
    EXPECT_EQ(jv.JVInit("MAROVIX"), 0);
    EXPECT_EQ(jv.JVOpen("RACEMING", "20240101000000", 3, reads, downloads, stamp), 0);
    EXPECT_EQ(reads, 2);
    EXPECT_EQ(downloads, 1);
    EXPECT_EQ(stamp, "20240106093000");
    EXPECT_EQ(jv.JVStatus(), 0);
    EXPECT_EQ(jv.JVStatus(), 1);
    EXPECT_EQ(jv.JVStatus(), 1);  // the last status repeats
    EXPECT_EQ(jv.JVRead(record, 100000, fileName), 5);
    EXPECT_EQ(record, "RA1\r\n");
    EXPECT_EQ(jv.JVRead(record, 100000, fileName), 5);
    EXPECT_EQ(jv.JVRead(record, 100000, fileName), -1);
    EXPECT_EQ(jv.JVRead(record, 100000, fileName), -3);
    EXPECT_EQ(jv.JVRead(record, 60000, fileName), -402);
    EXPECT_EQ(jv.JVRead(record, 60000, fileName), 0);
    EXPECT_EQ(jv.JVClose(), -201);
    EXPECT_EQ(jv.JVClose(), 0);
    EXPECT_EQ(jv.JVOpen("RACEMING", "20240101000000", 1, reads, downloads, stamp), -1);
    EXPECT_EQ(jv.JVRTOpen("0B30", "2024010606010211"), -1);

    EXPECT_EQ(jv.callCount("JVRead"), 6);
    auto texts = jv.callTexts();
    ASSERT_EQ(texts.size(), 15u);
    EXPECT_EQ(texts[0], "JVInit MAROVIX");
    EXPECT_EQ(texts[1], "JVOpen RACEMING 20240101000000 3");
    EXPECT_EQ(texts[5], "JVRead 100000");
    EXPECT_EQ(texts[14], "JVRTOpen 0B30 2024010606010211");
}

TEST(ScriptedJvLink, RunsAnActionAtTheChosenReadBeforeItReturns) {
    ScriptedJvLink jv;
    jv.queueFile({"RA1\r\n", "RA2\r\n", "RA3\r\n"});
    bool cancelled = false;
    jv.atRead(2, [&] {
        cancelled = true;
        jv.JVCancel();
    });
    std::string record, fileName;
    int handled = 0;
    while (!cancelled && jv.JVRead(record, 100000, fileName) > 0) ++handled;
    EXPECT_EQ(handled, 2);  // the record in hand when the cancel came is still handled
    EXPECT_EQ(jv.callTexts(), (std::vector<std::string>{"JVRead 100000", "JVRead 100000", "JVCancel"}));
    EXPECT_EQ(jv.readsLeft(), 2u);
}

}  // namespace
}  // namespace marovix::scripted_jv_link_test
