// The day files of whole downloads of a generated month through the JV-Link stand-in: the download,
// which holds the files a feed file changes and saves each once, leaves the Data folder the
// record-by-record method leaves (tests/support/ReferenceDownload.h) - also when every attempt is
// interrupted (killed, cancelled, failed) after k records more than the one before and then repeated, and
// when a save is cut short by a write error.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "core/common/TextFile.h"
#include "core/jv/DayDataFile.h"
#include "core/jv/DownloadRecordRule.h"
#include "core/jv/StoredDataDownload.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "standins/feedgen/FeedWriter.h"
#include "standins/jvlink/FeedJvLink.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeDialogs.h"
#ifndef _WIN32
#include "tests/support/FileSizeLimit.h"
#endif
#include "tests/support/ReferenceDownload.h"
#include "tests/support/TempFolder.h"

namespace marovix::download_day_files_test {
namespace {

using Outcome = StoredDataDownload::Outcome;
using Files = std::map<std::string, std::string>;

const DateTime kFrom{2025, 2, 20, 0, 0, 0};

// In memory when the system allows: the record-by-record method writes about 1.7 GB for the month,
// which a disk would take its time over.
std::string scratchBase() { return TempFolder::memoryBase(); }

// JV-Link with an interruption: when asked for the record after `records` records, it either ends the
// process (a kill or a power cut: nothing more is saved) or answers a JVRead error.
class InterruptingJvLink : public JvLink {
public:
    enum class How { Kill, ReadError };
    InterruptingJvLink(JvLink& inner, std::int64_t records, How how) : m_inner(inner), m_limit(records), m_how(how) {}

    bool isInstalled() override { return m_inner.isInstalled(); }
    int JVInit(const std::string& id) override { return m_inner.JVInit(id); }
    int JVSetUIProperties() override { return m_inner.JVSetUIProperties(); }
    int JVOpen(const std::string& dataspec, const std::string& fromTime, int option, int& readCount, int& downloadCount,
               std::string& lastFileTimestamp) override {
        return m_inner.JVOpen(dataspec, fromTime, option, readCount, downloadCount, lastFileTimestamp);
    }
    int JVStatus() override { return m_inner.JVStatus(); }
    int JVRTOpen(const std::string& dataspec, const std::string& key) override {
        return m_inner.JVRTOpen(dataspec, key);
    }
    int JVRead(std::string& record, int size, std::string& fileName) override {
        const int r = m_inner.JVRead(record, size, fileName);
        if (r > 0 && m_records++ == m_limit) {
            if (m_how == How::Kill) std::_Exit(0);  // stops dead: no destructor, no flush
            return -502;
        }
        return r;
    }
    int JVCancel() override { return m_inner.JVCancel(); }
    int JVClose() override { return m_inner.JVClose(); }

private:
    JvLink& m_inner;
    std::int64_t m_limit;
    How m_how;
    std::int64_t m_records = 0;
};

// The names of the files that differ between two folders (missing on one side, or other bytes).
std::string differences(const Files& got, const Files& expected) {
    std::string out;
    int shown = 0;
    auto note = [&](const std::string& name, const char* what) {
        if (shown++ < 10) out += name + " " + what + "; ";
    };
    for (const auto& [name, bytes] : expected) {
        auto found = got.find(name);
        if (found == got.end())
            note(name, "missing");
        else if (found->second != bytes)
            note(name, "differs");
    }
    for (const auto& [name, bytes] : got)
        if (expected.count(name) == 0) note(name, "extra");
    return out;
}

class GeneratedMonthDownload : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_feed = new TempFolder(scratchBase());
        feedgen::FeedOptions options;
        options.from = {2025, 3, 1};
        options.to = {2025, 3, 31};
        options.seed = 7;
        options.folder = s_feed->path();
        auto written = feedgen::FeedWriter(options).write();
        ASSERT_TRUE(written.ok()) << written.error();

        TempFolder reference(scratchBase());
        makeDirectory(reference.file("Data"));
        FakeClock clock(kClockAt);
        FeedJvLink link(clock, s_feed->path());
        link.JVInit("UNKNOWN/MRVX/Marovix/Version.1.18");
        auto result = referenceDownload(link, reference.file("Data"), {kFrom, true, true, -1});
        ASSERT_TRUE(result.completed) << result.failure;
        s_records = result.records;
        s_reference = new Files(folderFiles(reference.file("Data")));
    }
    static void TearDownTestSuite() {
        delete s_reference;
        delete s_feed;
        s_reference = nullptr;
        s_feed = nullptr;
    }

