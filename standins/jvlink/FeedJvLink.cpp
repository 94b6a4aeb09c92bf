#include "standins/jvlink/FeedJvLink.h"

namespace marovix {

FeedJvLink::FeedJvLink(std::string feedFolder) : m_feedFolder(std::move(feedFolder)) {}

int FeedJvLink::JVInit(const std::string& softwareId) {
    if (softwareId.empty()) return -101;
    m_initialised = true;
    return 0;
}

int FeedJvLink::JVSetUIProperties() { return m_settingsDialog ? m_settingsDialog(*this) : 0; }

int FeedJvLink::JVOpen(const std::string&, const std::string&, int, int& readCount, int& downloadCount,
                       std::string& lastFileTimestamp) {
    readCount = downloadCount = 0;
    lastFileTimestamp.clear();
    return m_initialised ? -1 : -201;
}

int FeedJvLink::JVStatus() { return m_initialised ? 0 : -201; }
int FeedJvLink::JVRTOpen(const std::string&, const std::string&) { return m_initialised ? -1 : -201; }
int FeedJvLink::JVRead(std::string&, int, std::string&) { return m_initialised ? -203 : -201; }
int FeedJvLink::JVCancel() { return 0; }
int FeedJvLink::JVClose() { return 0; }

}  // namespace marovix
