#pragma once
// The JV-Link stand-in: a data component that serves JV-Data from a feed folder on disk (the layout is
// described in docs/feed-layout.md). Stored data go through JVOpen/JVStatus/JVRead with a simulated
// download; real-time data are the latest snapshot not later than the clock. Misuse gets JV-Link's own
// result codes, and the feed's "faults.txt" makes chosen calls fail on purpose.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/ports/Clock.h"
#include "core/ports/JvLink.h"
#include "standins/jvlink/FeedFaults.h"

namespace marovix {

class FeedJvLink : public JvLink {
public:
    // Serves the feed folder kept in the stand-in's own settings (FeedSettings::load()).
    // REQUIRES: `clock` outlives the component.
    explicit FeedJvLink(const Clock& clock);
    // Serves `feedFolder`.
    FeedJvLink(const Clock& clock, std::string feedFolder);
    ~FeedJvLink() override;

    const std::string& feedFolder() const { return m_feedFolder; }
    // Takes effect at the next open; a stream already open goes on with its files.
    void setFeedFolder(std::string folder) { m_feedFolder = std::move(folder); }
    // What JVSetUIProperties shows: the UI wires its settings dialog here (it may change the feed folder
    // and save it with FeedSettings); its result is JVSetUIProperties' result. Without one: 0.
    void setSettingsDialog(std::function<int(FeedJvLink&)> dialog) { m_settingsDialog = std::move(dialog); }
    // How many bytes of files one JVStatus fetches at most (a local feed is fetched at the pace of the disk,
    // not one file a poll of the download window). Tests set a small one to watch the count rise file by
    // file.
    static constexpr std::uint64_t kStatusByteBudget = 64ull << 20;
    void setStatusByteBudget(std::uint64_t bytes) { m_statusByteBudget = bytes; }
    // Lines of the feed's "faults.txt" that are no rule, as of its last reading.
    const std::vector<std::string>& faultProblems() const { return m_faults.problems(); }
    // The problems of the feed met so far, each once, in the order met, each naming its path: no feed
    // folder or a missing one, faults.txt lines that are no rule or a faults.txt that cannot be read,
    // files not served (a name that does not fit, a stamp that is no real moment), a line longer than any
    // record. The component behaves toward the program as described all the same; this is what it says.
    const std::vector<std::string>& problems() const { return m_problems; }
    // Told of each problem when it is first met (the command line prints it on standard error).
    void setProblemReporter(std::function<void(const std::string&)> reporter) {
        m_problemReporter = std::move(reporter);
    }

    bool isInstalled() override { return true; }
    // 0 ready; -101 empty id, -102 id of 64 bytes or more, -103 id beginning with a blank.
    int JVInit(const std::string& softwareId) override;
    int JVSetUIProperties() override;
    // "RACEMING" (or its parts "RACE", "MING"); option 1 or 3. -1 when no stored file is newer.
    int JVOpen(const std::string& dataspec, const std::string& fromTime, int option, int& readCount, int& downloadCount,
               std::string& lastFileTimestamp) override;
    // Each call fetches the next files in turn while their bytes fit the status budget (at least one file a
    // call, so the count always rises until the download is done); the result is the number fetched, up to
    // the download count.
    int JVStatus() override;
    // -1 when the key has no snapshot at or before the clock's time.
    int JVRTOpen(const std::string& dataspec, const std::string& key) override;
    // Whole records, byte-exact with their CR LF, whatever `size`; the file name of the record in
    // `fileName`. -3 while the file in turn is not downloaded yet (and that call fetches it).
    int JVRead(std::string& record, int size, std::string& fileName) override;
    // Stops the download; later reads give 0. A cancelled stream does not block the next open.
    int JVCancel() override;
    // Ends the stream (also when a fault makes it report an error); 0 when none is open.
    int JVClose() override;

private:
    struct Stream;

    // A path in the feed folder; empty when no feed folder is set.
    std::string feedPath(const std::string& tail) const;
    // Checks the feed folder and reads "faults.txt" again when its content changed (counts go on while it
    // is unchanged); problems are reported. False when there is no feed folder to serve.
    bool checkFeed();
    // Adds the problems not yet reported and tells the reporter of each.
    void reportProblems(const std::vector<std::string>& problems);
    // The fault code for the call; a call without one counts as passed for the rules.
    std::optional<int> fault(std::string_view operation, std::string_view dataspec);
    // -201 before JVInit, -202 while a stream is open (a cancelled one is dropped); 0 when free to open.
    int openAllowed();
    void startStream(std::unique_ptr<Stream> stream);
    void fetch(Stream& stream, std::size_t file);

    const Clock& m_clock;
    std::string m_feedFolder;
    std::function<int(FeedJvLink&)> m_settingsDialog;
    std::uint64_t m_statusByteBudget = kStatusByteBudget;
    bool m_initialised = false;
    std::unique_ptr<Stream> m_stream;
    // Stored files fetched in this run of the component (by path): later opens read them at once.
    std::set<std::string> m_downloaded;
    FeedFaults m_faults;
    std::string m_faultsText;
    std::vector<std::string> m_problems;
    std::set<std::string> m_reported;
    std::function<void(const std::string&)> m_problemReporter;
};

}  // namespace marovix
