#include "ui/WindowPorts.h"

#include <QCoreApplication>
#include <QMetaObject>

#include "platform/ProgramClock.h"
#include "ui/FeedSettingsDialog.h"

namespace marovix {

#ifdef _WIN32
namespace {

// A JV-Link call that raised goes to the error log and is shown as the message JV-Link's own error would
// be; a JVOpen that does not return is logged and shown from the watchdog's thread through the window's
// event loop, so that the log is written on the window's thread only.
ComJvLink::Options comOptions(QtDialogs& dialogs, const std::function<void(const std::string&)>& faultLog) {
    ComJvLink::Options options;
    const auto logAndShow = [&dialogs, &faultLog](const std::string& text) {
        if (faultLog) faultLog(text);
        dialogs.error(text);
    };
    options.report = logAndShow;
    options.late = [logAndShow](const std::string& text) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [logAndShow, text] { logAndShow(text); }, Qt::QueuedConnection);
    };
    return options;
}

}  // namespace

WindowPorts::WindowPorts(const std::optional<DateTime>& at)
    : m_clock(programClock(at)), m_jvLink(comOptions(m_dialogs, m_faultLog)) {}
#else
WindowPorts::WindowPorts(const std::optional<DateTime>& at) : m_clock(programClock(at)), m_jvLink(*m_clock) {
    m_jvLink.setSettingsDialog([](FeedJvLink& link) { return runFeedSettingsDialog(link); });
}
#endif

MainPorts WindowPorts::mainPorts() {
    return MainPorts{m_jvLink, m_dialogs, *m_clock, m_registry, m_sound, m_opener, m_random, m_launcher};
}

}  // namespace marovix
