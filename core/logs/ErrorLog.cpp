#include "core/logs/ErrorLog.h"

#include "core/common/TextFile.h"

namespace marovix {

Status ErrorLog::load() {
    m_lines.clear();
    if (!fileExists(m_path)) return Status::success();  // a missing log starts empty
    auto lines = readTextLines(m_path);
    if (!lines) return Error{lines.error()};
    m_lines = std::move(*lines);
    return Status::success();
}

Status ErrorLog::start(const DateTime& now, const std::string& appFolder) {
    if (Status status = load(); !status) return status;
    if (m_lines.size() > kKeptLines) m_lines.erase(m_lines.begin(), m_lines.end() - kKeptLines);
    m_lines.push_back("ソフト起動：" + now.slashText());
    m_lines.push_back(appFolder);
    return writeTextLines(m_path, m_lines);
}

Status ErrorLog::append(const std::string& text, const DateTime& now) {
    if (Status status = load(); !status) return status;
    m_lines.push_back("【エラー】" + now.timeText() + "：" + text);
    return writeTextLines(m_path, m_lines);
}

}  // namespace marovix
