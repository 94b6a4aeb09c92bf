#include "core/logs/LogLines.h"

#include "core/common/Cp932.h"
#include "core/common/TextFile.h"

namespace marovix {

Status LogLines::load(const std::string& path) {
    m_raw.clear();
    m_text.clear();
    auto lines = readRawLinesIfPresent(path);  // a missing log starts empty
    if (!lines) return lines.failure();
    m_raw = std::move(*lines);
    m_text.reserve(m_raw.size());
    for (const auto& line : m_raw) m_text.push_back(cp932ToUtf8(line));
    return Status::success();
}

void LogLines::add(const std::string& text) {
    m_raw.push_back(utf8ToCp932(text));
    m_text.push_back(text);
}

void LogLines::keepLast(std::size_t count) {
    if (m_raw.size() <= count) return;
    const auto drop = static_cast<std::ptrdiff_t>(m_raw.size() - count);
    m_raw.erase(m_raw.begin(), m_raw.begin() + drop);
    m_text.erase(m_text.begin(), m_text.begin() + drop);
}

Status LogLines::save(const std::string& path) const { return writeRawLines(path, m_raw); }

}  // namespace marovix
