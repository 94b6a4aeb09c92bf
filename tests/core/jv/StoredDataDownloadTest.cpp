#include "core/jv/StoredDataDownload.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"
#include "core/jv/DayDataFile.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "standins/records/RecordBuilder.h"
#include "tests/support/DownloadRecords.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FileModes.h"
#include "tests/support/ScriptedJvLink.h"
#include "tests/support/TempFolder.h"

namespace marovix::stored_data_download_test {
namespace {

using Phase = StoredDataDownload::Phase;
using Outcome = StoredDataDownload::Outcome;

constexpr const char* kStartTail =
    "以降のデータ取込を開始します。データ作成が終了するまで本ソフトを操作したり他のアプリケーションを操作することは"
    "極力避けてください。";

class StoredDataDownloadTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(makeDirectory(dataFolder).ok()); }

    // The window as it is created now; `processEvents` counts its calls.
    std::unique_ptr<StoredDataDownload> makeWindow() {
        auto window = std::make_unique<StoredDataDownload>(
            DownloadPorts{jv, dialogs, clock, settings, dataFolder, readCancelled, [this] { ++rebuilds; },
                          [this](const std::string& text) { errorLog.push_back(text); }});
        window->processEvents = [this] { ++eventRuns; };
        window->closeWindow = [this] { ++closeRequests; };
        return window;
    }
    // A window whose from-moment is `from` (normal data), started with JVOpen 0 and the given counts.
    std::unique_ptr<StoredDataDownload> startWith(int readCount, int downloadCount,
                                                  std::string stamp = "20240119153000",
                                                  DateTime from = {2024, 1, 6, 0, 0, 0}) {
        jv.queueOpen({0, readCount, downloadCount, std::move(stamp)});
        auto window = makeWindow();
        window->setSetupData(false);
        window->setFrom(from);
        window->ButtonStartClick();
        return window;
    }
    // Ticks the status timer while it is on (at most `limit` ticks).
    static void tickToEnd(StoredDataDownload& window, int limit = 100) {
        for (int i = 0; i < limit && window.progress().statusPolling; ++i) window.TimerJVStatusTimer();
    }
    std::string dataFile(const std::string& name) const { return joinPath(dataFolder, name); }
    std::vector<std::string> dataLines(const std::string& name) const {
        auto lines = readRawLines(dataFile(name));
        return lines.ok() ? *lines : std::vector<std::string>{};
    }
    std::string lastTime() { return settings.readStoredText(settings::JvDataGetLastTime); }
    // The information texts after the start message.
    std::vector<std::string> messagesAfterStart() const {
        return dialogs.informations.empty()
                   ? std::vector<std::string>{}
                   : std::vector<std::string>(dialogs.informations.begin() + 1, dialogs.informations.end());
    }

    TempFolder folder;
    std::string dataFolder = folder.file("Data");
    FakeClock clock{DateTime{2024, 1, 20, 9, 15, 30}};
    FakeDialogs dialogs;
    ScriptedJvLink jv;
    Settings settings{folder.path(), folder.path(), clock};
    ReadCancelFlag readCancelled;
    int rebuilds = 0;
    int eventRuns = 0;
    int closeRequests = 0;
    std::vector<std::string> errorLog;  // AppendErrorLog
};

TEST_F(StoredDataDownloadTest, FirstDownloadPreselectsSetupDataAYearBack) {
    auto window = makeWindow();
    EXPECT_TRUE(window->options().finalOdds);
    EXPECT_TRUE(window->options().setupData);
    EXPECT_EQ(window->options().from, (DateTime{2023, 1, 20, 9, 15, 30}));
    EXPECT_FALSE(window->progress().statusPolling);
    window->ButtonStartClick();
    ASSERT_GE(jv.calls().size(), 1u);
    EXPECT_EQ(jv.calls()[0].text(), "JVOpen RACEMING 20230120091530 3");
    EXPECT_EQ(dialogs.informations.at(0), std::string("2023年01月20日09時15分30秒") + kStartTail);
}

TEST_F(StoredDataDownloadTest, LaterDownloadStartsAtLastTimeWithNormalData) {
    ASSERT_TRUE(settings.writeText(settings::JvDataGetLastTime, "2024/01/13 18:05:01").ok());
    ASSERT_TRUE(settings.writeBool(settings::JvDataGetKakuteiOzGet, false).ok());
    auto window = makeWindow();
    EXPECT_FALSE(window->options().finalOdds);
    EXPECT_FALSE(window->options().setupData);
    EXPECT_EQ(window->options().from, (DateTime{2024, 1, 13, 18, 5, 1}));
    window->ButtonStartClick();
    EXPECT_EQ(jv.calls()[0].text(), "JVOpen RACEMING 20240113180501 1");
}

