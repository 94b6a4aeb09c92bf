#include "cli/CliSession.h"

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

}  // namespace marovix
