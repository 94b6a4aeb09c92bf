#pragma once
// The lines of one ini file: section headers "[name]", entries "key=value" and anything else
// (comments, blank lines, stray text), matched the way the Windows profile functions match them.
#include <string>
#include <string_view>
#include <vector>

namespace marovix {

class IniDocument {
public:
    // Parses CP932 bytes (CR LF or LF line ends). Never fails: a line that is neither a section
    // header nor an entry is kept as it is and ignored by look-ups.
    explicit IniDocument(std::string_view cp932Bytes = {});

    // The stored value (UTF-8, blanks and tabs around it removed) of the first entry `key` in a
    // section `section`; both names match ASCII case-insensitively. Nullptr when missing.
    // The pointer stays valid until the document changes.
    const std::string* find(std::string_view section, std::string_view key) const;

    // Stores `value` (UTF-8) as it is. An existing entry keeps its key's spelling and place; a new
    // key goes after the last entry of the first matching section; a new section goes at the end,
    // spelled as given. Every other line keeps its bytes. Line breaks in `value` become blanks,
    // so that one value never turns into several lines.
    void set(std::string_view section, std::string_view key, std::string_view value);

    // The whole document as CP932 bytes, every line followed by CR LF.
    std::string bytes() const;

private:
    enum class LineKind { Other, Section, Entry };
    struct Line {
        std::string raw;  // CP932 bytes as read, or as encoded when the line was written
        LineKind kind = LineKind::Other;
        std::string name;   // section name or key, UTF-8, as spelled in the file
        std::string value;  // entries: the value, UTF-8, trimmed
    };

    static Line parseLine(std::string raw);
    static Line entryLine(std::string_view key, std::string_view value);
    // Index of the first entry line that matches, or npos.
    std::size_t findEntry(std::string_view section, std::string_view key) const;

    std::vector<Line> m_lines;
};

}  // namespace marovix
