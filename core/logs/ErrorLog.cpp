#include "core/logs/ErrorLog.h"

namespace marovix {

Status ErrorLog::start(const DateTime& now, const std::string& appFolder) {
    if (Status status = m_lines.load(m_path); !status) return status;
    m_lines.keepLast(kKeptLines);
    m_lines.add("ソフト起動：" + now.slashText());
    m_lines.add(appFolder);
    return m_lines.save(m_path);
}

Status ErrorLog::append(const std::string& text, const DateTime& now) {
    if (Status status = m_lines.load(m_path); !status) return status;
    m_lines.add("【エラー】" + now.timeText() + "：" + text);
    return m_lines.save(m_path);
}

}  // namespace marovix
