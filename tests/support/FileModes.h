#pragma once
// A file made read-only as its owner makes it: without write permission on POSIX, with the read-only
// attribute on Windows. Either way the program may read the file and may not write it.
#include <string>

namespace marovix {

// True when the file is read-only now.
bool makeReadOnly(const std::string& path);
// Gives the owner the right to write the file again (Windows removes no read-only file); true when done.
bool makeWritable(const std::string& path);

}  // namespace marovix
