#include "core/logs/LogLines.h"

#include <algorithm>

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
    m_saved = m_raw.size();
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
    m_saved = m_saved > static_cast<std::size_t>(drop) ? m_saved - static_cast<std::size_t>(drop) : 0;
}

Status LogLines::save(const std::string& path) {
    Status status = writeRawLines(path, m_raw);
    if (status) m_saved = m_raw.size();
    return status;
}

Status LogLines::appendUnsaved(const std::string& path, bool durable) {
    Status status = appendRawLines(path, std::span<const std::string>(m_raw).subspan(m_saved), durable);
    if (status) m_saved = m_raw.size();
    return status;
}

void LogLines::dropLast(std::size_t count) {
    count = std::min(count, m_raw.size() - m_saved);
    m_raw.resize(m_raw.size() - count);
    m_text.resize(m_text.size() - count);
}

}  // namespace marovix
