#include "cli/ConsolePorts.h"

#include "cli/FeedOptions.h"

namespace marovix {

ConsolePorts::ConsolePorts(const Clock& clock, const std::string& feed, ConsoleDialogs::Options dialogs)
    : m_clock(clock), m_dialogs(dialogs), m_jvLink(makeJvLink(feed, clock)) {}

MainPorts ConsolePorts::mainPorts() {
    return MainPorts{*m_jvLink, m_dialogs, m_clock, m_registry, m_sound, m_opener, m_random, m_launcher};
}

}  // namespace marovix
