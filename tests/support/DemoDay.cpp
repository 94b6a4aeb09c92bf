#include "tests/support/DemoDay.h"

#include <filesystem>

#include "core/jv/StoredDataDownload.h"
#include "core/race/MeetingDays.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "standins/feedgen/FeedWriter.h"
#include "standins/jvlink/FeedJvLink.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeDialogs.h"

namespace marovix {

DemoDay::DemoDay(DemoDayOptions options) {
    feedgen::FeedOptions feed;
    feed.from = options.from;
    feed.to = options.to;
    feed.seed = options.seed;
    feed.folder = m_feed.path();
    feed.extraMeetingDays = {options.from, options.to};
    auto written = feedgen::FeedWriter(feed).write();
    if (!written) m_problems.push_back("feed: " + written.error());

    // The download runs the evening after the last day, so its results exist.
    FakeClock clock(options.to.addDays(1));
    FeedJvLink link(clock, m_feed.path());
    FakeDialogs dialogs;
    if (link.JVInit("UNKNOWN/MRVX/Marovix/Version.1.18") != 0) m_problems.push_back("JVInit failed");
    Settings settings(m_app.path(), m_app.path() + "/share", clock);
    const std::string data = m_app.file("Data");
    std::filesystem::create_directories(data);
    ReadCancelFlag cancelled;
    StoredDataDownload download(DownloadPorts{link, dialogs, clock, settings, data, cancelled, {}});
    download.setSetupData(true);
    download.setFinalOdds(options.finalOdds);
    download.setFrom(options.from.addDays(-7));
    if (download.runUnattended({}) != StoredDataDownload::Outcome::Completed)
        m_problems.push_back("the download did not complete: " + download.progress().text);

    if (options.companions) {
        const std::string companions = m_feed.file("companions");
        if (!settings.writeText(settings::DirLumidex, companions + "/Lumidex"))
            m_problems.push_back("settings cannot be written");
        std::filesystem::create_directories(m_app.file("TCSV"));
        for (const auto& entry : std::filesystem::directory_iterator(companions + "/TCSV"))
            std::filesystem::copy_file(entry.path(), m_app.file("TCSV/" + entry.path().filename().string()),
                                       std::filesystem::copy_options::overwrite_existing);
    }
    m_days = listMeetingDays(data);
}

}  // namespace marovix
