// The feed folder of the JV-Link stand-in, damaged: "faults.txt", file names in stored/, the bytes of a
// stored file and of a real-time snapshot, and the stand-in's own settings file. The folder is inspected,
// and the stand-in serves it through the read loop the program uses, a stored download ("RACEMING") and a
// real-time stream ("0B12"). Every record it hands over ends in CR LF and is no longer than the longest
// record a stream delivers.
//
// Input parts: faults.txt, the stored files' bytes (one file per name) and the snapshot's bytes, the
// stand-in's settings file, the names of the stored files (one per line).
#include <cstdint>
#include <string>
#include <vector>

#include "core/common/TextFile.h"
#include "core/jv/JvReadLoop.h"
#include "core/jv/ReadCancelFlag.h"
#include "fuzz/support/FuzzFolder.h"
#include "fuzz/support/FuzzParts.h"
#include "standins/jvlink/FeedFaults.h"
#include "standins/jvlink/FeedFileReader.h"
#include "standins/jvlink/FeedJvLink.h"
#include "standins/jvlink/FeedLayout.h"
#include "standins/jvlink/FeedSettings.h"
#include "tests/support/FakeClock.h"

namespace marovix {
namespace {

using fuzz::check;

constexpr std::size_t kMaxNames = 8;
// JVRead calls of a stream before the harness cancels it as a user would: far more than its files hold.
constexpr int kCallsBeforeCancel = 5000;
constexpr const char* kOperations[] = {"JVInit", "JVSetUIProperties", "JVOpen", "JVStatus", "JVRTOpen",
                                       "JVRead", "JVCancel",          "JVClose"};
constexpr const char* kDataspecs[] = {"RACEMING", "RACE", "MING", "0B30", "0B12", "0B13", "0B17", "0B14", ""};

void askFaults(std::string_view text) {
    FeedFaults faults = FeedFaults::parse(text);
    for (int round = 0; round < 3; ++round)
        for (const char* operation : kOperations)
            for (const char* dataspec : kDataspecs) {
                if (!faults.failure(operation, dataspec)) faults.passed(operation, dataspec);
            }
    faults.restart("JVRead");
    (void)faults.problems();
}

void checkRecord(const std::string& record) {
    check(record.ends_with("\r\n"), "a served record lacks its CR LF");
    check(record.size() <= FeedFileReader::kLongestRecord, "a served record is longer than any record");
}

void readFile(const std::string& path) {
    FeedFileReader reader(path);
    std::string record;
    for (int i = 0; reader.isOpen() && i < 100000; ++i) {
        const FeedFileReader::Next next = reader.next(record);
        if (next == FeedFileReader::Next::End) break;
        if (next == FeedFileReader::Next::Record) checkRecord(record);
    }
}

void readStream(JvReadLoop& loop) {
    // A faults.txt may make JVRead end a file or ask to be called again for ever ("JVRead -1", "JVRead -3"):
    // such a stream ends only when the user cancels (the cancel button, Ctrl-C in the command line).
    int calls = 0;
    loop.processEvents = [&] {
        if (++calls == kCallsBeforeCancel) loop.cancel();
    };
    JvReadLoop::Handler handler;
    handler.record = [](const std::string& record, const std::string&) {
        checkRecord(record);
        return JvReadLoop::Next::Continue;
    };
    (void)loop.read(100000, handler);
    (void)loop.close();
    loop.processEvents = {};
}

void serve(const std::string& feed) {
    const FakeClock clock{DateTime{2024, 1, 7, 12, 0, 0}};
    FeedJvLink link(clock, feed);
    ReadCancelFlag cancelled;
    JvReadLoop loop(link, cancelled);
    if (link.JVInit("UNKNOWN") != 0) return;
    const JvReadLoop::StoredOpening opening = loop.openStored("RACEMING", "20000101000000", 1);
    if (opening.kind == JvReadLoop::StoredOpening::Kind::Opened) {
        for (int i = 0; i < 1000; ++i) {
            const JvReadLoop::StatusStep step = loop.pollStatus();
            if (step.kind != JvReadLoop::StatusStep::Kind::Fetching) break;
        }
        readStream(loop);
    } else {
        (void)loop.close();
    }
    if (loop.openRealTime("0B12", "20240106") == 0)
        readStream(loop);
    else
        (void)loop.close();
    (void)link.problems();
}

// A name that stays a file of stored/.
bool usableName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos && name.size() < 200;
}

}  // namespace
}  // namespace marovix

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace marovix;
    const auto parts = fuzz::splitParts(fuzz::inputText(data, size), 4);
    const std::string_view faults = fuzz::partAt(parts, 0);
    const std::string_view stored = fuzz::partAt(parts, 1);
    askFaults(faults);

    const fuzz::FuzzFolder& folder = fuzz::FuzzFolder::fresh();
    const std::string feed = folder.makeFolder("feed");
    folder.makeFolder("feed/stored");
    if (!faults.empty()) folder.write("feed/faults.txt", faults);
    std::vector<std::string> names = splitLines(fuzz::partAt(parts, 3));
    if (names.size() > kMaxNames) names.resize(kMaxNames);
    for (const std::string& name : names) {
        (void)feedlayout::validStoredDataspec(name);
        if (feedlayout::isRealtimeDataspec(name.substr(0, 4)))
            (void)feedlayout::validRealtimeKey(name.substr(0, 4), name.size() > 4 ? name.substr(5) : "");
        if (usableName(name)) folder.write("feed/stored/" + name, stored);
    }
    folder.write("feed/realtime/0B12/20240106/20240106170000.jvf", stored);
    readFile(folder.write("alone.jvf", stored));

    (void)feedlayout::inspectFeed(feed);
    (void)feedlayout::listStoredFiles(feed + "/stored");
    serve(feed);

    folder.write("settings/jvlink-standin.ini", fuzz::partAt(parts, 2));
    (void)FeedSettings::load(folder.file("settings"));
    return 0;
}
