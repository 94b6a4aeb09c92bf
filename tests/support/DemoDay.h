#pragma once
// An application folder holding generated meeting days as a user has them after a download: the demo
// generator writes a feed for a few days and the stored-data download (through the JV-Link stand-in)
// stores it into <app>/Data. The companion files (computer index, own indexes) are placed as the demo
// command places them.
#include <string>
#include <vector>

#include "core/common/DateTime.h"
#include "tests/support/TempFolder.h"

namespace marovix {

struct DemoDayOptions {
    DateTime from{2025, 3, 1};
    DateTime to{2025, 3, 2};
    unsigned seed = 11;
    bool finalOdds = false;  // final odds make the download slower; most tests need none
    bool companions = true;  // Dir/lumidex pointed at the feed's companion folder, TCSV files copied
};

class DemoDay {
public:
    explicit DemoDay(DemoDayOptions options = {});

    const std::string& appFolder() const { return m_app.path(); }
    const std::string& feedFolder() const { return m_feed.path(); }
    // The meeting days downloaded, newest first (as DateCombo lists them).
    const std::vector<std::string>& days() const { return m_days; }
    // What went wrong while making the folder (empty when all went well).
    const std::vector<std::string>& problems() const { return m_problems; }

private:
    TempFolder m_feed;
    TempFolder m_app;
    std::vector<std::string> m_days;
    std::vector<std::string> m_problems;
};

}  // namespace marovix
