#include "platform/win32/Win32DocumentOpener.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/win32/WideText.h"

namespace marovix {

bool Win32DocumentOpener::open(const std::string& pathOrUrl) {
    // A web address is handed over as it is; a path gets the system's separators.
    const bool url = pathOrUrl.find("://") != std::string::npos;
    const std::wstring target = url ? wideText(pathOrUrl) : widePath(pathOrUrl);
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;  // the shell's way of saying it started the handler
}

}  // namespace marovix
