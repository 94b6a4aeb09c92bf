#include "core/jv/JvReadLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/DownloadRecords.h"
#include "tests/support/ScriptedJvLink.h"

namespace marovix::jv_read_loop_test {
namespace {

using Next = JvReadLoop::Next;
using OpenKind = JvReadLoop::StoredOpening::Kind;
using StepKind = JvReadLoop::StatusStep::Kind;
using EndKind = JvReadLoop::ReadEnd::Kind;

class JvReadLoopTest : public ::testing::Test {
protected:
    // A handler that notes every record and file end in `seen` and lets the read go on.
    JvReadLoop::Handler noting() {
        return {[this](const std::string& record, const std::string& fileName) {
                    seen.push_back("record " + record.substr(0, 2) + (fileName.empty() ? "" : " " + fileName));
                    return Next::Continue;
                },
                [this](const JvReadProgress& progress) {
                    seen.push_back("file end " + std::to_string(progress.filesRead) + "/" +
                                   std::to_string(progress.filesToRead) + " after " + std::to_string(progress.records));
                    return Next::Continue;
                }};
    }
    // Opens stored data that offers `files` files, none left to fetch.
    void openStored(int files) {
        jv.queueOpen({0, files, 0, "20240119153000"});
        ASSERT_EQ(loop.openStored("RACEMING", "20240106000000", 1).kind, OpenKind::Opened);
    }

