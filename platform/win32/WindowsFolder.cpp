#include "platform/WindowsFolder.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace marovix {

std::string windowsFolder(const std::string& /*executableFolder*/) {
    wchar_t folder[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryW(folder, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) return {};
    return utf8Text(std::wstring_view(folder, length));
}

}  // namespace marovix
