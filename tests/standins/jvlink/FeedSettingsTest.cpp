#include "standins/jvlink/FeedSettings.h"

#include <gtest/gtest.h>

#include <optional>

#include "core/common/TextFile.h"
#include "standins/jvlink/FeedJvLink.h"
#include "tests/support/CliProcess.h"
#include "tests/support/EnvironmentGuard.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FeedFolderBuilder.h"
#include "tests/support/TempFolder.h"

namespace marovix::feed_settings_test {
namespace {

TEST(FeedSettings, FolderComesFromOwnVariableThenXdgThenHomeThenAppData) {
    // Folders in the system's own separators, as a user's variables hold them.
    const std::string appData = nativePath("/users/u/AppData/Roaming");
    const struct {
        std::optional<std::string> own, xdg, home, appData;
        std::string expected;
    } cases[] = {
        {"/cfg/own", "/xdg", "/home/u", appData, "/cfg/own"},
        {std::nullopt, nativePath("/xdg"), "/home/u", appData, nativePath("/xdg/marovix-jvlink")},
        {"", "", nativePath("/home/u"), appData, nativePath("/home/u/.config/marovix-jvlink")},
        {std::nullopt, std::nullopt, std::nullopt, appData, nativePath("/users/u/AppData/Roaming/marovix-jvlink")},
        {std::nullopt, std::nullopt, std::nullopt, std::nullopt, ""},
    };
    for (const auto& c : cases) {
        EnvironmentGuard own("MAROVIX_JVLINK_CONFIG", c.own), xdg("XDG_CONFIG_HOME", c.xdg), home("HOME", c.home),
            roaming("APPDATA", c.appData);
        EXPECT_EQ(FeedSettings::defaultFolder(), c.expected);
    }
}

TEST(FeedSettings, SavesAndLoadsTheFeedFolder) {
    TempFolder temp;
    std::string folder = temp.file("deep/config");
    EXPECT_EQ(FeedSettings::load(folder).feedFolder, "");
    ASSERT_TRUE((FeedSettings{"/data/feed 2024"}).save(folder).ok());
    auto bytes = readFileBytes(folder + "/jvlink-standin.ini");
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ(*bytes, "[Feed]\r\nFeedFolder=/data/feed 2024\r\n");
    EXPECT_EQ(FeedSettings::load(folder).feedFolder, "/data/feed 2024");
}

TEST(FeedSettings, ReadsKeysInAnyCaseAndSkipsComments) {
    TempFolder temp;
    ASSERT_TRUE(
        replaceFile(temp.file("jvlink-standin.ini"), "; mine\n[feed]\nOther=1\n feedfolder =  /srv/feed  \n").ok());
    EXPECT_EQ(FeedSettings::load(temp.path()).feedFolder, "/srv/feed");
    EXPECT_FALSE((FeedSettings{"x"}).save("").ok());
}

TEST(FeedSettings, StandInServesTheFolderOfItsSettings) {
    TempFolder temp;
    EnvironmentGuard own("MAROVIX_JVLINK_CONFIG", temp.file("config"));
    FeedFolderBuilder feed(temp.file("feed"));
    feed.addStoredFile("20240106093000", "RA", {"RA\r\n"});
    ASSERT_TRUE((FeedSettings{feed.folder()}).save().ok());

    FakeClock clock{DateTime{2024, 1, 7}};
    FeedJvLink link(clock);
    EXPECT_EQ(link.feedFolder(), feed.folder());
    ASSERT_EQ(link.JVInit("MAROVIX"), 0);
    int reads = 0, downloads = 0;
    std::string stamp;
    EXPECT_EQ(link.JVOpen("RACEMING", "20240101000000", 1, reads, downloads, stamp), 0);
    EXPECT_EQ(reads, 1);
}

TEST(StandinCommand, SetsTheFeedFolderAndSaysWhatIsWrongWithIt) {
    TempFolder settings;
    TempFolder feedFolder;
    EnvironmentGuard own("MAROVIX_JVLINK_CONFIG", settings.path());
    FeedFolderBuilder feed(feedFolder.path());
    feed.setFaults("JVRead -402 afer 25\n");
    CliProcess run({"standin", "--feed", feedFolder.path()});
    EXPECT_EQ(run.wait(), 0) << run.err();
    EXPECT_EQ(run.out(), "settings: " + settings.file("jvlink-standin.ini") + "\nfeed: " + feedFolder.path() + "\n");
    EXPECT_EQ(run.err(), "JV-Link stand-in: " + feedFolder.file("faults.txt") +
                             " line 1: JVRead -402 afer 25  (not a rule; ignored)\n");

    CliProcess missing({"standin", "--feed", feedFolder.file("missing")});
    EXPECT_EQ(missing.wait(), 0) << missing.err();
    EXPECT_EQ(missing.err(), "JV-Link stand-in: " + feedFolder.file("missing") +
                                 ": the feed folder does not exist; no data is served\n");
}

}  // namespace
}  // namespace marovix::feed_settings_test
