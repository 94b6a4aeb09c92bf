#include "platform/win32/WideText.h"

#include <windows.h>

#include <cerrno>
#include <cstdio>

#include "core/common/FileFaults.h"

namespace marovix {
namespace {

struct ErrorMapping {
    DWORD windows;
    int error;
};

// The system's errors a file operation meets, as the error numbers of FileFaults.h.
constexpr ErrorMapping kErrors[] = {
    {ERROR_FILE_NOT_FOUND, ENOENT},
    {ERROR_PATH_NOT_FOUND, ENOENT},
    {ERROR_INVALID_DRIVE, ENOENT},
    {ERROR_BAD_NETPATH, ENOENT},
    {ERROR_BAD_NET_NAME, ENOENT},
    {ERROR_ACCESS_DENIED, EACCES},
    {ERROR_SHARING_VIOLATION, EBUSY},
    {ERROR_LOCK_VIOLATION, EBUSY},
    {ERROR_UNABLE_TO_REMOVE_REPLACED, EBUSY},
    {ERROR_UNABLE_TO_MOVE_REPLACEMENT, EBUSY},
    {ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, EBUSY},
    {ERROR_WRITE_PROTECT, EROFS},
    {ERROR_DISK_FULL, ENOSPC},
    {ERROR_HANDLE_DISK_FULL, ENOSPC},
    {ERROR_FILE_EXISTS, EEXIST},
    {ERROR_ALREADY_EXISTS, EEXIST},
    {ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG},
    {ERROR_DIRECTORY, ENOTDIR},
    {ERROR_DIR_NOT_EMPTY, ENOTEMPTY},
    {ERROR_NOT_SAME_DEVICE, EXDEV},
    {ERROR_INVALID_NAME, EINVAL},
    {ERROR_BAD_PATHNAME, EINVAL},
    {ERROR_INVALID_PARAMETER, EINVAL},
    {ERROR_NOT_ENOUGH_MEMORY, ENOMEM},
    {ERROR_OUTOFMEMORY, ENOMEM},
    {ERROR_TOO_MANY_OPEN_FILES, EMFILE},
    {ERROR_CRC, EIO},
    {ERROR_READ_FAULT, EIO},
    {ERROR_WRITE_FAULT, EIO},
    {ERROR_GEN_FAILURE, EIO},
    {ERROR_BAD_EXE_FORMAT, ENOEXEC},
};

}  // namespace

Error windowsError(const std::string& path, unsigned long code) {
    for (const ErrorMapping& known : kErrors)
        if (known.windows == code) return fileFault(path, known.error);
    return Error{path + ": システムエラーが発生しました(Windowsのエラー番号 " + std::to_string(code) + ")"};
}

std::wstring wideText(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

std::string utf8Text(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::string cp932OfWide(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, "?", nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data(), length, "?", nullptr);
    return bytes;
}

std::wstring wideOfCp932(std::string_view cp932) {
    if (cp932.empty()) return {};
    const int size = static_cast<int>(cp932.size());
    const int length = MultiByteToWideChar(932, 0, cp932.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(932, 0, cp932.data(), size, wide.data(), length);
    return wide;
}

std::wstring widePath(std::string_view utf8Path) {
    std::wstring path = wideText(utf8Path);
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return path;
}

std::string windowsErrorText(unsigned long code) {
    char number[16];
    std::snprintf(number, sizeof number, "0x%08lX", code);
    wchar_t* message = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::string text = number;
    if (length > 0 && message) {
        std::wstring_view wide(message, length);
        while (!wide.empty() && (wide.back() == L'\r' || wide.back() == L'\n' || wide.back() == L' '))
            wide.remove_suffix(1);
        text += " " + utf8Text(wide);
    }
    if (message) LocalFree(message);
    return text;
}

}  // namespace marovix
