#pragma once
// The JV-Link stand-in: a data component that serves JV-Data from a feed folder on disk.
#include <functional>
#include <string>

#include "core/jv/JvLink.h"

namespace marovix {

class FeedJvLink : public JvLink {
public:
    explicit FeedJvLink(std::string feedFolder = {});

    const std::string& feedFolder() const { return m_feedFolder; }
    void setFeedFolder(std::string folder) { m_feedFolder = std::move(folder); }
    // What JVSetUIProperties shows: the UI wires its settings dialog here; returns 0 when done.
    void setSettingsDialog(std::function<int(FeedJvLink&)> dialog) { m_settingsDialog = std::move(dialog); }

    bool isInstalled() override { return true; }
    int JVInit(const std::string& softwareId) override;
    int JVSetUIProperties() override;
    int JVOpen(const std::string& dataspec, const std::string& fromTime, int option, int& readCount,
               int& downloadCount, std::string& lastFileTimestamp) override;
    int JVStatus() override;
    int JVRTOpen(const std::string& dataspec, const std::string& key) override;
    int JVRead(std::string& record, int size, std::string& fileName) override;
    int JVCancel() override;
    int JVClose() override;

private:
    std::string m_feedFolder;
    std::function<int(FeedJvLink&)> m_settingsDialog;
    bool m_initialised = false;
};

}  // namespace marovix