TEST_F(StoredDataDownloadTest, LastTimeThatIsNoMomentFallsBackToAYearBack) {
    ASSERT_TRUE(settings.writeText(settings::JvDataGetLastTime, "gestern").ok());
    auto window = makeWindow();
    EXPECT_FALSE(window->options().setupData);
    EXPECT_EQ(window->options().from, (DateTime{2023, 1, 20, 9, 15, 30}));
}

TEST_F(StoredDataDownloadTest, CheckBox1WritesItsSettingAtOnce) {
    auto window = makeWindow();
    window->CheckBox1Click(false);
    EXPECT_FALSE(settings.readBool(settings::JvDataGetKakuteiOzGet));
    EXPECT_FALSE(makeWindow()->options().finalOdds);
    window->setFinalOdds(true);  // the command line's choice: not kept
    EXPECT_FALSE(settings.readBool(settings::JvDataGetKakuteiOzGet));
}

TEST_F(StoredDataDownloadTest, NothingNewAndOpenErrorsEndWithTheirMessageAndClose) {
    struct Case {
        ScriptedJvLink::OpenResult open;
        std::string message;
        Outcome outcome;
    };
    const Case cases[] = {
        {{-1, 0, 0, ""}, "最新のデータがありません。", Outcome::NothingNew},
        {{0, 0, 0, "20240119153000"}, "最新のデータがありません。", Outcome::NothingNew},
        {{-504, 0, 0, ""}, "JVOpenエラー:サーバーがメンテナンス中です。(-504)", Outcome::Failed},
        {{-2, 0, 0, ""}, "JVOpenエラー:セットアップダイアログでキャンセルが押されました。(-2)", Outcome::Failed},
        {{-999, 0, 0, ""}, "JVOpenエラー:(-999)", Outcome::Failed},
    };
    for (const auto& c : cases) {
        ScriptedJvLink link;
        FakeDialogs shown;
        ReadCancelFlag cancelled;
        cancelled.raise();
        link.queueOpen(c.open);
        StoredDataDownload window(DownloadPorts{link, shown, clock, settings, dataFolder, cancelled, {}});
        window.ButtonStartClick();
        EXPECT_EQ(link.callTexts(), (std::vector<std::string>{"JVOpen RACEMING 20230120091530 3", "JVClose"}))
            << c.message;
        ASSERT_EQ(shown.informations.size(), 2u);
        EXPECT_EQ(shown.informations[1], c.message);
        EXPECT_EQ(shown.beeps, 2);  // the failure, then the close
        EXPECT_FALSE(cancelled.raised()) << "lowered at the start";
        EXPECT_EQ(window.outcome(), c.outcome);
        EXPECT_FALSE(window.progress().busy);
        EXPECT_FALSE(window.running());
    }
    EXPECT_EQ(lastTime(), "");
}

TEST_F(StoredDataDownloadTest, NoDownloadReadsAtOnce) {
    jv.queueFile({raRecord({"20240106", "06", 1})});
    jv.queueReadCodes({0});
    auto window = startWith(1, 0);
    EXPECT_EQ(jv.callTexts(), (std::vector<std::string>{"JVOpen RACEMING 20240106000000 1", "JVRead 100000",
                                                        "JVRead 100000", "JVRead 100000", "JVClose"}));
    EXPECT_EQ(jv.callCount("JVStatus"), 0);
    EXPECT_EQ(window->outcome(), Outcome::Completed);
    EXPECT_EQ(window->progress().text, "データ作成が完了しました。");
    EXPECT_EQ(window->progress().fetched.done, 0);
    EXPECT_EQ(window->progress().fetched.total, 100);
    EXPECT_EQ(window->progress().read.done, 0);
    EXPECT_EQ(window->progress().read.total, 1);
    EXPECT_EQ(dataLines("2024年01月06日.jvRA").size(), 1u);
    EXPECT_EQ(messagesAfterStart(), std::vector<std::string>{});
    EXPECT_EQ(dialogs.beeps, 1);  // the close
    EXPECT_GE(eventRuns, 3);
}

