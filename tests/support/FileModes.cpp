#include "tests/support/FileModes.h"

#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>

#include "platform/win32/WideText.h"
#endif

namespace marovix {

#ifdef _WIN32
bool makeReadOnly(const std::string& path) { return _wchmod(widePath(path).c_str(), _S_IREAD) == 0; }
bool makeWritable(const std::string& path) { return _wchmod(widePath(path).c_str(), _S_IREAD | _S_IWRITE) == 0; }
#else
bool makeReadOnly(const std::string& path) { return ::chmod(path.c_str(), 0444) == 0; }
bool makeWritable(const std::string& path) { return ::chmod(path.c_str(), 0644) == 0; }
#endif

}  // namespace marovix