    ScriptedJvLink jv;
    ReadCancelFlag cancelFlag;
    JvReadLoop loop{jv, cancelFlag};
    std::vector<std::string> seen;
};

TEST_F(JvReadLoopTest, StoredOpenLowersTheCancelFlagAndTellsWhatJvOpenGave) {
    struct Case {
        ScriptedJvLink::OpenResult open;
        OpenKind kind;
    };
    const Case cases[] = {
        {{0, 52, 3, "20240119153000"}, OpenKind::Opened},
        {{0, 52, 0, ""}, OpenKind::Opened},
        {{-1, 0, 0, ""}, OpenKind::NothingNew},
        {{0, 0, 0, "20240119153000"}, OpenKind::NothingNew},
        {{-504, 0, 0, ""}, OpenKind::Failed},
        {{-2, 0, 0, ""}, OpenKind::Failed},
    };
    for (const auto& c : cases) {
        ScriptedJvLink link;
        ReadCancelFlag flag;
        flag.raise();
        JvReadLoop reader(link, flag);
        link.queueOpen(c.open);
        const auto opening = reader.openStored("RACEMING", "20240106000000", 3);
        EXPECT_FALSE(flag.raised()) << c.open.result;
        EXPECT_EQ(link.callTexts(), std::vector<std::string>{"JVOpen RACEMING 20240106000000 3"});
        EXPECT_EQ(opening.kind, c.kind) << c.open.result;
        EXPECT_EQ(opening.result, c.open.result);
        EXPECT_EQ(opening.filesToRead, c.open.readCount);
        EXPECT_EQ(opening.filesToFetch, c.open.downloadCount);
        EXPECT_EQ(opening.lastFileTimestamp, c.open.lastFileTimestamp);
        const bool opened = c.kind == OpenKind::Opened;
        EXPECT_EQ(reader.progress().filesToRead, opened ? c.open.readCount : 0);
        EXPECT_EQ(reader.progress().filesToFetch, opened ? c.open.downloadCount : 0);
    }
}

TEST_F(JvReadLoopTest, RealTimeOpenLowersTheCancelFlagAndReadsWithTheGivenBufferSize) {
    cancelFlag.raise();  // left raised by a cancelled download
    jv.queueRTOpen(0);
    jv.queueFile({raRecord({}), hrRecord({})});
    EXPECT_EQ(loop.openRealTime("0B12", "20240106"), 0);
    EXPECT_FALSE(cancelFlag.raised());
    EXPECT_EQ(loop.read(60000, noting()).kind, EndKind::EndOfData);  // no file count to check against
    EXPECT_EQ(loop.close(), 0);
    EXPECT_EQ(jv.callTexts(), (std::vector<std::string>{"JVRTOpen 0B12 20240106", "JVRead 60000", "JVRead 60000",
                                                        "JVRead 60000", "JVRead 60000", "JVClose"}));
    EXPECT_EQ(seen, (std::vector<std::string>{"record RA", "record HR", "file end 1/0 after 2"}));

    jv.queueRTOpen(-202);
    EXPECT_EQ(loop.openRealTime("0B30", "2024010606010211"), -202);
}

TEST_F(JvReadLoopTest, StatusStepsCountFilesUpToTheDownloadCount) {
    jv.queueOpen({0, 4, 3, ""});
    loop.openStored("RACEMING", "20240106000000", 1);
    std::vector<int> told;
    loop.fetched = [&](const JvReadProgress& progress) { told.push_back(progress.filesFetched); };
    jv.queueStatus({0, 1, 5, 2, 3, -502});
    const std::vector<std::pair<StepKind, int>> expected = {
        {StepKind::Fetching, 0}, {StepKind::Fetching, 1}, {StepKind::Beyond, 5},
        {StepKind::Fetching, 2}, {StepKind::Fetched, 3},  {StepKind::Failed, -502},
    };
    for (const auto& [kind, result] : expected) {
        const auto step = loop.pollStatus();
        EXPECT_EQ(step.kind, kind) << result;
        EXPECT_EQ(step.result, result);
    }
    EXPECT_EQ(told, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(loop.progress().filesFetched, 3);
    EXPECT_EQ(jv.callCount("JVStatus"), 6);
}

TEST_F(JvReadLoopTest, ReadLetsEventsRunBeforeEveryCallAndWaitsOnCallAgain) {
    openStored(2);
    jv.queueReadCodes({-3});
    jv.queueRead(ScriptedJvLink::ReadResult::data(raRecord({}), "RACE20240106.jvf"));
    jv.queueReadCodes({-1, -2, -3});
    jv.queueFile({tmRecord({})});
    loop.processEvents = [&] { seen.push_back("events"); };
    loop.waitForData = [&](int result) { seen.push_back("wait " + std::to_string(result)); };
    const auto end = loop.read(100000, noting());
    EXPECT_EQ(end.kind, EndKind::EndOfData);
    EXPECT_EQ(seen, (std::vector<std::string>{"events", "wait -3", "events", "record RA RACE20240106.jvf", "events",
                                              "file end 1/2 after 1", "events", "wait -2", "events", "wait -3",
                                              "events", "record TM", "events", "file end 2/2 after 2", "events"}));
    EXPECT_EQ(jv.callCount("JVRead"), 8);
    EXPECT_EQ(loop.progress().filesRead, 2);
    EXPECT_EQ(loop.progress().records, 2);
}

TEST_F(JvReadLoopTest, EachReadResultEndsTheReadOrNotAsJvLinkDefinesIt) {
    struct Case {
        std::vector<int> codes;  // after one record of a stream offering one file
        EndKind end;
        int result;
        int reads;
    };
    const Case cases[] = {
        {{-1, 0}, EndKind::EndOfData, 0, 3},         {{0}, EndKind::EndedEarly, 0, 2},  // the offered file never ended
        {{-1, -1, 0}, EndKind::EndedEarly, 0, 4},  // more files ended than were offered
        {{-2, -3, -1, 0}, EndKind::EndOfData, 0, 5}, {{-4}, EndKind::Failed, -4, 2},
        {{-1, -402, 0}, EndKind::Failed, -402, 3},   {{-502}, EndKind::Failed, -502, 2},
    };
    for (const auto& c : cases) {
        ScriptedJvLink link;
        JvReadLoop reader(link, cancelFlag);
        link.queueOpen({0, 1, 0, ""});
        reader.openStored("RACEMING", "20240106000000", 1);
        link.queueRead(ScriptedJvLink::ReadResult::data(raRecord({})));
        link.queueReadCodes(c.codes);
        int records = 0;
        const auto end = reader.read(100000, {[&](const std::string&, const std::string&) {
                                                  ++records;
                                                  return Next::Continue;
                                              },
                                              {}});
        EXPECT_EQ(end.kind, c.end) << ::testing::PrintToString(c.codes);
        EXPECT_EQ(end.result, c.result) << ::testing::PrintToString(c.codes);
        EXPECT_EQ(link.callCount("JVRead"), c.reads) << ::testing::PrintToString(c.codes);
        EXPECT_EQ(records, 1);
    }
}

TEST_F(JvReadLoopTest, RaisedCancelFlagStopsBeforeTheFirstRead) {
    openStored(1);
    jv.queueFile({raRecord({})});
    cancelFlag.raise();  // raised after the open, as a cancel clicked meanwhile does
    EXPECT_EQ(loop.read(100000, noting()).kind, EndKind::Cancelled);
    EXPECT_EQ(jv.callCount("JVRead"), 0);
    EXPECT_TRUE(seen.empty());
}

TEST_F(JvReadLoopTest, CancelWhileEventsRunStopsAfterTheRecordInHand) {
    openStored(1);
    for (int race = 1; race <= 4; ++race)
        jv.queueRead(ScriptedJvLink::ReadResult::data(raRecord({"20240106", "06", race})));
    jv.queueReadCodes({-1});
    int events = 0;
    loop.processEvents = [&] {
        if (++events == 3) loop.cancel();
    };
    EXPECT_EQ(loop.read(100000, noting()).kind, EndKind::Cancelled);
    EXPECT_EQ(seen, (std::vector<std::string>{"record RA", "record RA"}));
    EXPECT_TRUE(cancelFlag.raised());
    EXPECT_EQ(jv.callTexts(), (std::vector<std::string>{"JVOpen RACEMING 20240106000000 1", "JVRead 100000",
                                                        "JVRead 100000", "JVCancel"}));
}

TEST_F(JvReadLoopTest, EndOfDataAfterACancelIsACancelNotTheEnd) {
    openStored(3);
    jv.queueRead(ScriptedJvLink::ReadResult::data(raRecord({})));
    jv.atRead(2, [&] { loop.cancel(); });  // the cancel comes while JVRead runs; the component then ends (0)
    EXPECT_EQ(loop.read(100000, noting()).kind, EndKind::Cancelled);
    EXPECT_EQ(jv.callCount("JVRead"), 2);
}

TEST_F(JvReadLoopTest, WaitForDataMayCancel) {
    openStored(1);
    jv.queueReadCodes({-3, -3, -3, -3});
    int waits = 0;
    loop.waitForData = [&](int) {
        if (++waits == 2) loop.cancel();
    };
    EXPECT_EQ(loop.read(100000, noting()).kind, EndKind::Cancelled);
    EXPECT_EQ(jv.callCount("JVRead"), 2);
}

TEST_F(JvReadLoopTest, HandlerStopsTheRead) {
    openStored(2);
    jv.queueFile({raRecord({}), hrRecord({}), tmRecord({})});
    jv.queueFile({raRecord({})});
    int records = 0;
    auto end = loop.read(
        100000,
        {[&](const std::string&, const std::string&) { return ++records == 2 ? Next::Stop : Next::Continue; }, {}});
    EXPECT_EQ(end.kind, EndKind::Stopped);
    EXPECT_EQ(jv.callCount("JVRead"), 2);

    // A file end may stop it too; the progress counts the file that ended.
    openStored(2);
    int filesSeen = 0;
    end = loop.read(100000, {[](const std::string&, const std::string&) { return Next::Continue; },
                             [&](const JvReadProgress& progress) {
                                 filesSeen = progress.filesRead;
                                 return Next::Stop;
                             }});
    EXPECT_EQ(end.kind, EndKind::Stopped);
    EXPECT_EQ(filesSeen, 1);
    EXPECT_EQ(jv.callCount("JVRead"), 4);  // the rest of the first file, then its end
}

TEST_F(JvReadLoopTest, CancelCallsJvCancelThenRaisesTheFlagAndCloseGivesJvCloseResult) {
    bool raisedDuringJvCancel = true;
    ReadCancelFlag flag;
    struct Watching : ScriptedJvLink {
        ReadCancelFlag* flag = nullptr;
        bool* raised = nullptr;
        int JVCancel() override {
            *raised = flag->raised();
            return ScriptedJvLink::JVCancel();
        }
    } link;
    link.flag = &flag;
    link.raised = &raisedDuringJvCancel;
    JvReadLoop reader(link, flag);
    reader.cancel();
    EXPECT_FALSE(raisedDuringJvCancel);
    EXPECT_TRUE(flag.raised());
    link.queueClose(-201);
    EXPECT_EQ(reader.close(), -201);
    EXPECT_EQ(link.callTexts(), (std::vector<std::string>{"JVCancel", "JVClose"}));
}

}  // namespace
}  // namespace marovix::jv_read_loop_test