TEST_F(StoredDataDownloadTest, StatusTimerRunsUntilTheDownloadCountThenReads) {
    jv.queueStatus({1, 2, 5, 3});
    jv.queueFile({raRecord({})});
    jv.queueFile({hrRecord({})});
    jv.queueFile({tmRecord({})});
    std::vector<std::string> labels;
    auto window = startWith(3, 3);
    window->changed = [&] {
        if (labels.empty() || labels.back() != window->progress().text) labels.push_back(window->progress().text);
    };
    EXPECT_TRUE(window->progress().statusPolling);
    EXPECT_TRUE(window->progress().busy);
    EXPECT_EQ(window->phase(), Phase::Downloading);
    EXPECT_EQ(window->progress().text, "ダウンロード中・・・");
    EXPECT_EQ(window->progress().fetched.total, 3);
    EXPECT_EQ(jv.callCount("JVRead"), 0);

    window->TimerJVStatusTimer();
    EXPECT_EQ(window->progress().text, "ダウンロード中．．．(1/3)");
    EXPECT_EQ(window->progress().fetched.done, 1);
    window->TimerJVStatusTimer();
    window->TimerJVStatusTimer();  // 5: above the count, nothing happens
    EXPECT_EQ(window->progress().text, "ダウンロード中．．．(2/3)");
    EXPECT_TRUE(window->progress().statusPolling);
    window->TimerJVStatusTimer();
    EXPECT_FALSE(window->progress().statusPolling);
    EXPECT_EQ(jv.callCount("JVStatus"), 4);
    EXPECT_EQ(jv.calls().back().name, "JVClose");
    EXPECT_EQ(window->outcome(), Outcome::Completed);
    EXPECT_EQ(labels, (std::vector<std::string>{"ダウンロード中．．．(1/3)", "ダウンロード中．．．(2/3)",
                                                "ダウンロード中．．．(3/3)", "データ読込み中．．．(0/3)",
                                                "データ読込み中．．．(1/3)", "データ読込み中．．．(2/3)",
                                                "データ読込み中．．．(3/3)", "データ作成が完了しました。"}));
    EXPECT_FALSE(window->progress().busy);
    window->TimerJVStatusTimer();  // a tick after the stop does nothing
    EXPECT_EQ(jv.callCount("JVStatus"), 4);
}

TEST_F(StoredDataDownloadTest, StatusErrorStopsTheTimerAndCloses) {
    jv.queueStatus({1, -502});
    auto window = startWith(2, 2);
    tickToEnd(*window);
    EXPECT_EQ(messagesAfterStart(),
              std::vector<std::string>{
                  "JVStatusエラー:ダウンロードに失敗しました。（通信エラーやディスクエラーなど）(-502)"});
    EXPECT_FALSE(window->progress().statusPolling);
    EXPECT_EQ(jv.callCount("JVStatus"), 2);
    EXPECT_EQ(jv.callCount("JVRead"), 0);
    EXPECT_EQ(jv.calls().back().name, "JVClose");
    EXPECT_EQ(window->outcome(), Outcome::Failed);
    EXPECT_EQ(dialogs.beeps, 2);
}

TEST_F(StoredDataDownloadTest, ReadErrorKeepsWhatWasStoredAndLeavesLastTime) {
    jv.queueRead(ScriptedJvLink::ReadResult::data(raRecord({"20240106", "06", 1})));
    jv.queueReadCodes({-3, -2});
    jv.queueRead(ScriptedJvLink::ReadResult::data(raRecord({"20240106", "06", 2})));
    jv.queueReadCodes({-402});
    jv.queueRead(ScriptedJvLink::ReadResult::data(raRecord({"20240106", "06", 3})));
    auto window = startWith(1, 0);
    EXPECT_EQ(messagesAfterStart(),
              std::vector<std::string>{"JVReadエラー:ダウンロードしたファイルサイズが異常です。(-402)"});
    EXPECT_EQ(dataLines("2024年01月06日.jvRA").size(), 2u);
    EXPECT_EQ(jv.callCount("JVRead"), 5);
    EXPECT_EQ(jv.calls().back().name, "JVClose");
    EXPECT_EQ(window->outcome(), Outcome::Failed);
    EXPECT_EQ(lastTime(), "");
}

TEST_F(StoredDataDownloadTest, CallAgainGoesThroughTheViewsWaitBeforeEachNewCall) {
    jv.queueReadCodes({-3, -2, -3});
    jv.queueFile({raRecord({"20240106", "06", 1})});
    jv.queueReadCodes({-3, -3, -3});
    std::vector<std::string> seen;  // the view's calls, interleaved with JV-Link's
    jv.atRead(1, [&] { seen.push_back("read 1"); });
    std::unique_ptr<StoredDataDownload> window;
    jv.queueOpen({0, 1, 0, "20240119153000"});
    window = makeWindow();
    window->processEvents = [&] { seen.push_back("events"); };
    window->waitForData = [&](int result) {
        seen.push_back("wait " + std::to_string(result));
        if (seen.size() > 12) {  // the user gives up while the component keeps asking
            dialogs.setNextAnswer(true);
            window->ButtonCancelClick();
        }
    };
    window->ButtonStartClick();
    EXPECT_EQ(seen, (std::vector<std::string>{"events", "read 1", "wait -3", "events", "wait -2", "events", "wait -3",
                                              "events", "events", "events", "wait -3", "events", "wait -3", "events"}));
    EXPECT_EQ(window->outcome(), Outcome::Cancelled);
    EXPECT_EQ(jv.callCount("JVCancel"), 1);
    EXPECT_EQ(jv.calls().back().name, "JVClose");
    EXPECT_EQ(lastTime(), "");
}

TEST_F(StoredDataDownloadTest, CloseErrorIsShown) {
    jv.queueClose(-201);
    jv.queueFile({});
    auto window = startWith(1, 0);
    EXPECT_EQ(messagesAfterStart(), std::vector<std::string>{"JVCloseエラー:(-201)"});
    EXPECT_EQ(window->outcome(), Outcome::Failed);
    EXPECT_EQ(dialogs.beeps, 1);
}

