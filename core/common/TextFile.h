#pragma once
// Whole-file reading and writing. Text files of the system are CP932 with CR LF line ends.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/Result.h"

namespace marovix {

// Reads the whole file as bytes. A missing or unreadable file is an error, and so is a path that is not a
// regular file (a folder, a FIFO, a device): such a path is never opened. The error names the path.
Result<std::string> readFileBytes(const std::string& path);
// The same, refusing a file of more than `maxBytes` bytes without holding more than that.
Result<std::string> readFileBytes(const std::string& path, std::size_t maxBytes);

// Replaces the file's content safely: the bytes go to a temporary file beside it (a name of this writer's
// own, TemporaryFiles.h), which is then renamed over the old file, so a crash or a full disk never leaves
// a half-written file. A symbolic link is followed: its target is replaced and the link stays. The new
// file keeps the old one's mode (and owner, where the system allows). A path that is not a regular file
// is an error and stays as it is. The first write into a folder removes the temporary files that killed
// runs left there.
Status replaceFile(const std::string& path, std::string_view bytes);

// The path a chain of symbolic links ends in (the path itself when it is no link; the target named by a
// link whose target does not exist yet). An error for a loop of links.
Result<std::string> resolveLinks(const std::string& path);

// Splits bytes into lines at LF, dropping a CR before it; a last line without its end is kept.
std::vector<std::string> splitLines(std::string_view bytes);

// Lines of a CP932 file, raw bytes (records are cut by byte position, so they stay unconverted).
Result<std::vector<std::string>> readRawLines(const std::string& path);
// The same, a missing file holding no lines; any other failure (a folder where the file belongs, a file
// that cannot be read) stays an error, so it is never taken for a missing file.
Result<std::vector<std::string>> readRawLinesIfPresent(const std::string& path);
// Writes raw byte lines, each followed by CR LF, safely.
Status writeRawLines(const std::string& path, const std::vector<std::string>& lines);
// Adds raw byte lines, each followed by CR LF, at the end of the file, which is made when missing. A file
// whose last line lacks its end gets CR LF first, so no line is joined to another. Only a regular file
// is written to (a link is followed). A write that fails part way is taken back: the file is either as
// it was or ends in all the lines. With `durable` the lines are on the disk when it returns (fdatasync,
// and the folder synced when the file was made), and lines that could not be synced are taken back.
Status appendRawLines(const std::string& path, std::span<const std::string> lines, bool durable = false);

// Lines of a CP932 text file converted to UTF-8.
Result<std::vector<std::string>> readTextLines(const std::string& path);
// Writes UTF-8 lines as CP932, each followed by CR LF, safely.
Status writeTextLines(const std::string& path, const std::vector<std::string>& lines);

bool fileExists(const std::string& path);
bool directoryExists(const std::string& path);
// Creates the folder (not its parents) when missing; a folder made meanwhile by another thread or process
// counts as made. The error carries the system's error text.
Status makeDirectory(const std::string& path);
// Creates the folder and whatever of its parents is missing.
Status makeDirectories(const std::string& path);

// Joins a folder and a tail with one separator: the system's own (PathSeparator of SystemFiles.h, "/"
// on Linux, "\\" on Windows), unless the folder already ends in one.
std::string joinPath(std::string_view folder, std::string_view tail);
// The folder part of a path ("." when it has none; the root stays the root).
std::string folderOf(const std::string& path);
// The last part of a path, after its last separator.
std::string fileNameOf(const std::string& path);

}  // namespace marovix
