#include "standins/jvlink/FeedLayout.h"

#include "core/race/RecordFields.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <tuple>

#include "core/common/DateTime.h"
#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"
#include "standins/jvlink/FeedFaults.h"

namespace marovix::feedlayout {
namespace {

constexpr std::size_t kStampLength = 14;
constexpr std::string_view kFeedExtension = ".jvf";
constexpr const char* kNotServed = "; not served";

// The data IDs a stored-data dataspec is made of (four characters each).
constexpr std::string_view kStoredDataIds[] = {"RACE", "MING"};

// The real-time dataspecs and the lengths of their keys (DayKey8 or RaceKey16).
struct RealtimeDataspec {
    std::string_view dataspec;
    std::array<std::size_t, 2> keyLengths;
};
constexpr std::size_t kDayKey = IdField::dayKey8.length;
constexpr std::size_t kRaceKey = IdField::raceKey16.length;
constexpr RealtimeDataspec kRealtimeDataspecs[] = {
    {"0B30", {kRaceKey, kRaceKey}}, {"0B12", {kDayKey, kRaceKey}}, {"0B13", {kDayKey, kDayKey}},
    {"0B17", {kDayKey, kDayKey}},   {"0B14", {kDayKey, kDayKey}},
};

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

const RealtimeDataspec* realtimeDataspec(std::string_view dataspec) {
    for (const auto& entry : kRealtimeDataspecs)
        if (entry.dataspec == dataspec) return &entry;
    return nullptr;
}

// How a file name of the feed is made: the stamp, then `tail` ("_NAME.jvf" or ".jvf").
struct NameForm {
    const char* text;                // for the problem: "yyyymmddhhnnss_NAME.jvf"
    bool (*fits)(std::string_view);  // the part after the stamp
};

bool storedTail(std::string_view tail) {
    return tail.size() > 1 + kFeedExtension.size() && tail.front() == '_' && tail.ends_with(kFeedExtension);
}
bool snapshotTail(std::string_view tail) { return tail == kFeedExtension; }

constexpr NameForm kStoredForm{"yyyymmddhhnnss_NAME.jvf", storedTail};
constexpr NameForm kSnapshotForm{"yyyymmddhhnnss.jvf", snapshotTail};

Listing listFiles(const std::string& folder, const NameForm& form) {
    Listing listing;
    auto entries = listFolder(folder);
    if (!entries) {
        if (entries.errorKind() != ErrorKind::NotFound) listing.problems.push_back(entries.error());
        return listing;
    }
    for (const FolderEntry& entry : *entries) {
        const std::string& name = entry.name;
        if (!std::string_view(name).ends_with(kFeedExtension)) continue;
        const std::string path = joinPath(folder, name);
        const std::string_view stamp = std::string_view(name).substr(0, std::min(name.size(), kStampLength));
        if (stamp.size() < kStampLength || !allDigits(stamp) ||
            !form.fits(std::string_view(name).substr(kStampLength))) {
            listing.problems.push_back(path + ": the name is not " + form.text + kNotServed);
        } else if (!DateTime::parseCompact(stamp)) {
            listing.problems.push_back(path + ": the stamp " + std::string(stamp) + " is no real moment" + kNotServed);
        } else if (auto status = pathStatus(path); !status || status->kind != PathKind::Regular) {
            listing.problems.push_back(path + ": not a regular file" + kNotServed);
        } else {
            listing.files.push_back({path, name, std::string(stamp)});
        }
    }
    std::sort(listing.files.begin(), listing.files.end(), [](const ListedFile& a, const ListedFile& b) {
        return std::tie(a.stamp, a.name) < std::tie(b.stamp, b.name);
    });
    std::sort(listing.problems.begin(), listing.problems.end());
    return listing;
}

// The sub-folders of a folder by name, sorted; none when it cannot be listed.
std::vector<std::string> folderNames(const std::string& folder) {
    std::vector<std::string> names;
    auto entries = listFolder(folder);
    if (!entries) return names;
    for (const FolderEntry& entry : *entries) {
        if (entry.kind == PathKind::Folder) {
            names.push_back(entry.name);
        } else if (entry.kind == PathKind::Link) {
            if (auto status = pathStatus(joinPath(folder, entry.name)); status && status->kind == PathKind::Folder)
                names.push_back(entry.name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

void append(std::vector<std::string>& to, const std::vector<std::string>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

}  // namespace

bool validStoredDataspec(std::string_view dataspec) {
    if (dataspec.empty() || dataspec.size() % 4 != 0) return false;
    std::vector<std::string_view> seen;
    for (std::size_t i = 0; i < dataspec.size(); i += 4) {
        auto id = dataspec.substr(i, 4);
        if (std::find(std::begin(kStoredDataIds), std::end(kStoredDataIds), id) == std::end(kStoredDataIds) ||
            std::find(seen.begin(), seen.end(), id) != seen.end())
            return false;
        seen.push_back(id);
    }
    return true;
}

bool isRealtimeDataspec(std::string_view dataspec) { return realtimeDataspec(dataspec) != nullptr; }

bool validRealtimeKey(std::string_view dataspec, std::string_view key) {
    const RealtimeDataspec* entry = realtimeDataspec(dataspec);
    return entry && allDigits(key) &&
           std::find(entry->keyLengths.begin(), entry->keyLengths.end(), key.size()) != entry->keyLengths.end();
}

Listing listStoredFiles(const std::string& folder) { return listFiles(folder, kStoredForm); }

Listing listSnapshots(const std::string& folder) { return listFiles(folder, kSnapshotForm); }

std::vector<std::string> feedFolderProblems(const std::string& feedFolder) {
    if (feedFolder.empty()) return {"no feed folder is chosen; no data is served"};
    auto status = pathStatus(feedFolder);
    if (!status) return {status.error() + "; no data is served"};
    if (status->kind == PathKind::Missing) return {feedFolder + ": the feed folder does not exist; no data is served"};
    if (status->kind != PathKind::Folder) return {feedFolder + ": not a folder; no data is served"};
    return {};
}

FaultsText readFaultsFile(const std::string& path) {
    if (auto there = pathStatus(path, false); there && there->kind == PathKind::Missing) return {};
    auto bytes = readFileBytes(path, kMaxFaultsBytes);
    if (!bytes) return {{}, bytes.error() + "; no rule applies"};
    return {std::move(*bytes), {}};
}

std::vector<std::string> faultsFileProblems(const std::string& faultsPath, const std::vector<std::string>& lines) {
    std::vector<std::string> problems;
    for (const auto& line : lines) problems.push_back(faultsPath + " " + line + "  (not a rule; ignored)");
    return problems;
}

std::vector<std::string> inspectFeed(const std::string& feedFolder) {
    std::vector<std::string> problems = feedFolderProblems(feedFolder);
    if (!problems.empty()) return problems;

    const std::string faults = joinPath(feedFolder, "faults.txt");
    const FaultsText text = readFaultsFile(faults);
    if (text.problem.empty())
        append(problems, faultsFileProblems(faults, FeedFaults::parse(text.text).problems()));
    else
        problems.push_back(text.problem);
    append(problems, listStoredFiles(joinPath(feedFolder, "stored")).problems);

    const std::string realtime = joinPath(feedFolder, "realtime");
    for (const auto& dataspec : folderNames(realtime)) {
        const std::string dataspecFolder = joinPath(realtime, dataspec);
        if (!isRealtimeDataspec(dataspec)) {
            problems.push_back(dataspecFolder + ": no real-time dataspec" + kNotServed);
            continue;
        }
        for (const auto& key : folderNames(dataspecFolder)) {
            const std::string keyFolder = joinPath(dataspecFolder, key);
            if (!validRealtimeKey(dataspec, key)) {
                problems.push_back(keyFolder + ": no key of " + dataspec + kNotServed);
                continue;
            }
            append(problems, listSnapshots(keyFolder).problems);
        }
    }
    return problems;
}

}  // namespace marovix::feedlayout