TEST_F(StoredDataDownloadTest, LastTimeAdvancesOnlyAtTheEndWithARealTimeStamp) {
    struct Case {
        std::string stamp;
        std::string lastTime;  // empty: unchanged
        std::string message;   // after the start message; empty: none
    };
    const std::string sameStart = "次回も同じ日時から取り込みます。";
    const Case cases[] = {
        {"20240119153000", "2024/01/19 15:30:00", ""},
        {" 20240119153000 ", "2024/01/19 15:30:00", ""},
        {"00000000000000", "", ""},
        {"", "", ""},
        {"   ", "", ""},
        // A stamp that is no moment is reported: the next download starts at the same moment again.
        {"2024011915", "", "最終ファイルのタイムスタンプが日時ではありません(2024011915)。" + sameStart},
        {"20241319153000", "", "最終ファイルのタイムスタンプが日時ではありません(20241319153000)。" + sameStart},
        {"20240119993000", "", "最終ファイルのタイムスタンプが日時ではありません(20240119993000)。" + sameStart},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(settings.writeText(settings::JvDataGetLastTime, "2024/01/01 00:00:00").ok());
        ScriptedJvLink link;
        FakeDialogs shown;
        link.queueOpen({0, 1, 0, c.stamp});
        link.queueFile({});
        StoredDataDownload window(DownloadPorts{link, shown, clock, settings, dataFolder, readCancelled, {}});
        window.ButtonStartClick();
        EXPECT_EQ(window.outcome(), c.message.empty() ? Outcome::Completed : Outcome::Failed) << c.stamp;
        const std::string expected = c.lastTime.empty() ? "2024/01/01 00:00:00" : c.lastTime;
        EXPECT_EQ(lastTime(), expected) << "'" << c.stamp << "'";
        EXPECT_EQ(window.options().from.slashText(), expected) << c.stamp;
        const std::vector<std::string> messages(shown.informations.begin() + 1, shown.informations.end());
        EXPECT_EQ(messages, c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message})
            << c.stamp;
    }
}

TEST_F(StoredDataDownloadTest, DataEndingBeforeEveryOfferedFileWasReadIsAnErrorAndLeavesLastTime) {
    struct Case {
        int readCount;
        int files;  // files delivered, each ended by -1, before JVRead gives 0
        std::string message;
    };
    const Case cases[] = {
        {52, 2, "データ読込みが途中で終了しました(2/52)。次回も同じ日時から取り込みます。"},
        {3, 0, "データ読込みが途中で終了しました(0/3)。次回も同じ日時から取り込みます。"},
        {1, 2, "データ読込みが途中で終了しました(2/1)。次回も同じ日時から取り込みます。"},
    };
    for (const auto& c : cases) {
        ScriptedJvLink link;
        FakeDialogs shown;
        link.queueOpen({0, c.readCount, 0, "20240119153000"});
        for (int file = 0; file < c.files; ++file) link.queueFile({raRecord({"20240106", "06", file + 1})});
        StoredDataDownload window(DownloadPorts{link, shown, clock, settings, dataFolder, readCancelled, {}});
        window.setFrom({2024, 1, 6, 0, 0, 0});
        window.ButtonStartClick();
        EXPECT_EQ(window.outcome(), Outcome::Failed) << c.message;
        ASSERT_EQ(shown.informations.size(), 2u) << c.message;
        EXPECT_EQ(shown.informations[1], c.message);
        EXPECT_EQ(shown.beeps, 2);  // the failure, then the close
        EXPECT_EQ(link.calls().back().name, "JVClose");
        EXPECT_EQ(lastTime(), "") << c.message;
        EXPECT_EQ(window.counts().recordsStored, c.files) << "what was read is stored";
    }
}

TEST_F(StoredDataDownloadTest, LastTimeThatCannotBeSavedFailsTheAttempt) {
    const std::string ini = folder.file("Marovix.ini");
    struct Case {
        const char* name;
        std::function<void()> spoil;
        std::function<void()> mend;
    };
    const Case cases[] = {
        {"read-only file",
         [&] {
             ASSERT_TRUE(settings.writeText(settings::JvDataGetLastTime, "2024/01/01 00:00:00").ok());
             ASSERT_TRUE(makeReadOnly(ini));
         },
         [&] {
             ASSERT_TRUE(makeWritable(ini));
             ASSERT_TRUE(removeFile(ini).ok());
         }},
        {"folder", [&] { ASSERT_TRUE(makeDirectory(ini).ok()); },
         [&] { ASSERT_TRUE(std::filesystem::remove(filesystemPath(ini))); }},
    };
    for (const auto& c : cases) {
        c.spoil();
        const std::string before = lastTime();
        ScriptedJvLink link;
        FakeDialogs shown;
        link.queueOpen({0, 1, 0, "20240119153000"});
        link.queueFile({raRecord({})});
        StoredDataDownload window(DownloadPorts{link, shown, clock, settings, dataFolder, readCancelled, {}});
        window.ButtonStartClick();
        EXPECT_EQ(window.outcome(), Outcome::Failed) << c.name;
        EXPECT_EQ(shown.errors, std::vector<std::string>{ini + " に書き込めません"}) << c.name;
        EXPECT_EQ(lastTime(), before) << c.name;
        c.mend();
    }
}

