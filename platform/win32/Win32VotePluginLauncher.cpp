#include "platform/win32/Win32VotePluginLauncher.h"

#include <windows.h>

#include <shellapi.h>

#include "core/common/SystemFiles.h"
#include "platform/win32/WideText.h"

namespace marovix {
namespace {

Error refused(const std::string& what, DWORD code) { return windowsError(what, code); }

class Win32PluginRun : public PluginRun {
public:
    explicit Win32PluginRun(HANDLE process) : m_process(process) {}
    ~Win32PluginRun() override { CloseHandle(m_process); }  // the run goes on
    Win32PluginRun(const Win32PluginRun&) = delete;
    Win32PluginRun& operator=(const Win32PluginRun&) = delete;

    PluginRunState poll() override {
        if (!m_state.running()) return m_state;
        const DWORD waited = WaitForSingleObject(m_process, 0);
        if (waited == WAIT_TIMEOUT) return m_state;
        DWORD code = 0;
        if (waited == WAIT_OBJECT_0 && GetExitCodeProcess(m_process, &code))
            m_state = PluginRunState{PluginRunState::Kind::Exited, static_cast<int>(code)};
        else
            m_state = PluginRunState{PluginRunState::Kind::Unknown, 0};
        return m_state;
    }

private:
    HANDLE m_process;
    PluginRunState m_state;
};

class Win32RunLock : public PluginRunLock {
public:
    explicit Win32RunLock(HANDLE file) : m_file(file) {}
    ~Win32RunLock() override { CloseHandle(m_file); }  // the lock ends with the last handle of the open file
    Win32RunLock(const Win32RunLock&) = delete;
    Win32RunLock& operator=(const Win32RunLock&) = delete;
    HANDLE file() const { return m_file; }

private:
    HANDLE m_file;
};

}  // namespace

Result<std::unique_ptr<PluginRun>> Win32VotePluginLauncher::start(const std::string& program,
                                                                  const std::string& parameter,
                                                                  const std::string& workingFolder, PluginWindow window,
                                                                  PluginRunLock* passOn) {
    // ShellExecuteExW would open a folder or a document with whatever handles it: only a program file runs.
    auto status = pathStatus(program);
    if (!status) return status.failure();
    if (status->kind != PathKind::Regular) return refused(program, ERROR_FILE_NOT_FOUND);
    const std::wstring file = widePath(program), parameters = wideText(parameter), folder = widePath(workingFolder);
    SHELLEXECUTEINFOW start{};
    start.cbSize = sizeof start;
    // The process handle is kept; no error box of the shell; the start is complete when the call returns.
    start.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    start.lpVerb = L"open";
    start.lpFile = file.c_str();
    start.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    start.lpDirectory = folder.c_str();
    start.nShow = window == PluginWindow::Shown ? SW_SHOWNORMAL : SW_HIDE;
    if (!ShellExecuteExW(&start)) return refused(program, GetLastError());
    if (!start.hProcess) return refused(program, ERROR_INVALID_HANDLE);
    if (const auto* lock = dynamic_cast<Win32RunLock*>(passOn)) {
        // The run's own handle of the lock file, closed by the system when the run ends.
        HANDLE inRun = nullptr;
        (void)DuplicateHandle(GetCurrentProcess(), lock->file(), start.hProcess, &inRun, 0, FALSE,
                              DUPLICATE_SAME_ACCESS);
    }
    return std::unique_ptr<PluginRun>(std::make_unique<Win32PluginRun>(start.hProcess));
}

Result<std::unique_ptr<PluginRunLock>> Win32VotePluginLauncher::tryLock(const std::string& path) {
    // Only a regular file is locked: a device name would open something else.
    auto status = pathStatus(path);
    if (!status) return status.failure();
    if (status->kind != PathKind::Missing && status->kind != PathKind::Regular)
        return Error{path + ": 通常のファイルではありません", ErrorKind::Refused};
    HANDLE file = CreateFileW(widePath(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0 /* no sharing */, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        if (code == ERROR_SHARING_VIOLATION) return std::unique_ptr<PluginRunLock>();
        return refused(path, code);
    }
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        return Error{path + ": 通常のファイルではありません", ErrorKind::Refused};
    }
    return std::unique_ptr<PluginRunLock>(std::make_unique<Win32RunLock>(file));
}

}  // namespace marovix
