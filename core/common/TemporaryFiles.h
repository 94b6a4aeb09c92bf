#pragma once
// The temporary files of a safe replace (TextFile.h replaceFile): written beside the file they replace,
// named ".<file name>~<process id>-<number>.tmp", so that two writers (threads or processes) never share
// one and a leftover tells which process made it.
#include <string>
#include <string_view>

namespace marovix {

// A temporary name beside `path` that no other writer uses: this process's id and a number counted up
// for every call.
std::string temporaryPathFor(const std::string& path);

// The process id in a name of the temporary pattern above; 0 when the name is not of the pattern.
long temporaryFileOwner(std::string_view fileName);

// Removes the temporary files of the pattern above that a process no longer running left in `folder`
// (a killed run). Does the work once per folder and process; files of running processes, files of any
// other name and everything that is not a regular file are left alone.
void removeLeftoverTemporaryFiles(const std::string& folder);

}  // namespace marovix