    // One download attempt into `app`, as the window runs it, through `link` (the stand-in when none).
    Outcome download(const std::string& app, JvLink* link = nullptr,
                     const std::function<void(StoredDataDownload&)>& betweenRecords = {}) {
        makeDirectory(app + "/Data");
        FakeClock clock(kClockAt);
        FeedJvLink feed(clock, s_feed->path());
        feed.JVInit("UNKNOWN/MRVX/Marovix/Version.1.18");
        Settings settings(app, app + "/share", clock);
        ReadCancelFlag cancelled;
        StoredDataDownload window(
            DownloadPorts{link ? *link : feed, dialogs, clock, settings, app + "/Data", cancelled, {}});
        window.setSetupData(true);
        window.setFrom(kFrom);
        window.processEvents = [&] {
            if (betweenRecords) betweenRecords(window);
        };
        const Outcome outcome = window.runUnattended({});
        peakBytesHeld = window.peakBytesHeld();
        return outcome;
    }
#ifndef _WIN32
    // The same, in a child process that JV-Link ends after `records` records.
    void downloadKilledAfter(const std::string& app, std::int64_t records) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            FakeClock clock(kClockAt);
            FeedJvLink feed(clock, s_feed->path());
            feed.JVInit("UNKNOWN/MRVX/Marovix/Version.1.18");
            InterruptingJvLink link(feed, records, InterruptingJvLink::How::Kill);
            download(app, &link);
            ::_exit(1);  // the download ended before the kill
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the download ended before record " << records;
    }
#endif
    static std::string lastTime(const std::string& app) {
        FakeClock clock(kClockAt);
        return Settings(app, app + "/share", clock).readStoredText(settings::JvDataGetLastTime);
    }
    static Files dataFiles(const std::string& app) { return folderFiles(app + "/Data"); }

    static constexpr DateTime kClockAt{2025, 4, 1, 9, 0, 0};
    static TempFolder* s_feed;
    static Files* s_reference;
    static std::int64_t s_records;
    FakeDialogs dialogs;
    std::size_t peakBytesHeld = 0;
};

TempFolder* GeneratedMonthDownload::s_feed = nullptr;
Files* GeneratedMonthDownload::s_reference = nullptr;
std::int64_t GeneratedMonthDownload::s_records = 0;

TEST_F(GeneratedMonthDownload, LeavesTheDataFolderOfTheRecordByRecordMethod) {
    TempFolder app(scratchBase());
    ASSERT_EQ(download(app.path()), Outcome::Completed) << ::testing::PrintToString(dialogs.informations);
    ASSERT_GT(s_reference->size(), 100u);
    EXPECT_EQ(differences(dataFiles(app.path()), *s_reference), "");
    EXPECT_EQ(lastTime(app.path()), "2025/03/30 18:00:00");
}

TEST_F(GeneratedMonthDownload, HoldsAtMostTheDayFilesOfOneFeedFile) {
    TempFolder app(scratchBase());
    ASSERT_EQ(download(app.path()), Outcome::Completed);
    // The most one feed file touches: the day files of its day, as large as they end.
    std::size_t largest = 0;
    for (const auto& entry : std::filesystem::directory_iterator(s_feed->file("stored"))) {
        const std::string name = entry.path().filename().string();  // <stamp>_<kind><mmdd>.jvf
        const std::string kind = name.substr(15, name.size() - 15 - 8);
        const std::string day =
            "2025年" + name.substr(name.size() - 8, 2) + "月" + name.substr(name.size() - 6, 2) + "日";
        std::size_t touched = 0;
        for (const auto& [file, bytes] : *s_reference) {
            const bool runner = file.size() > 6 && file.substr(file.size() - 6) == ".jvSEr";
            if (file.rfind(day, 0) == 0 && (kind == "SE" ? runner : file.substr(file.rfind('.') + 3) == kind))
                touched += bytes.size();
        }
        largest = std::max(largest, touched);
    }
    EXPECT_GT(peakBytesHeld, 0u);
    EXPECT_LE(peakBytesHeld, largest);
}