TEST_F(StoredDataDownloadTest, MkDataLabelShowsTheRecordLastStoredAndIsClearedAtEachFileEnd) {
    jv.queueFile({raRecord({"20240106", "06", 11})});
    jv.queueRead(ScriptedJvLink::ReadResult::data(seRecord({"20240106", "06", 11}, 3, "ミライノホシ")));
    jv.queueRead(ScriptedJvLink::ReadResult::data(tmRecord({"20240106", "06", 11})));
    jv.queueReadCodes({-1});
    jv.queueOpen({0, 2, 0, ""});
    auto window = makeWindow();
    std::vector<std::string> labels;
    window->changed = [&] {
        if (labels.empty() || labels.back() != window->progress().recordText)
            labels.push_back(window->progress().recordText);
    };
    window->ButtonStartClick();
    // The TM record leaves the label as it is; the name is its first 18 characters, blanks included.
    EXPECT_EQ(labels, (std::vector<std::string>{"", "開催:2024年01月06日中山11R", "",
                                                "馬毎:中山11R/③ミライノホシ" + std::string(12, ' '), ""}));
    EXPECT_EQ(window->counts().filesRead, 2);
    EXPECT_EQ(window->counts().recordsStored, 3);
    EXPECT_EQ(window->counts().recordsRead, 3);
}

TEST_F(StoredDataDownloadTest, CancelWhileDownloadingEndsAtOnceWithoutClose) {
    jv.queueStatus({1});
    auto window = startWith(3, 3);
    window->TimerJVStatusTimer();
    dialogs.setNextAnswer(false);
    window->ButtonCancelClick();
    EXPECT_TRUE(window->running());
    EXPECT_EQ(jv.callCount("JVCancel"), 0);
    EXPECT_EQ(dialogs.questions, std::vector<std::string>{"データ取込を中止します。実行しますか？"});

    dialogs.setNextAnswer(true);
    window->ButtonCancelClick();
    EXPECT_FALSE(window->running());
    EXPECT_EQ(window->outcome(), Outcome::Cancelled);
    EXPECT_EQ(jv.callCount("JVCancel"), 1);
    EXPECT_EQ(jv.callCount("JVClose"), 0);
    EXPECT_TRUE(readCancelled.raised());
    EXPECT_FALSE(window->progress().statusPolling);
    EXPECT_FALSE(window->progress().busy);
    EXPECT_EQ(window->progress().text, "JVCancel:キャンセルされました");
    EXPECT_EQ(messagesAfterStart(), std::vector<std::string>{"JVCancel:キャンセルされました"});
    EXPECT_EQ(dialogs.beeps, 1);
    window->TimerJVStatusTimer();
    EXPECT_EQ(jv.callCount("JVStatus"), 1);

    // The next attempt lowers the flag again.
    jv.queueOpen({-1, 0, 0, ""});
    window->ButtonStartClick();
    EXPECT_FALSE(readCancelled.raised());
}

TEST_F(StoredDataDownloadTest, CancelWhileReadingEndsAfterTheRecordInHand) {
    for (int race = 1; race <= 4; ++race)
        jv.queueRead(ScriptedJvLink::ReadResult::data(raRecord({"20240106", "06", race})));
    jv.queueReadCodes({-1, 0});
    std::unique_ptr<StoredDataDownload> window;
    jv.atRead(2, [&] {
        dialogs.setNextAnswer(true);
        window->ButtonCancelClick();
    });
    jv.queueOpen({0, 1, 0, "20240119153000"});
    window = makeWindow();
    window->ButtonStartClick();
    EXPECT_EQ(jv.callCount("JVRead"), 2);
    EXPECT_EQ(dataLines("2024年01月06日.jvRA").size(), 2u);  // the record in hand is still stored
    EXPECT_EQ(jv.calls().back().name, "JVClose");
    EXPECT_EQ(window->outcome(), Outcome::Cancelled);
    EXPECT_EQ(window->progress().text, "JVCancel:キャンセルされました");
    EXPECT_EQ(lastTime(), "");
    EXPECT_EQ(dialogs.beeps, 2);  // the cancel, then the close
}

