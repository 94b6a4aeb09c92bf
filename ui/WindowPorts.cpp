#include "ui/WindowPorts.h"

#include <QCoreApplication>
#include <QMetaObject>

#include "platform/ProgramClock.h"
#include "ui/FeedSettingsDialog.h"

namespace marovix {

#ifdef _WIN32
namespace {

// A JV-Link call that raised is shown as the message JV-Link's own error would be; a JVOpen that does not
// return is shown from the watchdog's thread through the window's event loop.
ComJvLink::Options comOptions(QtDialogs& dialogs) {
    ComJvLink::Options options;
    options.report = [&dialogs](const std::string& text) { dialogs.error(text); };
    options.late = [&dialogs](const std::string& text) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&dialogs, text] { dialogs.error(text); }, Qt::QueuedConnection);
    };
    return options;
}

}  // namespace

WindowPorts::WindowPorts(const std::optional<DateTime>& at)
    : m_clock(programClock(at)), m_jvLink(comOptions(m_dialogs)) {}
#else
WindowPorts::WindowPorts(const std::optional<DateTime>& at) : m_clock(programClock(at)), m_jvLink(*m_clock) {
    m_jvLink.setSettingsDialog([](FeedJvLink& link) { return runFeedSettingsDialog(link); });
}
#endif

MainPorts WindowPorts::mainPorts() {
    return MainPorts{m_jvLink, m_dialogs, *m_clock, m_registry, m_sound, m_opener, m_random, m_launcher};
}

}  // namespace marovix
