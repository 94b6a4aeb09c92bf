#pragma once
// The program's adapter of every port, as the window runs them: made and owned here, handed to the main
// model as MainPorts. A new port is wired in this one place.
#include <functional>
#include <memory>
#include <optional>

#include "core/app/MainModel.h"
#include "core/common/DateTime.h"
#include "core/ports/Clock.h"
#include "platform/SeededRandom.h"
#include "platform/SystemPorts.h"
#include "ui/QtDialogs.h"
#ifdef _WIN32
#include "platform/win32/ComJvLink.h"
#include "platform/win32/Win32DocumentOpener.h"
#include "platform/win32/Win32Sound.h"
#else
#include "standins/jvlink/FeedJvLink.h"
#include "ui/QtDocumentOpener.h"
#include "ui/QtSound.h"
#endif

namespace marovix {

class WindowPorts {
public:
    // The clock starts at `at` (--at) when given. On Windows JV-Link is the component registered as
    // "JVDTLab.JVLink", through COM; elsewhere the stand-in, whose settings dialog is the feed settings window.
    // REQUIRES: a QApplication exists.
    explicit WindowPorts(const std::optional<DateTime>& at);
    WindowPorts(const WindowPorts&) = delete;
    WindowPorts& operator=(const WindowPorts&) = delete;

    // The ports as the main model takes them. REQUIRES: this object outlives the model.
    MainPorts mainPorts();

    JvLink& jvLink() { return m_jvLink; }
    QtDialogs& dialogs() { return m_dialogs; }
    // Where the faults of JV-Link's calls are logged (the error log) once the model that keeps it exists;
    // before, they are only shown.
    void setFaultLog(std::function<void(const std::string&)> log) { m_faultLog = std::move(log); }

private:
    std::unique_ptr<Clock> m_clock;                      // first: the stand-in runs on it
    std::function<void(const std::string&)> m_faultLog;  // before JV-Link, which reports through it
    SystemRegistry m_registry;
    QtDialogs m_dialogs;
    SeededRandom m_random;
    SystemVotePluginLauncher m_launcher;
#ifdef _WIN32
    Win32Sound m_sound;
    Win32DocumentOpener m_opener;
    ComJvLink m_jvLink;
#else
    QtSound m_sound;
    QtDocumentOpener m_opener;
    FeedJvLink m_jvLink;
#endif
};

}  // namespace marovix
