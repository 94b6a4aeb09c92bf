#include "standins/jvlink/FeedJvLink.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/common/Cp932.h"
#include "core/common/TextFile.h"
#include "standins/jvlink/FeedLayout.h"
#include "standins/records/RecordBuilder.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FeedFolderBuilder.h"
#include "tests/support/TempFolder.h"

namespace marovix::feed_jv_link_test {
namespace {

const std::string kRaceKey = "2024010606010211";  // Nakayama, 1st meeting, 2nd day, race 11
const std::string kDayKey = "20240106";

std::string raRecord(int race) {
    return RecordBuilder("RA")
        .text(3, "7")
        .text(12, kDayKey)
        .text(20, "06")
        .text(22, "0102")
        .number(26, 2, race)
        .record();
}

std::string seRecord(int race, int horse, std::string_view name) {
    return RecordBuilder("SE")
        .text(3, "7")
        .text(12, kDayKey)
        .text(20, "06")
        .text(22, "0102")
        .number(26, 2, race)
        .number(29, 2, horse)
        .field(41, 36, name)
        .record();
}

std::string o1Record(int race, int odds) {
    return RecordBuilder("O1")
        .text(3, "1")
        .text(12, kDayKey)
        .text(20, "06")
        .text(22, "0102")
        .number(26, 2, race)
        .number(44, 4, odds)
        .record();
}

// What a read loop sees: records as their bytes, every other result as "#code".
std::vector<std::string> readToEnd(JvLink& link, int limit = 1000) {
    std::vector<std::string> seen;
    for (int i = 0; i < limit; ++i) {
        std::string record, fileName;
        int r = link.JVRead(record, 100000, fileName);
        if (r > 0) {
            EXPECT_EQ(static_cast<std::size_t>(r), record.size());
            seen.push_back(record);
            continue;
        }
        seen.push_back("#" + std::to_string(r));
        if (r == 0 || r < -3) break;
    }
    return seen;
}

std::vector<std::string> concat(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> out;
    for (auto& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

struct OpenOutcome {
    int result;
    int readCount;
    int downloadCount;
    std::string lastFileTimestamp;
};

class FeedJvLinkTest : public ::testing::Test {
protected:
    // A budget of one byte: each status call fetches one file, so the tests watch the count rise file by
    // file (the byte budget itself is tested on its own below).
    FeedJvLinkTest() : feed(folder.path()), link(clock, folder.path()) { link.setStatusByteBudget(1); }

    OpenOutcome open(const std::string& fromTime, int option = 1, const std::string& dataspec = "RACEMING") {
        OpenOutcome out{};
        out.result = link.JVOpen(dataspec, fromTime, option, out.readCount, out.downloadCount, out.lastFileTimestamp);
        return out;
    }

    // Three stored files: one older than the usual from-time, two newer ones.
    void layOutStoredFiles() {
        feed.addStoredFile("20240104180000", "RA0105", {raRecord(1)});
        feed.addStoredFile("20240105180000", "RA0106", {raRecord(1), raRecord(2)});
        feed.addStoredFile("20240105183000", "SE0106", {seRecord(1, 1, "キタサンソウル"), seRecord(1, 2, "ハヤテ")});
    }

    TempFolder folder;
    FeedFolderBuilder feed;
    FakeClock clock{DateTime{2024, 1, 6, 15, 0, 0}};
    FeedJvLink link;
};

TEST_F(FeedJvLinkTest, OpenDoesNotOfferFilesStampedAfterTheClock) {
    layOutStoredFiles();
    feed.addStoredFile("20240106180000", "HR0106", {raRecord(3)});  // tonight's results
    ASSERT_EQ(link.JVInit("MAROVIX"), 0);
    OpenOutcome o = open("20240104180000");
    EXPECT_EQ(o.readCount, 2);
    EXPECT_EQ(o.lastFileTimestamp, "20240105183000");
    ASSERT_EQ(link.JVClose(), 0);
    clock.set(DateTime{2024, 1, 6, 18, 0, 0});
    EXPECT_EQ(open("20240105183000").readCount, 1);
}

TEST_F(FeedJvLinkTest, OpenOffersFilesNewerThanFromTimeWithCountsAndLastTimestamp) {
    layOutStoredFiles();
    ASSERT_EQ(link.JVInit("MAROVIX"), 0);
    OpenOutcome o = open("20240104180000");
    EXPECT_EQ(o.result, 0);
    EXPECT_EQ(o.readCount, 2);
    EXPECT_EQ(o.downloadCount, 2);
    EXPECT_EQ(o.lastFileTimestamp, "20240105183000");

    // The simulated download fetches one file per status call (under the fixture's budget) and stops at the
    // download count.
    EXPECT_EQ(link.JVStatus(), 1);
    EXPECT_EQ(link.JVStatus(), 2);
    EXPECT_EQ(link.JVStatus(), 2);

    EXPECT_EQ(readToEnd(link), concat({{raRecord(1), raRecord(2), "#-1"},
                                       {seRecord(1, 1, "キタサンソウル"), seRecord(1, 2, "ハヤテ"), "#-1"},
                                       {"#0"}}));
    std::string record, fileName;
    EXPECT_EQ(link.JVRead(record, 100000, fileName), 0);
    EXPECT_EQ(link.JVClose(), 0);
}

TEST_F(FeedJvLinkTest, AStatusCallFetchesTheFilesInTurnThatFitItsByteBudget) {
    // Four files of 2 x 1272, 1272, 555 and 3 x 1272 bytes.
    feed.addStoredFile("20240105180000", "RA1", {raRecord(1), raRecord(2)});
    feed.addStoredFile("20240105181000", "RA2", {raRecord(3)});
    feed.addStoredFile("20240105182000", "SE", {seRecord(1, 1, "イチ")});
    feed.addStoredFile("20240105183000", "RA3", {raRecord(4), raRecord(5), raRecord(6)});
    ASSERT_EQ(link.JVInit("MAROVIX"), 0);
    const struct {
        std::uint64_t budget;
        std::vector<int> counts;  // what the status calls give in turn
    } cases[] = {
        {FeedJvLink::kStatusByteBudget, {4, 4}},  // a local feed is fetched at once
        {3 * 1272, {2, 3, 4}},                    // 2544 + 1272 fit; 555 + 3816 do not
        {1272, {1, 2, 3, 4}},                     // a file above the budget still goes, alone
        {0, {1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        FeedJvLink fresh(clock, folder.path());
        ASSERT_EQ(fresh.JVInit("MAROVIX"), 0);
        fresh.setStatusByteBudget(c.budget);
        int reads = 0, downloads = 0;
        std::string stamp;
        ASSERT_EQ(fresh.JVOpen("RACEMING", "20240101000000", 1, reads, downloads, stamp), 0);
        ASSERT_EQ(downloads, 4);
        std::vector<int> counts;
        for (std::size_t i = 0; i < c.counts.size(); ++i) counts.push_back(fresh.JVStatus());
        EXPECT_EQ(counts, c.counts) << "budget " << c.budget;
        EXPECT_EQ(readToEnd(fresh).size(), 2u + 1 + 1 + 1 + 1 + 1 + 3 + 1 + 1) << "budget " << c.budget;
    }
}

TEST_F(FeedJvLinkTest, UnderTheBudgetAReadStillWaitsForItsFileAndACancelStopsTheCount) {
    feed.addStoredFile("20240105180000", "RA1", {raRecord(1), raRecord(2)});
    feed.addStoredFile("20240105181000", "RA2", {raRecord(3)});
    feed.addStoredFile("20240105182000", "RA3", {raRecord(4)});
    link.setStatusByteBudget(2 * 1272);
    ASSERT_EQ(link.JVInit("MAROVIX"), 0);
    ASSERT_EQ(open("20240101000000").downloadCount, 3);
    std::string record, fileName;
    EXPECT_EQ(link.JVRead(record, 100000, fileName), -3);  // nothing fetched yet: that call fetches the first
    EXPECT_EQ(link.JVStatus(), 3);                         // the two others fit the budget
    EXPECT_EQ(link.JVCancel(), 0);
    EXPECT_EQ(link.JVStatus(), 3);
    EXPECT_EQ(link.JVRead(record, 100000, fileName), 0);

    OpenOutcome again = open("20240101000000");
    EXPECT_EQ(again.downloadCount, 0);  // all three were fetched before the cancel
    link.setStatusByteBudget(1);
    EXPECT_EQ(link.JVClose(), 0);
    feed.addStoredFile("20240105183000", "RA4", {raRecord(5)});
    feed.addStoredFile("20240105184000", "RA5", {raRecord(6)});
    ASSERT_EQ(open("20240101000000").downloadCount, 2);
    EXPECT_EQ(link.JVStatus(), 1);
    EXPECT_EQ(link.JVCancel(), 0);
    EXPECT_EQ(link.JVStatus(), 1);  // a cancelled download fetches nothing more
}

TEST_F(FeedJvLinkTest, FilesFetchedOnceAreReadAtOnceByALaterOpen) {
    layOutStoredFiles();
    ASSERT_EQ(link.JVInit("MAROVIX"), 0);
    ASSERT_EQ(open("20240105000000").downloadCount, 2);
    EXPECT_EQ(link.JVStatus(), 1);
    EXPECT_EQ(link.JVStatus(), 2);
    ASSERT_EQ(link.JVClose(), 0);

    OpenOutcome again = open("20240101000000", 3);
    EXPECT_EQ(again.result, 0);
    EXPECT_EQ(again.readCount, 3);
    EXPECT_EQ(again.downloadCount, 1);
    EXPECT_EQ(link.JVStatus(), 1);
    EXPECT_EQ(readToEnd(link).size(), 1u + 1 + 2 + 1 + 2 + 1 + 1);
}

TEST_F(FeedJvLinkTest, ReadBeforeTheDownloadReachesAFileAsksToCallAgain) {
    layOutStoredFiles();
    ASSERT_EQ(link.JVInit("MAROVIX"), 0);
    ASSERT_EQ(open("20240105000000").downloadCount, 2);
    std::string record, fileName;
    EXPECT_EQ(link.JVRead(record, 100000, fileName), -3);
    // That call fetched the file, so reading goes on; the status counts it.
    EXPECT_EQ(link.JVRead(record, 100000, fileName), 1272);
    EXPECT_EQ(fileName, "20240105180000_RA0106.jvf");
    EXPECT_EQ(link.JVStatus(), 2);
    EXPECT_EQ(readToEnd(link), concat({{raRecord(2), "#-1", seRecord(1, 1, "キタサンソウル")},
                                       {seRecord(1, 2, "ハヤテ"), "#-1", "#0"}}));
}

TEST_F(FeedJvLinkTest, StoredFilesAreOrderedByStampThenNameAndOddNamesIgnored) {
    feed.addStoredFile("20240106093000", "SE", {seRecord(1, 1, "B")});
    feed.addStoredFile("20240106093000", "RA", {raRecord(1)});
    feed.addStoredFile("20240106080000", "ZZ", {raRecord(3)});
    feed.writeFile("stored/2024010609300_short.jvf", raRecord(9));
    feed.writeFile("stored/20240106093000-dash.jvf", raRecord(9));
    feed.writeFile("stored/20240106093000_RA.txt", raRecord(9));
    feed.writeFile("stored/notes.jvf", raRecord(9));
    ASSERT_EQ(link.JVInit("MAROVIX"), 0);
    OpenOutcome o = open("20240101000000");
    EXPECT_EQ(o.readCount, 3);
    EXPECT_EQ(o.lastFileTimestamp, "20240106093000");
    while (link.JVStatus() < o.downloadCount) {
    }
    EXPECT_EQ(readToEnd(link), concat({{raRecord(3), "#-1", raRecord(1), "#-1", seRecord(1, 1, "B"), "#-1", "#0"}}));
}

TEST_F(FeedJvLinkTest, NothingNewerGivesMinusOneAndLeavesNothingOpen) {
    layOutStoredFiles();
    ASSERT_EQ(link.JVInit("MAROVIX"), 0);
    OpenOutcome o = open("20240105183000");  // equal to the newest stamp: not newer
    EXPECT_EQ(o.result, -1);
    EXPECT_EQ(o.readCount, 0);
    EXPECT_EQ(o.downloadCount, 0);
    EXPECT_EQ(o.lastFileTimestamp, "");
    EXPECT_EQ(link.JVClose(), 0);
    EXPECT_EQ(open("20240105183000").result, -1);  // not -202: nothing was opened
}

TEST(FeedJvLinkFolder, MissingOrUnsetFeedFolderInitialisesAndHasNothingNewer) {
    FakeClock clock{DateTime{2024, 1, 6, 12, 0, 0}};
    TempFolder folder;
    for (const std::string& feedFolder : {folder.file("missing"), folder.path(), std::string()}) {
        FeedJvLink link(clock, feedFolder);
        EXPECT_EQ(link.JVInit("MAROVIX"), 0) << feedFolder;
        int reads = 9, downloads = 9;
        std::string stamp = "x";
        EXPECT_EQ(link.JVOpen("RACEMING", "20230101000000", 1, reads, downloads, stamp), -1);
        EXPECT_EQ(reads, 0);
        EXPECT_EQ(downloads, 0);
        EXPECT_EQ(stamp, "");
        EXPECT_EQ(link.JVRTOpen("0B30", kRaceKey), -1);
        EXPECT_EQ(link.JVClose(), 0);
    }
}

TEST_F(FeedJvLinkTest, FeedProblemsAreReportedOnceWhileTheComponentServesAsBefore) {
    layOutStoredFiles();
    feed.addStoredFile("20240105993000", "RA0106", {raRecord(5)});  // hour 99
    feed.addStoredFile("2024010518000", "RA0106", {raRecord(6)});   // 13 digits
    feed.writeFile("stored/20240105190000-RA.jvf", raRecord(7));
    feed.writeFile("stored/notes.txt", "not the feed's business");
    feed.addSnapshot("0B30", kRaceKey, "20240106140000", {o1Record(11, 35)});
    feed.addSnapshot("0B30", kRaceKey, "20240106139900", {o1Record(11, 40)});  // minute 99
    feed.setFaults("JVRead -402 afer\njvread -1\nJVClose -1 after 5\n");
    const std::string stored = folder.file("stored/");
    const std::string faults = folder.file("faults.txt");
    const std::vector<std::string> expected = {
        faults + " line 1: JVRead -402 afer  (not a rule; ignored)",
        faults + " line 2: jvread -1  (not a rule; ignored)",
        stored + "2024010518000_RA0106.jvf: the name is not yyyymmddhhnnss_NAME.jvf; not served",
        stored + "20240105190000-RA.jvf: the name is not yyyymmddhhnnss_NAME.jvf; not served",
        stored + "20240105993000_RA0106.jvf: the stamp 20240105993000 is no real moment; not served",
        folder.file("realtime/0B30/" + kRaceKey +
                    "/20240106139900.jvf: the stamp 20240106139900 is no real moment; not served"),
    };
    std::vector<std::string> told;
    link.setProblemReporter([&](const std::string& problem) { told.push_back(problem); });

    ASSERT_EQ(link.JVInit("MAROVIX"), 0);
    EXPECT_EQ(link.problems(), std::vector<std::string>(expected.begin(), expected.begin() + 2));
    for (int round = 0; round < 2; ++round) {
        OpenOutcome o = open("20240101000000");
        EXPECT_EQ(o.result, 0);
        EXPECT_EQ(o.readCount, 3) << "only the files of real moments are offered";
        EXPECT_EQ(o.lastFileTimestamp, "20240105183000");
        ASSERT_EQ(link.JVClose(), 0);
        ASSERT_EQ(link.JVRTOpen("0B30", kRaceKey), 0);
        EXPECT_EQ(readToEnd(link), concat({{o1Record(11, 35), "#-1", "#0"}}));
        ASSERT_EQ(link.JVClose(), 0);
    }
    EXPECT_EQ(link.problems(), expected);
    EXPECT_EQ(told, expected) << "each told once";
    EXPECT_EQ(feedlayout::inspectFeed(folder.path()), expected) << "the same found without serving";
}

TEST_F(FeedJvLinkTest, LineLongerThanAnyRecordIsRefusedWithoutStoppingTheFile) {
    // The longest record (H6) is 102890 bytes with its CR LF.
    const std::string longest = std::string(102888, 'Y') + "\r\n";
    feed.writeFile("stored/20240105180000_RA.jvf", raRecord(1) + std::string(102889, 'X') + "\r\n" + longest +
                                                       std::string(3000000, 'Z') + "\n" + raRecord(2));
    std::vector<std::string> told;
    link.setProblemReporter([&](const std::string& problem) { told.push_back(problem); });
    ASSERT_EQ(link.JVInit("MAROVIX"), 0);
    ASSERT_EQ(open("20240101000000").readCount, 1);
    ASSERT_EQ(link.JVStatus(), 1);
    std::vector<std::string> seen;
    std::string record, fileName;
    for (int r = -1, i = 0; r != 0 && i < 20; ++i) {
        r = link.JVRead(record, 110000, fileName);
        seen.push_back(r > 0 ? record : "#" + std::to_string(r));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{raRecord(1), "#-403", longest, "#-403", raRecord(2), "#-1", "#0"}));
    const std::string path = folder.file("stored/20240105180000_RA.jvf");
    EXPECT_EQ(told, (std::vector<std::string>{
                        path + " line 2: longer than any record (102890 bytes with its CR LF); JVRead gives -403",
                        path + " line 4: longer than any record (102890 bytes with its CR LF); JVRead gives -403"}));
}

TEST(FeedJvLinkFolder, MissingOrUnchosenFeedFolderIsReported) {
    FakeClock clock{DateTime{2024, 1, 6, 12, 0, 0}};
    TempFolder folder;
    ASSERT_TRUE(replaceFile(folder.file("file"), "x").ok());
    const std::pair<std::string, std::string> cases[] = {
        {folder.file("missing"), folder.file("missing") + ": the feed folder does not exist; no data is served"},
        {folder.file("file"), folder.file("file") + ": not a folder; no data is served"},
        {"", "no feed folder is chosen; no data is served"},
    };
    for (const auto& [feedFolder, problem] : cases) {
        FeedJvLink link(clock, feedFolder);
        std::vector<std::string> told;
        link.setProblemReporter([&](const std::string& text) { told.push_back(text); });
        EXPECT_EQ(link.JVInit("MAROVIX"), 0);
        int reads = 0, downloads = 0;
        std::string stamp;
        EXPECT_EQ(link.JVOpen("RACEMING", "20230101000000", 1, reads, downloads, stamp), -1)
            << "nothing newer, as before";
        EXPECT_EQ(told, std::vector<std::string>{problem});
        EXPECT_EQ(feedlayout::inspectFeed(feedFolder), std::vector<std::string>{problem});
    }
}

TEST(FeedLayout, RealtimeFoldersThatAreNeverServedAreNamed) {
    TempFolder folder;
    FeedFolderBuilder feed(folder.path());
    feed.addSnapshot("0B31", kRaceKey, "20240106140000", {o1Record(11, 35)});
    feed.addSnapshot("0B30", kDayKey, "20240106140000", {o1Record(11, 35)});
    feed.addSnapshot("0B12", kDayKey, "20240106140000", {raRecord(1)});
    ASSERT_TRUE(makeDirectory(folder.file("faults.txt")).ok());
    EXPECT_EQ(feedlayout::inspectFeed(folder.path()),
              (std::vector<std::string>{folder.file("faults.txt") + ": ファイルではなくフォルダです; no rule applies",
                                        folder.file("realtime/0B30/" + kDayKey) + ": no key of 0B30; not served",
                                        folder.file("realtime/0B31") + ": no real-time dataspec; not served"}));
}

TEST_F(FeedJvLinkTest, EveryCallBeforeInitGivesMinus201) {
    layOutStoredFiles();
    std::string record, fileName;
    EXPECT_EQ(open("20240101000000").result, -201);
    EXPECT_EQ(link.JVStatus(), -201);
    EXPECT_EQ(link.JVRTOpen("0B30", kRaceKey), -201);
    EXPECT_EQ(link.JVRead(record, 100000, fileName), -201);
    EXPECT_EQ(link.JVCancel(), -201);
    EXPECT_EQ(link.JVClose(), -201);
    EXPECT_EQ(link.JVSetUIProperties(), -201);
    EXPECT_TRUE(link.isInstalled());
}

TEST_F(FeedJvLinkTest, InitChecksTheSoftwareId) {
    const struct {
        std::string id;
        int expected;
    } cases[] = {
        {"", -101}, {std::string(64, 'A'), -102}, {" MAROVIX", -103}, {std::string(63, 'A'), 0}, {"MAROVIX/1.18", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(FeedJvLink(clock, folder.path()).JVInit(c.id), c.expected) << c.id;
}

TEST_F(FeedJvLinkTest, OneStreamAtATime) {
    layOutStoredFiles();
    feed.addSnapshot("0B30", kRaceKey, "20240106140000", {o1Record(11, 35)});
    ASSERT_EQ(link.JVInit("MAROVIX"), 0);
    std::string record, fileName;
    EXPECT_EQ(link.JVRead(record, 100000, fileName), -203);
    EXPECT_EQ(link.JVStatus(), -203);

    ASSERT_EQ(open("20240101000000").result, 0);
    EXPECT_EQ(open("20240101000000").result, -202);
    EXPECT_EQ(link.JVRTOpen("0B30", kRaceKey), -202);
    ASSERT_EQ(link.JVClose(), 0);

    ASSERT_EQ(link.JVRTOpen("0B30", kRaceKey), 0);
    EXPECT_EQ(link.JVStatus(), -203);  // status belongs to stored data
    EXPECT_EQ(open("20240101000000").result, -202);
    ASSERT_EQ(link.JVClose(), 0);
    EXPECT_EQ(link.JVRead(record, 100000, fileName), -203);
    EXPECT_EQ(link.JVClose(), 0);
}

TEST_F(FeedJvLinkTest, BadArgumentsGiveJvLinksCodes) {
    layOutStoredFiles();
    ASSERT_EQ(link.JVInit("MAROVIX"), 0);
    const struct {
        std::string dataspec;
        std::string fromTime;
        int option;
        int expected;
    } opens[] = {
        {"RACEMING", "20240101000000", 1, 0},     {"RACE", "20240101000000", 3, 0},
        {"MINGRACE", "20240101000000", 1, 0},     {"TOKU", "20240101000000", 1, -111},
        {"RACEMINGX", "20240101000000", 1, -111}, {"RACERACE", "20240101000000", 1, -111},
        {"", "20240101000000", 1, -111},          {"0B30", "20240101000000", 1, -111},
        {"RACEMING", "2024010100000", 1, -112},   {"RACEMING", "20241301000000", 1, -112},
        {"RACEMING", "20240101250000", 1, -112},  {"RACEMING", "2024/01/01 00:", 1, -112},
        {"RACEMING", "20240101", 1, -112},        {"RACEMING", "20240101000000", 2, -115},
        {"RACEMING", "20240101000000", 4, -115},  {"RACEMING", "20240101000000", 0, -115},
    };
    for (const auto& c : opens) {
        EXPECT_EQ(open(c.fromTime, c.option, c.dataspec).result, c.expected) << c.dataspec << " " << c.fromTime;
        EXPECT_EQ(link.JVClose(), 0);
    }
    const struct {
        std::string dataspec;
        std::string key;
        int expected;
    } realtime[] = {
        {"0B99", kRaceKey, -111}, {"RACEMING", kDayKey, -111}, {"0b30", kRaceKey, -111},   {"0B30", kDayKey, -114},
        {"0B13", kRaceKey, -114}, {"0B17", "2024010", -114},   {"0B14", "2024010a", -114}, {"0B12", "", -114},
        {"0B12", kDayKey, -1},    {"0B12", kRaceKey, -1},      {"0B14", kDayKey, -1},
    };
    for (const auto& c : realtime) {
        EXPECT_EQ(link.JVRTOpen(c.dataspec, c.key), c.expected) << c.dataspec << " " << c.key;
        EXPECT_EQ(link.JVClose(), 0);
    }
}

TEST_F(FeedJvLinkTest, CancelStopsTheDownloadAndTheReading) {
    layOutStoredFiles();
    ASSERT_EQ(link.JVInit("MAROVIX"), 0);
    ASSERT_EQ(open("20240105000000").downloadCount, 2);
    EXPECT_EQ(link.JVStatus(), 1);
    EXPECT_EQ(link.JVCancel(), 0);
    EXPECT_EQ(link.JVStatus(), 1);
    std::string record, fileName;
    EXPECT_EQ(link.JVRead(record, 100000, fileName), 0);

    // The program does not close after a cancel during the download; the next open still works, and the
    // file fetched before the cancel is not fetched again.
    OpenOutcome again = open("20240105000000");
    EXPECT_EQ(again.result, 0);
    EXPECT_EQ(again.downloadCount, 1);
    EXPECT_EQ(link.JVStatus(), 1);
    EXPECT_EQ(link.JVRead(record, 100000, fileName), 1272);
    EXPECT_EQ(link.JVCancel(), 0);
    EXPECT_EQ(link.JVRead(record, 100000, fileName), 0);
    EXPECT_EQ(link.JVClose(), 0);
    EXPECT_EQ(link.JVCancel(), 0);  // nothing open: nothing to stop
}

TEST_F(FeedJvLinkTest, RecordsAreServedByteExact) {
    std::string se = seRecord(3, 18, "ソウルフル表示");  // trail bytes 0x5C in "ソ" and "表"
    std::string o6 =
        RecordBuilder("O6").text(12, kDayKey).text(20, "06").number(26, 2, 11).bytes(40, "\x81\x9b").record();
    feed.addStoredFile("20240106100000", "SE", {se, o6});
    // A file whose last line lacks its line end, and one with a bare LF line end and an empty line.
    std::string ra = raRecord(5);
    feed.writeFile("stored/20240106110000_RA.jvf", ra.substr(0, ra.size() - 2));
    std::string ra6 = raRecord(6);
    feed.writeFile("stored/20240106120000_LF.jvf", ra6.substr(0, ra6.size() - 2) + "\n\r\n" + ra);
    ASSERT_EQ(link.JVInit("MAROVIX"), 0);
    ASSERT_EQ(open("20240106000000").downloadCount, 3);
    while (link.JVStatus() < 3) {
    }

    std::string record, fileName;
    ASSERT_EQ(link.JVRead(record, 100000, fileName), 555);
    EXPECT_EQ(record, se);
    EXPECT_EQ(cp932ToUtf8(record.substr(40, 14)), "ソウルフル表示");
    EXPECT_EQ(record.substr(record.size() - 2), "\r\n");
    ASSERT_EQ(link.JVRead(record, 100000, fileName), 83285);
    EXPECT_EQ(record, o6);
    EXPECT_EQ(readToEnd(link), concat({{"#-1", ra, "#-1", ra6, ra, "#-1", "#0"}}));
}

TEST_F(FeedJvLinkTest, RealtimeServesTheLatestSnapshotNotLaterThanTheClock) {
    feed.addSnapshot("0B30", kRaceKey, "20240106145000", {o1Record(11, 35)});
    feed.addSnapshot("0B30", kRaceKey, "20240106152000", {o1Record(11, 28), o1Record(11, 28)});
    feed.writeFile("realtime/0B30/" + kRaceKey + "/latest.jvf", o1Record(11, 99));
    feed.writeFile("realtime/0B30/" + kRaceKey + "/20240106150000.txt", o1Record(11, 99));
    feed.writeFile("realtime/0B30/" + kRaceKey + "/20240106150000_x.jvf", o1Record(11, 99));
    ASSERT_EQ(link.JVInit("MAROVIX"), 0);

    const struct {
        DateTime now;
        std::vector<std::string> expected;  // empty: no snapshot yet
    } cases[] = {
        {{2024, 1, 6, 14, 49, 59}, {}},
        {{2024, 1, 6, 14, 50, 0}, {o1Record(11, 35), "#-1", "#0"}},
        {{2024, 1, 6, 15, 19, 59}, {o1Record(11, 35), "#-1", "#0"}},
        {{2024, 1, 6, 15, 20, 0}, {o1Record(11, 28), o1Record(11, 28), "#-1", "#0"}},
        {{2024, 1, 7, 9, 0, 0}, {o1Record(11, 28), o1Record(11, 28), "#-1", "#0"}},
    };
    for (const auto& c : cases) {
        clock.set(c.now);
        int r = link.JVRTOpen("0B30", kRaceKey);
        if (c.expected.empty()) {
            EXPECT_EQ(r, -1) << c.now.slashText();
        } else {
            EXPECT_EQ(r, 0) << c.now.slashText();
            EXPECT_EQ(readToEnd(link), c.expected) << c.now.slashText();
        }
        EXPECT_EQ(link.JVClose(), 0);
    }
}

TEST_F(FeedJvLinkTest, RealtimeKeysSelectTheirOwnFolders) {
    feed.addSnapshot("0B12", kDayKey, "20240106120000", {raRecord(1)});
    feed.addSnapshot("0B12", kRaceKey, "20240106120000", {raRecord(11)});
    ASSERT_EQ(link.JVInit("MAROVIX"), 0);
    ASSERT_EQ(link.JVRTOpen("0B12", kDayKey), 0);
    std::string record, fileName;
    EXPECT_EQ(link.JVRead(record, 60000, fileName), 1272);
    EXPECT_EQ(record, raRecord(1));
    EXPECT_EQ(fileName, "20240106120000.jvf");
    ASSERT_EQ(link.JVClose(), 0);
    ASSERT_EQ(link.JVRTOpen("0B12", kRaceKey), 0);
    EXPECT_EQ(readToEnd(link), concat({{raRecord(11), "#-1", "#0"}}));
    ASSERT_EQ(link.JVClose(), 0);
    EXPECT_EQ(link.JVRTOpen("0B13", kDayKey), -1);
}

TEST_F(FeedJvLinkTest, FaultRulesMakeCallsFail) {
    layOutStoredFiles();
    feed.addSnapshot("0B30", kRaceKey, "20240106140000", {o1Record(11, 35)});
    feed.addSnapshot("0B12", kDayKey, "20240106140000", {raRecord(1)});
    feed.setFaults(
        "# failures on purpose\n"
        "JVRead -402 after 3   # three records, then an error\n"
        "JVRTOpen -504 0B30\r\n"
        "JVClose -999 0B12\n"
        "JVStatus -502 after 1\n");
    ASSERT_EQ(link.JVInit("MAROVIX"), 0);
    EXPECT_TRUE(link.faultProblems().empty());

    ASSERT_EQ(open("20240104180000").result, 0);
    EXPECT_EQ(link.JVStatus(), 1);
    EXPECT_EQ(link.JVStatus(), -502);
    EXPECT_EQ(link.JVStatus(), -502);
    ASSERT_EQ(link.JVClose(), 0);

    // The counts of JVRead and JVStatus start again with each open.
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(open("20240104180000").result, 0);
        EXPECT_EQ(link.JVStatus(), round == 0 ? 1 : 0);  // the second time every file is fetched
        EXPECT_EQ(link.JVStatus(), -502);
        EXPECT_EQ(readToEnd(link),
                  concat({{raRecord(1), raRecord(2), "#-1", seRecord(1, 1, "キタサンソウル"), "#-402"}}));
        ASSERT_EQ(link.JVClose(), 0);
    }

    EXPECT_EQ(link.JVRTOpen("0B30", kRaceKey), -504);
    EXPECT_EQ(link.JVClose(), 0);
    ASSERT_EQ(link.JVRTOpen("0B12", kDayKey), 0);
    EXPECT_EQ(link.JVClose(), -999);
    // The failed close still ended the stream.
    EXPECT_EQ(link.JVRTOpen("0B12", kDayKey), 0);
}

TEST_F(FeedJvLinkTest, FaultsFileIsReadAgainAtEachOpenAndCountsCallsSinceItChanged) {
    layOutStoredFiles();
    ASSERT_EQ(link.JVInit("MAROVIX"), 0);
    ASSERT_EQ(open("20240104000000").result, 0);
    ASSERT_EQ(link.JVClose(), 0);

    feed.setFaults("JVOpen -504 after 1\nJVOpen bad\nJVReed -1\n");
    ASSERT_EQ(open("20240104000000").result, 0);
    EXPECT_EQ(link.faultProblems(), (std::vector<std::string>{"line 2: JVOpen bad", "line 3: JVReed -1"}));
    ASSERT_EQ(link.JVClose(), 0);
    EXPECT_EQ(open("20240104000000").result, -504);
    EXPECT_EQ(open("20240104000000").result, -504);

    feed.setFaults("");
    EXPECT_EQ(open("20240104000000").result, 0);
}

TEST_F(FeedJvLinkTest, SettingsDialogHookAndInitFaults) {
    feed.setFaults("JVSetUIProperties -100 after 2\n");
    ASSERT_EQ(link.JVInit("MAROVIX"), 0);
    EXPECT_EQ(link.JVSetUIProperties(), 0);
    link.setSettingsDialog([&](FeedJvLink& self) {
        self.setFeedFolder(folder.file("other"));
        return 0;
    });
    EXPECT_EQ(link.JVSetUIProperties(), 0);
    EXPECT_EQ(link.feedFolder(), folder.file("other"));
    EXPECT_EQ(link.JVSetUIProperties(), -100);

    feed.setFaults("JVInit -301\n");
    FeedJvLink failing(clock, folder.path());
    EXPECT_EQ(failing.JVInit("MAROVIX"), -301);
    EXPECT_EQ(failing.JVClose(), -201);
}

}  // namespace
}  // namespace marovix::feed_jv_link_test
