#include "core/logs/DayLog.h"

#include "core/common/TextFile.h"

namespace marovix {
namespace {
const char* const kSeparator = "============================";
}

Status DayLog::start(const DateTime& now) {
    m_lines.clear();
    if (fileExists(m_path)) {
        auto lines = readTextLines(m_path);
        if (!lines) return Error{lines.error()};
        m_lines = std::move(*lines);
    }
    return append({kSeparator, "■利用開始 " + now.slashText()});
}

Status DayLog::close(const DateTime& now) { return append({"-----", "■利用終了 " + now.slashText(), kSeparator, ""}); }

Status DayLog::append(const std::vector<std::string>& lines, bool save) {
    m_lines.insert(m_lines.end(), lines.begin(), lines.end());
    if (!save) return Status::success();
    return writeTextLines(m_path, m_lines);
}

}  // namespace marovix
