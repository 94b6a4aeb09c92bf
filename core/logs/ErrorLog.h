#pragma once
// The error log of data fetches, kept across runs in ErrorLog.txt (CP932, one entry per line).
#include <string>
#include <vector>

#include "core/common/DateTime.h"
#include "core/common/Result.h"
#include "core/logs/LogLines.h"

namespace marovix {

class ErrorLog {
public:
    static constexpr std::size_t kKeptLines = 300;

    explicit ErrorLog(std::string path) : m_path(std::move(path)) {}

    const std::string& path() const { return m_path; }
    // The lines as last loaded or saved, as text to show. The file keeps every byte of its lines.
    const std::vector<std::string>& lines() const { return m_lines.text(); }

    // At program start: load the file if present, keep its last 300 lines, add
    // "ソフト起動：yyyy/mm/dd hh:nn:ss" and the application folder, save.
    Status start(const DateTime& now, const std::string& appFolder);
    // AppendErrorLog: read the file again (the user may have edited it), add
    // "【エラー】hh:nn:ss：" + text, save. No trimming between starts.
    Status append(const std::string& text, const DateTime& now);

private:
    std::string m_path;
    LogLines m_lines;
};

}  // namespace marovix
