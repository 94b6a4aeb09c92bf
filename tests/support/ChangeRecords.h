#pragma once
// The announcement records of a race day for tests, made by RecordBuilder: whole records ending in CR LF.
// A record's data kind (position 3) and creation date (4-11) are those of `Stamp`; the meeting and day
// numbers are fixed ("0102"); announcement moments are "mmddhhmm".
#include <string>
#include <string_view>

#include "tests/support/DownloadRecords.h"

namespace marovix {

struct Stamp {
    char kind = '1';
    std::string created = "20240106";
};

// WE: weather and going of `course` on `date`, announced at `announced`, change kind 1 (initial state),
// 2 (weather) or 3 (going).
std::string weRecord(const std::string& date, const std::string& course, std::string_view announced, int changeKind,
                     int weather = 1, int turfGoing = 1, int dirtGoing = 1, const Stamp& stamp = {});
// AV: horse `horse` of the race scratched, announced at `announced`.
std::string avRecord(const RaceId& id, int horse, std::string_view announced, const Stamp& stamp = {});
// TC: the race's post time moved to `newPostTime` (hhmm) from `previousPostTime`, announced at `announced`.
std::string tcRecord(const RaceId& id, int newPostTime, std::string_view announced, int previousPostTime = 1540,
                     const Stamp& stamp = {});

}  // namespace marovix
