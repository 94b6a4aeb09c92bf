#include "core/logs/DayLog.h"

namespace marovix {
namespace {
const char* const kSeparator = "============================";
}

Status DayLog::start(const DateTime& now) {
    if (Status status = m_lines.load(m_path); !status) return status;
    return append({kSeparator, "■利用開始 " + now.slashText()});
}

Status DayLog::close(const DateTime& now) { return append({"-----", "■利用終了 " + now.slashText(), kSeparator, ""}); }

Status DayLog::append(const std::vector<std::string>& lines, bool save) {
    for (const auto& line : lines) m_lines.add(line);
    if (!save) return Status::success();
    return m_lines.appendUnsaved(m_path);
}

Status DayLog::appendDurably(const std::vector<std::string>& lines) {
    for (const auto& line : lines) m_lines.add(line);
    Status status = m_lines.appendUnsaved(m_path, true);
    if (!status) m_lines.dropLast(lines.size());
    return status;
}

}  // namespace marovix
