#include "ui/WindowPorts.h"

#include "platform/ProgramClock.h"
#include "ui/FeedSettingsDialog.h"

namespace marovix {

WindowPorts::WindowPorts(const std::optional<DateTime>& at) : m_clock(programClock(at)), m_jvLink(*m_clock) {
    m_jvLink.setSettingsDialog([](FeedJvLink& link) { return runFeedSettingsDialog(link); });
}

MainPorts WindowPorts::mainPorts() {
    return MainPorts{m_jvLink, m_dialogs, *m_clock, m_registry, m_sound, m_opener, m_random, m_launcher};
}

}  // namespace marovix
