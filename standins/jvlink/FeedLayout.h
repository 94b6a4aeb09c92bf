#pragma once
// The layout of a feed folder of the JV-Link stand-in (docs/feed-layout.md): which dataspecs and keys it
// serves, which file names it serves, and the problems of a folder that does not fit, so that the
// stand-in can say what it does not serve instead of passing over it in silence.
#include <string>
#include <string_view>
#include <vector>

namespace marovix::feedlayout {

// "RACEMING" or its parts: four-character data IDs "RACE" and "MING", each at most once.
bool validStoredDataspec(std::string_view dataspec);
// "0B30", "0B12", "0B13", "0B17", "0B14".
bool isRealtimeDataspec(std::string_view dataspec);
// A key of the real-time dataspec: "0B30" a RaceKey16, "0B12" a DayKey8 or RaceKey16, the others a
// DayKey8. REQUIRES: isRealtimeDataspec(dataspec).
bool validRealtimeKey(std::string_view dataspec, std::string_view key);

// A file of the feed as listed: its path, name and time stamp ("yyyymmddhhnnss").
struct ListedFile {
    std::string path;
    std::string name;
    std::string stamp;
};

struct Listing {
    std::vector<ListedFile> files;      // ordered by stamp, then by name
    std::vector<std::string> problems;  // files not served and why, each with its path
};

// The stored files of a folder ("yyyymmddhhnnss_NAME.jvf"). A missing folder holds none, without a problem.
// A ".jvf" file whose name does not fit, whose stamp is no real moment, or that is not a regular file is
// not listed but named among the problems; files of other endings are none of the feed's business.
Listing listStoredFiles(const std::string& folder);
// The snapshots of a real-time key folder ("yyyymmddhhnnss.jvf"), with problems as above.
Listing listSnapshots(const std::string& folder);

// What is wrong with the feed folder itself: none chosen, missing, or not a folder. Empty when fine.
std::vector<std::string> feedFolderProblems(const std::string& feedFolder);
// The text of faults.txt. A missing file is no problem (no rules); one that cannot be read (or is not a
// regular file, or absurdly large) gives no rules and a problem naming it.
struct FaultsText {
    std::string text;
    std::string problem;  // empty when none
};
inline constexpr std::size_t kMaxFaultsBytes = 1 << 20;
FaultsText readFaultsFile(const std::string& path);
// The problems of the lines of faults.txt (as FeedFaults lists them), each with the file's path.
std::vector<std::string> faultsFileProblems(const std::string& faultsPath, const std::vector<std::string>& lines);

// Every problem of a feed folder that the stand-in would meet serving it: the folder, faults.txt (lines
// that are no rule, a file that cannot be read), stored files and real-time folders and snapshots that are
// not served.
std::vector<std::string> inspectFeed(const std::string& feedFolder);

}  // namespace marovix::feedlayout
