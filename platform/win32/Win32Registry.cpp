#include "platform/win32/Win32Registry.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace marovix {

std::string Win32Registry::localMachineString(const std::string& keyPath, const std::string& valueName) const {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, wideText(keyPath).c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY, &key) !=
        ERROR_SUCCESS)
        return {};
    const std::wstring name = wideText(valueName);
    std::wstring value;
    DWORD type = 0, bytes = 0;
    LSTATUS status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &bytes);
    // The value may grow between the two calls: asked again with the size it has then.
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        if (type != REG_SZ && type != REG_EXPAND_SZ) break;
        value.assign(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD got = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        status = RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &got);
        if (status == ERROR_SUCCESS) {
            value.resize(got / sizeof(wchar_t));
            // A stored text need not end in its terminating zero, or may hold several.
            if (const auto end = value.find(L'\0'); end != std::wstring::npos) value.resize(end);
            RegCloseKey(key);
            return type == REG_SZ || type == REG_EXPAND_SZ ? utf8Text(value) : std::string();
        }
        bytes = got;
    }
    RegCloseKey(key);
    return {};
}

}  // namespace marovix