TEST_F(StoredDataDownloadTest, CancelSavesWhatWasReadBeforeItsMessageShows) {
    for (int race = 1; race <= 4; ++race)
        jv.queueRead(ScriptedJvLink::ReadResult::data(raRecord({"20240106", "06", race})));
    std::unique_ptr<StoredDataDownload> window;
    jv.atRead(3, [&] {
        dialogs.setNextAnswer(true);
        window->ButtonCancelClick();
    });
    std::size_t linesWhileShown = 0;
    dialogs.onInformation = [&](const std::string& text) {
        if (text == "JVCancel:キャンセルされました") linesWhileShown = dataLines("2024年01月06日.jvRA").size();
    };
    jv.queueOpen({0, 1, 0, "20240119153000"});
    window = makeWindow();
    window->ButtonStartClick();
    EXPECT_EQ(linesWhileShown, 2u);  // the third record is in hand when the cancel comes
    EXPECT_EQ(dataLines("2024年01月06日.jvRA").size(), 3u);
    EXPECT_EQ(window->fileSaves(), 2u);
    EXPECT_EQ(window->outcome(), Outcome::Cancelled);
}

TEST_F(StoredDataDownloadTest, EndOfDataAfterACancelDoesNotAdvanceLastTime) {
    std::unique_ptr<StoredDataDownload> window;
    jv.atRead(1, [&] {
        dialogs.setNextAnswer(true);
        window->ButtonCancelClick();
    });
    jv.queueOpen({0, 5, 0, "20240119153000"});
    window = makeWindow();
    window->ButtonStartClick();  // JVRead gives 0 after the cancel, as a cancelled component does
    EXPECT_EQ(window->outcome(), Outcome::Cancelled);
    EXPECT_EQ(lastTime(), "");
}

TEST_F(StoredDataDownloadTest, SecondStartWhileRunningIsIgnored) {
    std::unique_ptr<StoredDataDownload> window;
    jv.queueFile({raRecord({})});
    jv.atRead(1, [&] { window->ButtonStartClick(); });
    jv.queueOpen({0, 1, 2, ""});
    window = makeWindow();
    window->ButtonStartClick();
    window->ButtonStartClick();  // downloading
    EXPECT_EQ(jv.callCount("JVOpen"), 1);
    jv.queueStatus({2});
    window->TimerJVStatusTimer();  // reading: the press inside the read is ignored too
    EXPECT_EQ(jv.callCount("JVOpen"), 1);
    EXPECT_EQ(dialogs.informations.size(), 1u);
    EXPECT_EQ(window->outcome(), Outcome::Completed);
}

TEST_F(StoredDataDownloadTest, ClosingWhileDownloadingOffersTheCancel) {
    auto window = startWith(3, 3);
    dialogs.setNextAnswer(false);
    EXPECT_FALSE(window->FormCloseQuery());
    EXPECT_TRUE(window->running());
    dialogs.setNextAnswer(true);
    EXPECT_TRUE(window->FormCloseQuery());
    EXPECT_FALSE(window->running());
    EXPECT_EQ(jv.callCount("JVCancel"), 1);
    EXPECT_EQ(jv.callCount("JVClose"), 0);
    EXPECT_EQ(closeRequests, 0);
    window->FormClose();
    EXPECT_EQ(rebuilds, 1);
}

TEST_F(StoredDataDownloadTest, ClosingWhileReadingClosesOnceTheReadHasEnded) {
    std::unique_ptr<StoredDataDownload> window;
    for (int race = 1; race <= 3; ++race)
        jv.queueRead(ScriptedJvLink::ReadResult::data(raRecord({"20240106", "06", race})));
    bool refused = false;
    jv.atRead(2, [&] {
        dialogs.setNextAnswer(true);
        refused = !window->FormCloseQuery();
        EXPECT_EQ(closeRequests, 0);
    });
    jv.queueOpen({0, 1, 0, ""});
    window = makeWindow();
    window->ButtonStartClick();
    EXPECT_TRUE(refused);
    EXPECT_EQ(closeRequests, 1);
    EXPECT_EQ(jv.callCount("JVClose"), 1);
    EXPECT_TRUE(window->FormCloseQuery());
    EXPECT_EQ(closeRequests, 1);
}

TEST_F(StoredDataDownloadTest, IdleWindowClosesAndRebuildsTheDayList) {
    auto window = makeWindow();
    EXPECT_TRUE(window->FormCloseQuery());
    EXPECT_EQ(dialogs.questions.size(), 0u);
    window->FormClose();
    EXPECT_EQ(rebuilds, 1);
}

TEST_F(StoredDataDownloadTest, SpeedButton1ShowsJvLinkSettingsAndItsError) {
    auto window = makeWindow();
    window->SpeedButton1Click();
    EXPECT_EQ(dialogs.informations.size(), 0u);
    jv.queueSetUIProperties(-100);
    window->SpeedButton1Click();
    EXPECT_EQ(dialogs.informations,
              std::vector<std::string>{
                  "JVSetUIPropertiesエラー：パラメータが不正あるいはレジストリへの保存に失敗しました。(-100)"});
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(jv.callCount("JVSetUIProperties"), 2);
}

