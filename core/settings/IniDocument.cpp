#include "core/settings/IniDocument.h"

#include "core/common/Cp932.h"
#include "core/common/TextFile.h"
#include "core/common/Trim.h"

namespace marovix {
namespace {

constexpr std::size_t npos = std::string::npos;

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Names are compared in UTF-8, where bytes of non-ASCII characters are never ASCII letters, so
// folding ASCII bytes alone cannot make two different Japanese names equal.
bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    }
    return true;
}

std::string withoutLineBreaks(std::string_view value) {
    std::string out(value);
    for (char& c : out) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return out;
}

}  // namespace

IniDocument::IniDocument(std::string_view cp932Bytes) {
    for (std::string& raw : splitLines(cp932Bytes)) m_lines.push_back(parseLine(std::move(raw)));
}

IniDocument::Line IniDocument::parseLine(std::string raw) {
    Line line;
    std::string text = cp932ToUtf8(raw);
    line.raw = std::move(raw);
    std::string_view body = trimmed(text, Blanks::SpaceTab);
    if (body.empty() || body.front() == ';') return line;
    if (body.front() == '[') {
        std::size_t close = body.find(']');
        if (close != std::string_view::npos) {
            line.kind = LineKind::Section;
            line.name = trimmed(body.substr(1, close - 1), Blanks::SpaceTab);
        }
        return line;
    }
    std::size_t equals = body.find('=');
    if (equals == std::string_view::npos) return line;
    line.kind = LineKind::Entry;
    line.name = trimmed(body.substr(0, equals), Blanks::SpaceTab);
    line.value = trimmed(body.substr(equals + 1), Blanks::SpaceTab);
    return line;
}

IniDocument::Line IniDocument::entryLine(std::string_view key, std::string_view value) {
    Line line;
    line.kind = LineKind::Entry;
    line.name = key;
    line.value = trimmed(value, Blanks::SpaceTab);
    line.raw = utf8ToCp932(std::string(key) + "=" + std::string(value));
    return line;
}

std::size_t IniDocument::findEntry(std::string_view section, std::string_view key) const {
    bool inSection = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == LineKind::Section) {
            inSection = equalsNoCase(line.name, section);
        } else if (inSection && line.kind == LineKind::Entry && equalsNoCase(line.name, key)) {
            return i;
        }
    }
    return npos;
}

const std::string* IniDocument::find(std::string_view section, std::string_view key) const {
    std::size_t i = findEntry(section, key);
    return i == npos ? nullptr : &m_lines[i].value;
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    std::string clean = withoutLineBreaks(value);
    std::size_t existing = findEntry(section, key);
    if (existing != npos) {
        std::string spelling = m_lines[existing].name;
        m_lines[existing] = entryLine(spelling, clean);
        return;
    }
    // Place a new key after the last entry of the first matching section (or after its header),
    // so blank lines and comments that end the section stay below it.
    std::size_t header = npos;
    std::size_t insertAt = npos;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == LineKind::Section) {
            if (header != npos) break;
            if (equalsNoCase(line.name, section)) {
                header = i;
                insertAt = i + 1;
            }
        } else if (header != npos && line.kind == LineKind::Entry) {
            insertAt = i + 1;
        }
    }
    if (header != npos) {
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entryLine(key, clean));
        return;
    }
    if (!m_lines.empty() && !trimmed(m_lines.back().raw, Blanks::SpaceTab).empty()) m_lines.push_back(Line{});
    m_lines.push_back(parseLine(utf8ToCp932("[" + std::string(section) + "]")));
    m_lines.push_back(entryLine(key, clean));
}

std::string IniDocument::bytes() const {
    std::string out;
    std::size_t total = 0;
    for (const Line& line : m_lines) total += line.raw.size() + 2;
    out.reserve(total);
    for (const Line& line : m_lines) {
        out += line.raw;
        out += "\r\n";
    }
    return out;
}

}  // namespace marovix
