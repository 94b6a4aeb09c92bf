#ifdef _WIN32
#include "tests/support/Win32Process.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <thread>

#include "platform/win32/WideText.h"
#include "tests/support/WindowsCommandLine.h"

namespace marovix {
namespace {

// Moves what `pipe` holds into `into` without blocking: true when something arrived or the pipe ended
// (it is then closed and null).
bool drain(void*& pipe, std::string& into) {
    if (!pipe) return false;
    DWORD available = 0;
    if (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available == 0) return false;
    char buffer[4096];
    DWORD read = 0;
    if (available > 0 && ReadFile(pipe, buffer, std::min<DWORD>(available, sizeof buffer), &read, nullptr) &&
        read > 0) {
        into.append(buffer, read);
        return true;
    }
    // The writing end closed (ERROR_BROKEN_PIPE) or the pipe failed: nothing more comes.
    CloseHandle(pipe);
    pipe = nullptr;
    return true;
}

std::atomic<bool> g_ctrlCArrived{false};

// Keeps the tests' process alive while it is on the console it sends Ctrl-C to.
BOOL WINAPI swallowCtrlC(DWORD event) {
    if (event != CTRL_C_EVENT) return FALSE;
    g_ctrlCArrived = true;
    return TRUE;
}

// Ctrl-C on the console of process `processId`, as a user presses it there: only a process attached to
// a console can raise its events, so the tests' process joins that console for the moment (its standard
// streams, a file or a pipe under a test runner, stay as they are), then returns to the console it came
// from, if any.
bool pressCtrlC(DWORD processId) {
    FreeConsole();
    if (!AttachConsole(processId)) {
        AttachConsole(ATTACH_PARENT_PROCESS);
        return false;
    }
    g_ctrlCArrived = false;
    SetConsoleCtrlHandler(swallowCtrlC, TRUE);
    const bool pressed = GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
    // The event reaches each process on a thread of its own: wait until this one has had it.
    for (int i = 0; pressed && i < 500 && !g_ctrlCArrived; ++i) Sleep(2);
    FreeConsole();
    SetConsoleCtrlHandler(swallowCtrlC, FALSE);
    AttachConsole(ATTACH_PARENT_PROCESS);
    return pressed;
}

void closeHandle(void*& handle) {
    if (handle) CloseHandle(handle);
    handle = nullptr;
}

}  // namespace

Win32Process::Win32Process(const std::string& program, const std::vector<std::string>& arguments, Streams streams,
                           Console console)
    : m_console(console) {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE outWrite = nullptr, errWrite = nullptr;
    // Only the program's ends are inherited; the test keeps the reading ends to itself.
    const auto makePipe = [&](void*& readEnd, HANDLE& writeEnd) {
        HANDLE readHandle = nullptr;
        if (!CreatePipe(&readHandle, &writeEnd, &inherited, 0)) return false;
        SetHandleInformation(readHandle, HANDLE_FLAG_INHERIT, 0);
        readEnd = readHandle;
        return true;
    };
    const bool apart = streams == Streams::Apart;
    HANDLE input =
        CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0, nullptr);
    bool started = makePipe(m_out, outWrite) && (!apart || makePipe(m_err, errWrite));
    PROCESS_INFORMATION info{};
    if (started) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_HIDE;
        startup.hStdInput = input;
        startup.hStdOutput = outWrite;
        startup.hStdError = apart ? errWrite : outWrite;
        const std::wstring application = widePath(program);
        std::wstring line = wideText(windowsCommandLine(program, arguments));
        const DWORD flags = console == Console::OfItsOwn ? CREATE_NEW_CONSOLE : 0;
        started = CreateProcessW(application.c_str(), line.data(), nullptr, nullptr, TRUE, flags, nullptr, nullptr,
                                 &startup, &info);
    }
    const DWORD error = GetLastError();
    // The program holds its own copies now: the pipes end when it (and what it passed them on to) ends.
    for (HANDLE handle : {outWrite, errWrite, input})
        if (handle && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    if (!started) {
        closeHandle(m_out);
        closeHandle(m_err);
        m_stderr = "cannot start " + program + ": " + windowsErrorText(error) + "\n";
        m_ended = true;
        return;
    }
    CloseHandle(info.hThread);
    m_process = info.hProcess;
    m_processId = info.dwProcessId;
}

Win32Process::~Win32Process() {
    if (m_process && !m_ended) TerminateProcess(m_process, 137);
    closeHandle(m_out);
    closeHandle(m_err);
    if (m_process) WaitForSingleObject(m_process, INFINITE);
    closeHandle(m_process);
}

bool Win32Process::pump(std::chrono::steady_clock::time_point until) {
    while (m_out || m_err) {
        const bool outMoved = drain(m_out, m_stdout);
        if (drain(m_err, m_stderr) || outMoved) return m_out || m_err;
        if (std::chrono::steady_clock::now() >= until) return true;
        // Anonymous pipes cannot be waited on: look again shortly.
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return false;
}

bool Win32Process::waitForOutput(const std::string& text, std::chrono::seconds deadline) {
    const auto until = std::chrono::steady_clock::now() + deadline;
    while (m_stdout.find(text) == std::string::npos) {
        if (std::chrono::steady_clock::now() >= until || !pump(until)) return m_stdout.find(text) != std::string::npos;
    }
    return true;
}

void Win32Process::signal(int sig) {
    if (!m_process || m_ended) return;
    if (sig != SIGINT || m_console != Console::OfItsOwn || !pressCtrlC(m_processId))
        TerminateProcess(m_process, 128 + static_cast<UINT>(sig));
}

int Win32Process::wait() {
    while (pump(std::chrono::steady_clock::time_point::max())) {
    }
    if (!m_ended) {
        WaitForSingleObject(m_process, INFINITE);
        DWORD code = 0;
        m_status = GetExitCodeProcess(m_process, &code) ? static_cast<int>(code) : -1;
        m_ended = true;
    }
    return m_status;
}

}  // namespace marovix
#endif
