#pragma once
// The keys of the lines of the files that hold records one per line: a file holds one line per key, and
// a record stored into it replaces the line of its key. Each key is made of bytes of the line only, so
// the key of an empty or blank line is empty or blank.
//
//   file                                  key
//   day data files (.jvRA, .jvHR, ...)    positions 12-27 (RaceKey16)
//   change file .WE                       positions 12-34: meeting, announcement, change kind
//   change file .AV                       positions 12-27, then 36-37 (the horse number)
//   change file .TC                       positions 12-27
//
// Like the field accessors, the keys accept a whole record or a line and never fail; a line too short
// for a key gives a shorter key.
#include <string>
#include <string_view>

namespace marovix {

// The key of a line of one kind of file.
using LineKey = std::string (*)(std::string_view line);

// RaceKey16: the key of the day data files.
std::string raceLineKey(std::string_view line);
// The key of a line of a change file: weather and going (WE), a scratch (AV), a post-time change (TC).
std::string weLineKey(std::string_view line);
std::string avLineKey(std::string_view line);
std::string tcLineKey(std::string_view line);

}  // namespace marovix