TEST_F(GeneratedMonthDownload, InterruptedAfterEveryKthRecordAndRepeatedLeavesTheSameDataFolder) {
    struct Case {
        std::int64_t k;
        const char* how;  // "kill", "cancel" or "read error"
    };
    const std::int64_t n = s_records;
    // A killed download runs in a forked child: POSIX only.
    const Case cases[] = {
#ifndef _WIN32
        {n / 2 + 1, "kill"},
#endif
        {n / 3, "cancel"},
        {n / 4 + 7, "read error"},
#ifndef _WIN32
        {997, "kill"},
#endif
    };
    for (const auto& c : cases) {
        TempFolder app(scratchBase());
        const std::string how = c.how;
        Outcome outcome = Outcome::None;
        int attempts = 0;
        for (std::int64_t limit = c.k; outcome != Outcome::Completed && limit <= n + c.k; limit += c.k) {
            ++attempts;
#ifndef _WIN32
            if (how == "kill" && limit < n) {
                downloadKilledAfter(app.path(), limit);
                EXPECT_EQ(lastTime(app.path()), "") << c.k << " " << how;
                continue;
            }
#endif
            if (how == "kill") {
                outcome = download(app.path());
            } else if (how == "cancel") {
                outcome = download(app.path(), nullptr, [&](StoredDataDownload& window) {
                    if (window.counts().recordsRead == limit && window.running()) {
                        dialogs.setNextAnswer(true);
                        window.ButtonCancelClick();
                    }
                });
                if (limit < n) {
                    EXPECT_EQ(outcome, Outcome::Cancelled) << c.k << " " << how;
                }
            } else {
                FakeClock clock(kClockAt);
                FeedJvLink feed(clock, s_feed->path());
                feed.JVInit("UNKNOWN/MRVX/Marovix/Version.1.18");
                InterruptingJvLink link(feed, limit, InterruptingJvLink::How::ReadError);
                outcome = download(app.path(), &link);
                if (limit < n) {
                    EXPECT_EQ(outcome, Outcome::Failed) << c.k << " " << how;
                }
            }
            if (outcome != Outcome::Completed) {
                EXPECT_EQ(lastTime(app.path()), "") << c.k << " " << how;
            }
        }
        ASSERT_EQ(outcome, Outcome::Completed) << c.k << " " << how;
        EXPECT_GE(attempts, 2);
        EXPECT_EQ(differences(dataFiles(app.path()), *s_reference), "") << "k " << c.k << ", " << how;
    }
}

// The reference itself: the record-by-record method, stopped half-way and repeated, leaves what it leaves
// in one clean run.
TEST_F(GeneratedMonthDownload, RecordByRecordMethodInterruptedAndRepeatedLeavesItsOwnCleanResult) {
    const std::int64_t k = s_records / 2 + 1;
    TempFolder app(scratchBase());
    makeDirectory(app.file("Data"));
    bool completed = false;
    for (std::int64_t limit = k; !completed; limit += k) {
        FakeClock clock(kClockAt);
        FeedJvLink link(clock, s_feed->path());
        link.JVInit("UNKNOWN/MRVX/Marovix/Version.1.18");
        completed = referenceDownload(link, app.file("Data"), {kFrom, true, true, limit}).completed;
    }
    EXPECT_EQ(differences(dataFiles(app.path()), *s_reference), "");
}

// A disk that fills is a file size limit of the process: POSIX has one, Windows none.
#ifndef _WIN32
TEST_F(GeneratedMonthDownload, SaveCutShortByAWriteErrorLeavesTheOldFileWholeAndTheNextDownloadCompletesIt) {
    // Both folders begin with the trifecta odds of the first race of the first day.
    TempFolder app(scratchBase()), reference(scratchBase());
    makeDirectory(app.file("Data"));
    makeDirectory(reference.file("Data"));
    std::string first;
    for (const auto& entry : std::filesystem::directory_iterator(s_feed->file("stored")))
        if (entry.path().filename().string().find("_O60301") != std::string::npos) first = entry.path().string();
    ASSERT_FALSE(first.empty());
    const std::string feedBytes = *readFileBytes(first);
    const RecordDecision decision = decideRecord(feedBytes.substr(0, feedBytes.find("\r\n") + 2), 20250220, true);
    ASSERT_EQ(decision.outcome, RecordDecision::Outcome::Store);
    for (const TempFolder* folder : {&app, &reference})
        ASSERT_TRUE(StoreRecordLine(folder->file("Data/" + decision.fileName), decision.line, true).ok());
    const std::string oddsFile = app.file("Data/" + decision.fileName);
    const std::string before = *readFileBytes(oddsFile);

    Outcome outcome;
    {
        FileSizeLimit limit(1 << 20);  // a day's trifecta odds are about 3 MB, every other day file less than 1
        outcome = download(app.path());
    }
    EXPECT_EQ(outcome, Outcome::Failed);
    ASSERT_EQ(dialogs.informations.size(), 2u);
    EXPECT_EQ(dialogs.informations[1], "データ保存エラー:" + oddsFile + ": ファイルが大きすぎます");
    EXPECT_EQ(*readFileBytes(oddsFile), before) << "the old file stays whole";
    EXPECT_EQ(lastTime(app.path()), "");
    for (const auto& [name, bytes] : dataFiles(app.path()))
        EXPECT_EQ(name.find(".tmp"), std::string::npos) << name << " left behind";

    dialogs.informations.clear();
    EXPECT_EQ(download(app.path()), Outcome::Completed);
    FakeClock clock(kClockAt);
    FeedJvLink link(clock, s_feed->path());
    link.JVInit("UNKNOWN/MRVX/Marovix/Version.1.18");
    ASSERT_TRUE(referenceDownload(link, reference.file("Data"), {kFrom, true, true, -1}).completed);
    EXPECT_EQ(differences(dataFiles(app.path()), dataFiles(reference.path())), "");
}
#endif

}  // namespace
}  // namespace marovix::download_day_files_test
