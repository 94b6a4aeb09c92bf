#include "cli/CliSession.h"

#include "cli/FeedOptions.h"

namespace marovix {

CliSession::CliSession(CliContext& context, const std::string& appFolder, const std::string& feed,
                       ConsoleDialogs::Options dialogs, const Clock* clock)
    : m_dialogs(dialogs), m_jvLink(makeFeedJvLink(feed, clock ? *clock : context.clock())) {
    m_model = std::make_unique<MainModel>(appFolder, context.sharedDataFolder(),
                                          MainPorts{*m_jvLink, m_dialogs, clock ? *clock : context.clock(), m_registry,
                                                    m_sound, m_opener, m_random, m_launcher});
    m_created = m_model->create();
}

CliSession::~CliSession() { close(); }

void CliSession::close() {
    if (m_closed || !m_created) return;
    m_closed = true;
    m_model->closeRequest(m_model->state().placement);
}

}  // namespace marovix
