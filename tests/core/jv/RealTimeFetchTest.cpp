// One real-time fetch through the scripted JV-Link: progress and error texts, beeps, the two close steps,
// error-log lines and the records it stores, for every operation.
#include "core/jv/RealTimeFetch.h"

#include <gtest/gtest.h>

#include "core/common/TextFile.h"
#include "core/jv/JvMessage.h"
#include "standins/records/RecordBuilder.h"
#include "tests/support/ChangeRecords.h"
#include "tests/support/DownloadRecords.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/ScriptedJvLink.h"
#include "tests/support/TempFolder.h"

namespace marovix::real_time_fetch_test {
namespace {

const std::string kRaceKey = "2024052605020805";
const std::string kDayKey = "20240526";
const std::string kLabel = "東京 5";  // Tokyo race 5
const RaceId kRace{"20240526", "05", 5};

class RealTimeFetchTest : public ::testing::Test {
protected:
    TempFolder folder;
    ScriptedJvLink jvLink;
    FakeDialogs dialogs;
    ReadCancelFlag cancelled;
    std::vector<std::string> statuses;
    std::vector<std::string> errorLog;
    int eventRuns = 0;

    FetchPorts ports(std::string dataFolder = {}) {
        return FetchPorts{jvLink,
                          dialogs,
                          cancelled,
                          dataFolder.empty() ? folder.path() : dataFolder,
                          folder.file("CHG"),
                          [this](const std::string& text) { statuses.push_back(text); },
                          [this](const std::string& text) { errorLog.push_back(text); },
                          [this] { ++eventRuns; }};
    }
    std::string data(const std::string& name) const { return folder.file(name); }
};

struct OperationCase {
    const char* name;
    FetchOperation operation;
    bool silent;
    const char* key;
    std::string progress;
    std::string errorTail;
    int openErrorBeeps;  // an open that fails, both closes 0
    int successBeeps;    // an open, a read to the end, both closes 0
};

const OperationCase kOperations[] = {
    {"quick odds", FetchOperation::QuickOdds, false, "0B30", kLabel + "オッズ取得中", "R:ｵｯｽﾞ取得エラー：", 1, 0},
    {"results", FetchOperation::Results, false, "0B12", "ﾚｰｽ情報データ取得中", "R:ﾚｰｽ情報データ取得エラー：", 3, 2},
    {"time-type mining", FetchOperation::TimeMining, false, "0B13", "DM取得中", "R:DMデータ取得エラー：", 3, 2},
    {"match-type mining", FetchOperation::MatchMining, false, "0B17", "対戦DM取得中", "R:DMデータ取得エラー：", 3, 2},
    {"silent time-type mining", FetchOperation::TimeMining, true, "0B13", "DM取得中", "R:DMデータ取得エラー：", 0, 0},
    {"silent match-type mining", FetchOperation::MatchMining, true, "0B17", "対戦DM取得中", "R:DMデータ取得エラー：", 0,
     0},
    {"odds over a list", FetchOperation::OddsList, false, "0B30", kLabel + "R ｵｯｽﾞ取得中", "R:", 1, 0},
    {"payouts over a list", FetchOperation::PayoutList, false, "0B12", kLabel + "R 結果取得中", "R:", 0, 0},
};

TEST_F(RealTimeFetchTest, AFailedOpenShowsTheRaceLabelTheTailAndTheMessageAndClosesTwice) {
    for (const OperationCase& c : kOperations) {
        jvLink = ScriptedJvLink{};
        dialogs = FakeDialogs{};
        statuses.clear();
        errorLog.clear();
        jvLink.queueRTOpen(-504);
        RealTimeFetcher fetcher(ports());
        fetcher.setSilent(c.silent);
        const FetchRun run = fetcher.run(c.operation, kRaceKey, kLabel);
        const std::string error = kLabel + c.errorTail + "サーバーがメンテナンス中です。(-504)";
        EXPECT_EQ(run.openResult, -504) << c.name;
        EXPECT_FALSE(run.readComplete()) << c.name;
        EXPECT_EQ(jvLink.callTexts(),
                  (std::vector<std::string>{"JVRTOpen " + std::string(c.key) + " " + kRaceKey, "JVClose", "JVClose"}))
            << c.name;
        // The label ends showing the error rather than being emptied, so the failure stays in sight.
        EXPECT_EQ(statuses, (std::vector<std::string>{c.progress, error, error})) << c.name;
        EXPECT_EQ(errorLog, std::vector<std::string>{error}) << c.name;
        EXPECT_EQ(fetcher.lastError(), error) << c.name;
        EXPECT_EQ(dialogs.beeps, c.openErrorBeeps) << c.name;
    }
}

TEST_F(RealTimeFetchTest, ASuccessfulFetchReadsToTheEndEmptiesTheLabelAndBeepsAtEachCloseWhereDue) {
    for (const OperationCase& c : kOperations) {
        jvLink = ScriptedJvLink{};
        dialogs = FakeDialogs{};
        statuses.clear();
        errorLog.clear();
        jvLink.queueRTOpen(0);
        jvLink.queueReadCodes({-1});  // then 0: the end
        RealTimeFetcher fetcher(ports());
        fetcher.setSilent(c.silent);
        const FetchRun run = fetcher.run(c.operation, kDayKey, kLabel);
        EXPECT_TRUE(run.readComplete()) << c.name;
        const std::string size =
            c.operation == FetchOperation::QuickOdds || c.operation == FetchOperation::OddsList ? "100000" : "60000";
        EXPECT_EQ(jvLink.callTexts(),
                  (std::vector<std::string>{"JVRTOpen " + std::string(c.key) + " " + kDayKey, "JVRead " + size,
                                            "JVRead " + size, "JVClose", "JVClose"}))
            << c.name;
        EXPECT_EQ(statuses, (std::vector<std::string>{c.progress, ""})) << c.name;
        EXPECT_TRUE(errorLog.empty()) << c.name;
        EXPECT_EQ(dialogs.beeps, c.successBeeps) << c.name;
    }
}

TEST_F(RealTimeFetchTest, CloseErrorsShowTheCloseMessageAndBeepOnlyForOdds) {
    struct Case {
        FetchOperation operation;
        int beeps;  // the first close fails (-201), the second succeeds
    };
    for (const Case c :
         {Case{FetchOperation::QuickOdds, 1}, Case{FetchOperation::OddsList, 1}, Case{FetchOperation::Results, 1},
          Case{FetchOperation::TimeMining, 1}, Case{FetchOperation::PayoutList, 0}}) {
        jvLink = ScriptedJvLink{};
        dialogs = FakeDialogs{};
        statuses.clear();
        errorLog.clear();
        jvLink.queueRTOpen(0);
        jvLink.queueClose(-201);
        RealTimeFetcher fetcher(ports());
        const FetchRun run = fetcher.run(c.operation, kRaceKey, kLabel);
        EXPECT_EQ(run.closeResult, -201);
        EXPECT_EQ(run.secondCloseResult, 0);
        EXPECT_EQ(errorLog, std::vector<std::string>{"(-201)"});
        EXPECT_EQ(statuses.back(), "(-201)");
        // A result or mining fetch beeps on its successful second close only.
        EXPECT_EQ(dialogs.beeps, c.beeps) << static_cast<int>(c.operation);
    }
}

TEST_F(RealTimeFetchTest, TheSecondCloseIsHandledLikeTheFirst) {
    jvLink.queueRTOpen(0);
    jvLink.queueClose(0);
    jvLink.queueClose(-999);
    RealTimeFetcher fetcher(ports());
    const FetchRun run = fetcher.run(FetchOperation::QuickOdds, kRaceKey, kLabel);
    EXPECT_TRUE(run.readComplete());
    EXPECT_EQ(run.secondCloseResult, -999);
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(statuses, (std::vector<std::string>{kLabel + "オッズ取得中", "", "(-999)"}));
    EXPECT_EQ(errorLog, std::vector<std::string>{"(-999)"});
}

TEST_F(RealTimeFetchTest, AReadErrorStopsTheReadAndIsShownAndLogged) {
    jvLink.queueRTOpen(0);
    jvLink.queueRead(ScriptedJvLink::ReadResult::data(oddsRecord("O1", kRace, '1')));
    jvLink.queueReadCodes({-402});
    jvLink.queueRead(ScriptedJvLink::ReadResult::data(oddsRecord("O2", kRace, '1')));
    RealTimeFetcher fetcher(ports());
    const FetchRun run = fetcher.run(FetchOperation::QuickOdds, kRaceKey, kLabel);
    const std::string error = JVMessage("JVRead", -402);
    EXPECT_EQ(run.readEnd, JvReadLoop::ReadEnd::Kind::Failed);
    EXPECT_FALSE(run.readComplete());
    EXPECT_EQ(run.recordsStored, 1);
    EXPECT_EQ(jvLink.readsLeft(), 1u);
    EXPECT_EQ(errorLog, std::vector<std::string>{error});
    EXPECT_EQ(statuses.back(), error);
    EXPECT_TRUE(fileExists(data("2024年05月26日.jvO1")));
    EXPECT_FALSE(fileExists(data("2024年05月26日.jvO2")));
}

TEST_F(RealTimeFetchTest, PendingEventsRunBeforeTheOpenBeforeEveryReadAndBeforeTheSecondClose) {
    jvLink.queueRTOpen(0);
    jvLink.queueFile({oddsRecord("O1", kRace, '1')});
    RealTimeFetcher fetcher(ports());
    fetcher.run(FetchOperation::QuickOdds, kRaceKey, kLabel);
    EXPECT_EQ(jvLink.callCount("JVRead"), 3);
    EXPECT_EQ(eventRuns, 1 + 3 + 1);
}

TEST_F(RealTimeFetchTest, ACancelLeftByADownloadDoesNotStopTheFetch) {
    cancelled.raise();  // a download was cancelled before
    jvLink.queueRTOpen(0);
    jvLink.queueFile({oddsRecord("O1", kRace, '1'), oddsRecord("O2", kRace, '1')});
    RealTimeFetcher fetcher(ports());
    const FetchRun run = fetcher.run(FetchOperation::QuickOdds, kRaceKey, kLabel);
    EXPECT_FALSE(cancelled.raised());
    EXPECT_TRUE(run.readComplete());
    EXPECT_EQ(run.recordsStored, 2);
}

TEST_F(RealTimeFetchTest, RaceAndRunnerRecordsGoOnlyIntoExistingFilesPayoutsCreateTheirs) {
    jvLink.queueRTOpen(0);
    jvLink.queueFile({raRecord(kRace), seRecord(kRace, 3), hrRecord(kRace, '1')});
    RealTimeFetcher fetcher(ports());
    EXPECT_EQ(fetcher.run(FetchOperation::Results, kDayKey, kLabel).recordsStored, 1);
    EXPECT_FALSE(fileExists(data("2024年05月26日.jvRA")));
    EXPECT_FALSE(fileExists(data("2024年05月26日東京.jvSEr")));
    auto hr = readRawLines(data("2024年05月26日.jvHR"));
    ASSERT_TRUE(hr.ok());
    ASSERT_EQ(hr->size(), 1u);
    EXPECT_EQ(hr->front().substr(2, 9), "120240101");  // data kind and creation date kept

    // With the day's files made by the download, the same records update them.
    ASSERT_TRUE(writeRawLines(data("2024年05月26日.jvRA"), {raRecord(kRace).substr(0, 1270)}).ok());
    ASSERT_TRUE(
        writeRawLines(data("2024年05月26日東京.jvSEr"), std::vector<std::string>(216, std::string(553, ' '))).ok());
    jvLink.queueRTOpen(0);
    jvLink.queueFile({raRecord(kRace, 16, '5'), seRecord(kRace, 3)});
    EXPECT_EQ(fetcher.run(FetchOperation::Results, kDayKey, kLabel).recordsStored, 2);
    auto ra = readRawLines(data("2024年05月26日.jvRA"));
    ASSERT_TRUE(ra.ok());
    ASSERT_EQ(ra->size(), 1u);
    EXPECT_EQ(ra->front().substr(2, 9), "000000000");
    auto se = readRawLines(data("2024年05月26日東京.jvSEr"));
    ASSERT_TRUE(se.ok());
    ASSERT_EQ(se->size(), 216u);
    EXPECT_EQ((*se)[4 * 18 + 2], seRecord(kRace, 3).substr(0, 553));  // race 5, horse 3; not zeroed
}

TEST_F(RealTimeFetchTest, ADayFileThatCannotBeWrittenStopsTheReadWithItsReason) {
    const std::string notAFolder = data("plain-file");
    ASSERT_TRUE(writeRawLines(notAFolder, {"x"}).ok());
    jvLink.queueRTOpen(0);
    jvLink.queueFile({oddsRecord("O1", kRace, '1'), oddsRecord("O2", kRace, '1')});
    RealTimeFetcher fetcher(ports(notAFolder));
    const FetchRun run = fetcher.run(FetchOperation::QuickOdds, kRaceKey, kLabel);
    EXPECT_TRUE(run.storeFailed);
    EXPECT_FALSE(run.readComplete());
    EXPECT_EQ(jvLink.callCount("JVRead"), 1);
    ASSERT_EQ(errorLog.size(), 1u);
    EXPECT_EQ(errorLog.front().rfind("データ保存エラー:", 0), 0u) << errorLog.front();
    EXPECT_EQ(statuses.back(), errorLog.front());
}

TEST_F(RealTimeFetchTest, CorruptRecordsAreSkippedAndNamedInTheErrorLog) {
    jvLink.queueRTOpen(0);
    std::vector<std::string> records(8, oddsRecord("O1", kRace, '1').substr(0, 300) + "\r\n");
    records.push_back(oddsRecord("O2", kRace, '1'));
    jvLink.queueFile(records);
    RealTimeFetcher fetcher(ports());
    const FetchRun run = fetcher.run(FetchOperation::OddsList, kRaceKey, kLabel);
    EXPECT_TRUE(run.readComplete());
    EXPECT_EQ(run.recordsStored, 1);
    EXPECT_EQ(run.recordsSkipped, 8);
    ASSERT_EQ(errorLog.size(), 6u);  // five named, the rest counted
    EXPECT_EQ(errorLog.front(),
              "0B30 " + kRaceKey +
                  ": 不正なレコードを読み飛ばしました。O1レコードのレコード長が不正です(改行を除き300バイト、"
                  "正しくは960バイト)");
    EXPECT_EQ(errorLog.back(), "0B30 " + kRaceKey + ": ほかに不正なレコードを3件読み飛ばしました。");
    // The fetch itself went well, and FetchStatusText says what it skipped.
    EXPECT_EQ(statuses.back(), kLabel + "R:不正レコード読み飛ばし:8件");
}

TEST_F(RealTimeFetchTest, AFetchThatSkippedRecordsSaysSoBehindItsErrorTailUnlessItFailed) {
    const std::string damaged = oddsRecord("O1", kRace, '1').substr(0, 500) + "\r\n";
    jvLink.queueRTOpen(0);
    jvLink.queueFile({damaged, oddsRecord("O2", kRace, '1')});
    RealTimeFetcher fetcher(ports());
    const FetchRun run = fetcher.run(FetchOperation::QuickOdds, kRaceKey, kLabel);
    EXPECT_TRUE(run.readComplete());
    EXPECT_EQ(run.recordsSkipped, 1);
    EXPECT_EQ(statuses.back(), kLabel + "R:ｵｯｽﾞ取得エラー：不正レコード読み飛ばし:1件");
    ASSERT_EQ(errorLog.size(), 1u);
    EXPECT_NE(errorLog.front().find("O1レコードのレコード長が不正です(改行を除き500バイト"), std::string::npos)
        << errorLog.front();

    // A read error is what the label keeps.
    errorLog.clear();
    RealTimeFetcher failing(ports());
    jvLink.queueRTOpen(0);
    jvLink.queueFile({damaged});
    jvLink.queueReadCodes({-402});
    failing.run(FetchOperation::QuickOdds, kRaceKey, kLabel);
    EXPECT_EQ(statuses.back(), JVMessage("JVRead", -402));
}

TEST_F(RealTimeFetchTest, TheChangeFetchClosesOnceBeepsAndWritesNothingToTheErrorLog) {
    // A failed open: a beep, the race label with the tail and the message, one close with its beep.
    jvLink.queueRTOpen(-504);
    RealTimeFetcher failing(ports());
    failing.run(FetchOperation::Changes, kDayKey, kLabel);
    const std::string error = kLabel + "R:開催速報データ取得エラー：" + JVMessage("JVRTOpen", -504);
    EXPECT_EQ(jvLink.callTexts(), (std::vector<std::string>{"JVRTOpen 0B14 " + kDayKey, "JVClose"}));
    EXPECT_EQ(statuses, (std::vector<std::string>{"開催速報データ取得中", error, error}));
    EXPECT_TRUE(errorLog.empty());
    EXPECT_EQ(dialogs.beeps, 2);

    // A read error only shows in FetchStatusText.
    jvLink = ScriptedJvLink{};
    statuses.clear();
    jvLink.queueRTOpen(0);
    jvLink.queueReadCodes({-402});
    RealTimeFetcher reading(ports());
    reading.run(FetchOperation::Changes, kDayKey, kLabel);
    EXPECT_EQ(statuses.back(), JVMessage("JVRead", -402));
    EXPECT_TRUE(errorLog.empty());
}

TEST_F(RealTimeFetchTest, TheChangeFetchStoresWeatherScratchesAndPostTimesIntoTheChangeFolder) {
    ASSERT_TRUE(makeDirectory(folder.file("CHG")).ok());
    const RaceId race{"20240526", "05", 3};
    jvLink.queueRTOpen(0);
    jvLink.queueFile({weRecord("20240526", "05", "05261005", 3), avRecord(race, 7, "05260930"),
                      avRecord(race, 2, "05260931"), tcRecord(race, 1550, "05261200"), RecordBuilder("JC").record(),
                      avRecord(race, 7, "05261000")});
    RealTimeFetcher fetcher(ports());
    const FetchRun run = fetcher.run(FetchOperation::Changes, kDayKey, kLabel);
    EXPECT_TRUE(run.readComplete());
    EXPECT_EQ(run.recordsStored, 5);
    EXPECT_EQ(statuses.back(), "");
    EXPECT_EQ(dialogs.beeps, 1);
    auto av = readRawLines(folder.file("CHG/2024年05月26日.AV"));
    ASSERT_TRUE(av.ok());
    // One line per horse, the later announcement replacing the earlier, sorted by the key.
    ASSERT_EQ(av->size(), 2u);
    EXPECT_EQ(av->at(0).substr(35, 2), "02");
    EXPECT_EQ(av->at(1).substr(27, 8), "05261000");
    EXPECT_TRUE(fileExists(folder.file("CHG/2024年05月26日.WE")));
    EXPECT_TRUE(fileExists(folder.file("CHG/2024年05月26日.TC")));
    EXPECT_FALSE(fileExists(data("2024年05月26日.AV")));
}

TEST(FetchKeys, ARaceLabelAndWhichKeysAreUsed) {
    EXPECT_EQ(fetchRaceLabel("05", 5), "東京 5");
    EXPECT_EQ(fetchRaceLabel("06", 11), "中山11");
    EXPECT_TRUE(usableFetchKey("2024052605020805"));
    EXPECT_TRUE(usableFetchKey("00000001"));
    EXPECT_TRUE(usableFetchKey("2024 abc"));  // the leading digits
    EXPECT_FALSE(usableFetchKey(""));
    EXPECT_FALSE(usableFetchKey("                "));
    EXPECT_FALSE(usableFetchKey("0000000000000000"));
    EXPECT_FALSE(usableFetchKey("000 1"));
}

}  // namespace
}  // namespace marovix::real_time_fetch_test
