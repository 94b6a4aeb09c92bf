#pragma once
// The day's run log: log/yyyymmdd.log of the date the program started (entries after midnight go to
// the same file). The lines are held here for the log window; each save adds the new ones at the end
// of the file, so a save costs the lines it adds, not the day's whole log.
#include <functional>
#include <string>
#include <vector>

#include "core/common/DateTime.h"
#include "core/common/Result.h"
#include "core/logs/LogLines.h"

namespace marovix {

class DayLog {
public:
    explicit DayLog(std::string path) : m_path(std::move(path)) {}

    const std::string& path() const { return m_path; }
    // The lines as text to show; the file keeps every byte of the lines it held.
    const std::vector<std::string>& lines() const { return m_lines.text(); }

    // At start: load the file if present, add "============================" and
    // "■利用開始 yyyy/mm/dd hh:nn:ss", save.
    Status start(const DateTime& now);
    // At close: add "-----", "■利用終了 yyyy/mm/dd hh:nn:ss", "============================" and an
    // empty line, save.
    Status close(const DateTime& now);
    // AppendDayLog: add the lines; save them when `save` (an append that does not save leaves its
    // lines for the next saving append).
    Status append(const std::vector<std::string>& lines, bool save = true);
    // Adds the lines and puts them (with any lines still unsaved) on the disk before it returns: the
    // record written ahead of an act. When they cannot be written and synced, the lines are taken back
    // (they never reach the file later) and the error is returned.
    Status appendDurably(const std::vector<std::string>& lines);

private:
    std::string m_path;
    LogLines m_lines;
};

}  // namespace marovix