// The record cases, each through a whole download from 2024/01/06.
class DownloadRecordsTest : public StoredDataDownloadTest {
protected:
    std::unique_ptr<StoredDataDownload> download(const std::vector<std::string>& records, bool finalOdds = true,
                                                 DateTime from = {2024, 1, 6, 0, 0, 0}) {
        jv.queueFile(records);
        jv.queueOpen({0, 1, 0, "20240119153000"});
        auto window = makeWindow();
        window->setSetupData(false);
        window->setFinalOdds(finalOdds);
        window->setFrom(from);
        window->ButtonStartClick();
        EXPECT_EQ(window->outcome(), Outcome::Completed);
        return window;
    }
};

TEST_F(DownloadRecordsTest, SameRaceTwiceLeavesOneZeroedLine) {
    const RaceId id{"20240106", "06", 11};
    download({raRecord(id, 16, '1', "前"), raRecord(id, 16, '2', "後")});
    auto lines = dataLines("2024年01月06日.jvRA");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(fieldText(lines[0], 3, 9), "000000000");
    std::string expected = recordLine(raRecord(id, 16, '2', "後"));
    zeroDataKind(expected);
    EXPECT_EQ(lines[0], expected);
}

TEST_F(DownloadRecordsTest, LocalOverseasAndOddRunnerCountsAreNeverStored) {
    const RaceId id{"20240106", "06", 11};
    auto window = download({raRecord(id, 16, 'A'), raRecord(id, 16, 'B'), raRecord(id, 0), raRecord(id, 19)});
    EXPECT_FALSE(fileExists(dataFile("2024年01月06日.jvRA")));
    EXPECT_EQ(window->counts().recordsNotTaken, 4);
}

TEST_F(DownloadRecordsTest, FromDateMinusTenIsComparedAsNumbers) {
    download({raRecord({"20231231", "06", 1})}, true, {2024, 1, 5, 0, 0, 0});
    EXPECT_FALSE(fileExists(dataFile("2023年12月31日.jvRA")));  // 20240105 - 10 = 20240095 > 20231231
    download({raRecord({"20240110", "06", 1}), raRecord({"20240109", "06", 1})}, true, {2024, 1, 20, 0, 0, 0});
    EXPECT_TRUE(fileExists(dataFile("2024年01月10日.jvRA")));
    EXPECT_FALSE(fileExists(dataFile("2024年01月09日.jvRA")));
}

TEST_F(DownloadRecordsTest, RunnerOfRace12Horse18CreatesTheRunnerFile) {
    const std::string se = seRecord({"20240106", "06", 12}, 18, "サイゴノウマ");
    download({se});
    auto lines = dataLines("2024年01月06日中山.jvSEr");
    ASSERT_EQ(lines.size(), 216u);
    EXPECT_EQ(lines[215], recordLine(se));  // positions 3-11 as delivered
    EXPECT_EQ(lines[0], std::string(553, ' '));
}

TEST_F(DownloadRecordsTest, FinalOddsOnlyWhileCheckBox1IsTicked) {
    const RaceId id{"20240106", "06", 11};
    std::vector<std::string> odds;
    for (const char* type : {"O1", "O2", "O3", "O4", "O5", "O6"}) odds.push_back(oddsRecord(type, id));
    auto window = download(odds, false);
    for (const char* ext : {".jvO1", ".jvO2", ".jvO3", ".jvO4", ".jvO5", ".jvO6"})
        EXPECT_FALSE(fileExists(dataFile(std::string("2024年01月06日") + ext))) << ext;
    EXPECT_EQ(window->counts().recordsNotTaken, 6);
    window = download(odds, true);
    for (const char* ext : {".jvO1", ".jvO2", ".jvO3", ".jvO4", ".jvO5", ".jvO6"})
        EXPECT_EQ(dataLines(std::string("2024年01月06日") + ext).size(), 1u) << ext;
}

TEST_F(DownloadRecordsTest, ShortRecordIsSkippedAndCounted) {
    const RaceId id{"20240106", "06", 11};
    std::string shortRa = raRecord(id).substr(0, 900) + "\r\n";
    auto window = download({shortRa, hrRecord(id)});
    EXPECT_FALSE(fileExists(dataFile("2024年01月06日.jvRA")));
    EXPECT_EQ(dataLines("2024年01月06日.jvHR").size(), 1u);
    EXPECT_EQ(window->counts().recordsCorrupt, 1);
    EXPECT_EQ(window->counts().recordsStored, 1);
    ASSERT_EQ(window->problems().size(), 1u);
    EXPECT_NE(window->problems()[0].find("RAレコードのレコード長が不正です"), std::string::npos);
    // The error log names it: the feed file, the record type and its length.
    ASSERT_EQ(errorLog.size(), 1u);
    EXPECT_NE(
        errorLog[0].find(": 不正なレコードを読み飛ばしました。RAレコードのレコード長が不正です(改行を除き900バイト、"
                         "正しくは1270バイト)"),
        std::string::npos)
        << errorLog[0];
    // The file's end cleared the label; the count is shown again when the read ends.
    EXPECT_EQ(window->progress().recordText, "不正レコード読み飛ばし:1件");
}

