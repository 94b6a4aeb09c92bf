#include "cli/CliSession.h"

#include <algorithm>
#include <cstdio>

namespace marovix {

CliSession::CliSession(CliContext& context, const std::string& appFolder, const std::string& feed,
                       ConsoleDialogs::Options dialogs, const Clock* clock)
    : m_ports(clock ? *clock : context.clock(), feed, dialogs),
      m_model(std::make_unique<MainModel>(appFolder, context.sharedDataFolder(), m_ports.mainPorts())) {
    m_created = m_model->create();
}

CliSession::~CliSession() { close(); }

void CliSession::close() {
    if (m_closed || !m_created) return;
    m_closed = true;
    m_model->closeRequest(m_model->state().placement);
}

bool CliSession::ready() {
    if (!m_created) printMessages();
    return m_created;
}

void CliSession::printMessages() {
    for (const auto& message : dialogs().messages()) std::fprintf(stderr, "%s\n", message.c_str());
}

bool CliSession::dayListed(const std::string& day, const std::string& command) {
    const auto& days = m_model->state().dateCombo;
    if (std::find(days.begin(), days.end(), day) != days.end()) return true;
    std::fprintf(stderr, "marovix-cli %s: no meeting day %s in %s\n", command.c_str(), day.c_str(),
                 m_model->folders().dataFolder().c_str());
    return false;
}

}  // namespace marovix
