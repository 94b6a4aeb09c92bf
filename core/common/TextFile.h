#pragma once
// Whole-file reading and writing. Text files of the system are CP932 with CR LF line ends.
#include <string>
#include <string_view>
#include <vector>

#include "core/common/Result.h"

namespace marovix {

// Reads the whole file as bytes. A missing or unreadable file is an error.
Result<std::string> readFileBytes(const std::string& path);

// Replaces the file's content safely: the bytes go to a temporary file beside it, which is then
// renamed over the old file, so a crash or a full disk never leaves a half-written file.
Status replaceFile(const std::string& path, std::string_view bytes);

// Splits bytes into lines at LF, dropping a CR before it; a last line without its end is kept.
std::vector<std::string> splitLines(std::string_view bytes);

// Lines of a CP932 file, raw bytes (records are cut by byte position, so they stay unconverted).
Result<std::vector<std::string>> readRawLines(const std::string& path);
// Writes raw byte lines, each followed by CR LF, safely.
Status writeRawLines(const std::string& path, const std::vector<std::string>& lines);

// Lines of a CP932 text file converted to UTF-8.
Result<std::vector<std::string>> readTextLines(const std::string& path);
// Writes UTF-8 lines as CP932, each followed by CR LF, safely.
Status writeTextLines(const std::string& path, const std::vector<std::string>& lines);

bool fileExists(const std::string& path);
bool directoryExists(const std::string& path);
// Creates the folder (not its parents) when missing; a folder made meanwhile by another thread or process
// counts as made. The error carries the system's error text.
Status makeDirectory(const std::string& path);

// Joins a folder and a tail with one "/".
std::string joinPath(std::string_view folder, std::string_view tail);

}  // namespace marovix