TEST_F(DownloadRecordsTest, DamagedRecordsBeyondThoseNamedAreCountedInTheErrorLog) {
    const RaceId id{"20240106", "06", 11};
    const std::size_t kept = StoredDataDownload::kProblemsKept;
    std::vector<std::string> stream(kept + 3, raRecord(id).substr(0, 900) + "\r\n");
    stream.push_back(hrRecord(id));
    auto window = download(stream);
    EXPECT_EQ(window->counts().recordsCorrupt, static_cast<std::int64_t>(kept + 3));
    ASSERT_EQ(errorLog.size(), kept + 1);
    EXPECT_EQ(errorLog.back(), "ほかに不正なレコードを3件読み飛ばしました。");
    EXPECT_EQ(window->progress().recordText, "不正レコード読み飛ばし:" + std::to_string(kept + 3) + "件");
}

TEST_F(DownloadRecordsTest, TypesTheProgramDoesNotStoreCountAsNotTakenNeverAsCorrupt) {
    const RaceId id{"20240106", "06", 11};
    std::vector<std::string> stream;
    for (const char* type : {"H1", "H6", "WF", "JG", "WH", "JC", "CC", "TK"}) {
        RecordBuilder record(type);
        record.field(IdField::dayKey8, id.date).field(IdField::courseCode, id.course).number(IdField::raceNumber, 11);
        stream.push_back(record.record());
    }
    stream.push_back("ZZ1" + std::string(200, '0') + "\r\n");  // a type no stream knows
    stream.push_back(raRecord(id).substr(0, 900) + "\r\n");    // a short race record
    stream.push_back(raRecord(id));
    auto window = download(stream);
    EXPECT_EQ(window->counts().recordsRead, 11);
    EXPECT_EQ(window->counts().recordsNotTaken, 9);
    EXPECT_EQ(window->counts().recordsCorrupt, 1);
    EXPECT_EQ(window->counts().recordsStored, 1);
    ASSERT_EQ(window->problems().size(), 1u);
    EXPECT_NE(window->problems()[0].find("RAレコードのレコード長が不正です"), std::string::npos)
        << window->problems()[0];
    auto entries = listFolder(dataFolder);  // the names in UTF-8 on every system
    ASSERT_TRUE(entries.ok());
    ASSERT_EQ(entries->size(), 1u);
    EXPECT_EQ((*entries)[0].name, "2024年01月06日.jvRA");
}

TEST_F(DownloadRecordsTest, DayFilesAreSavedOnceWhenTheirFeedFileEnds) {
    jv.queueFile({raRecord({"20240106", "06", 1}), raRecord({"20240106", "06", 2}), hrRecord({"20240106", "06", 1})});
    jv.queueFile({raRecord({"20240106", "06", 3})});
    std::vector<std::size_t> raLines;  // on disk while JVRead is asked for the 3rd to 7th time
    for (int call = 3; call <= 7; ++call)
        jv.atRead(call, [&] { raLines.push_back(dataLines("2024年01月06日.jvRA").size()); });
    jv.queueOpen({0, 2, 0, "20240119153000"});
    auto window = makeWindow();
    window->ButtonStartClick();
    EXPECT_EQ(window->outcome(), Outcome::Completed);
    EXPECT_EQ(raLines, (std::vector<std::size_t>{0, 0, 2, 2, 3}));
    EXPECT_EQ(window->fileSaves(), 3u);  // RA twice, HR once
    EXPECT_EQ(window->bytesWritten(), (2u + 3u) * 1272u + hrRecord({}).size());
    EXPECT_EQ(window->peakBytesHeld(), 3u * 1270u);  // the race file read back for the second feed file
}

TEST_F(DownloadRecordsTest, DayFileThatCannotBeWrittenEndsTheRead) {
    // A folder where the file belongs can be neither read nor replaced.
    ASSERT_TRUE(makeDirectory(dataFile("2024年01月06日.jvRA")).ok());
    jv.queueFile({raRecord({}), hrRecord({})});
    jv.queueOpen({0, 1, 0, "20240119153000"});
    auto window = makeWindow();
    window->ButtonStartClick();
    EXPECT_EQ(window->outcome(), Outcome::Failed);
    ASSERT_EQ(messagesAfterStart().size(), 1u);
    EXPECT_EQ(messagesAfterStart()[0].rfind("データ保存エラー:", 0), 0u) << messagesAfterStart()[0];
    EXPECT_FALSE(fileExists(dataFile("2024年01月06日.jvHR")));
    EXPECT_EQ(jv.calls().back().name, "JVClose");
    EXPECT_EQ(lastTime(), "");
}

}  // namespace
}  // namespace marovix::stored_data_download_test
