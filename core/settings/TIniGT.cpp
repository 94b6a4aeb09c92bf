#include "core/settings/TIniGT.h"

#include <algorithm>
#include <optional>

#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"

namespace marovix {
namespace {

// The profile functions read a value into a buffer of 2048 characters, the last one the end mark.
constexpr std::size_t MaxValueCharacters = 2047;

constexpr std::string_view DoubleQuote = "\"";
constexpr std::string_view OpenCorner = "\xEF\xBD\xA2";   // ｢ U+FF62
constexpr std::string_view CloseCorner = "\xEF\xBD\xA3";  // ｣ U+FF63

bool isUtf8Lead(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) count += isUtf8Lead(c) ? 1 : 0;
    return count;
}

// The first `limit` characters of a UTF-8 text.
std::string_view firstCharacters(std::string_view text, std::size_t limit) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isUtf8Lead(text[i]) && seen++ == limit) return text.substr(0, i);
    }
    return text;
}

// Byte length of the first and of the last character of a non-empty UTF-8 text.
std::size_t firstCharacterBytes(std::string_view text) {
    std::size_t i = 1;
    while (i < text.size() && !isUtf8Lead(text[i])) ++i;
    return i;
}

std::size_t lastCharacterBytes(std::string_view text) {
    std::size_t i = text.size() - 1;
    while (i > 0 && !isUtf8Lead(text[i])) --i;
    return text.size() - i;
}

bool enclosedBy(std::string_view text, std::string_view open, std::string_view close) {
    return text.starts_with(open) && text.ends_with(close);
}

// The quoting rules of ReadString, applied to what was read.
std::string unquote(std::string_view read) {
    std::size_t length = characterCount(read);
    if (length == 2 && (read == "\"\"" || read == "\xEF\xBD\xA2\xEF\xBD\xA3")) return {};
    if (length > 2 && (enclosedBy(read, DoubleQuote, DoubleQuote) || enclosedBy(read, OpenCorner, CloseCorner))) {
        std::size_t front = firstCharacterBytes(read);
        return std::string(read.substr(front, read.size() - front - lastCharacterBytes(read)));
    }
    return std::string(read);
}

int digitValue(char c, int base) {
    int v = (c >= '0' && c <= '9')   ? c - '0'
            : (c >= 'a' && c <= 'f') ? c - 'a' + 10
            : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                     : 99;
    return v < base ? v : -1;
}

std::optional<std::int32_t> parseInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with("$")) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;
    // Hexadecimal spells a 32-bit pattern; decimal must fit the signed range.
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t value = 0;
    for (char c : text) {
        int digit = digitValue(c, base);
        if (digit < 0) return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > limit) return std::nullopt;
    }
    std::uint32_t bits = static_cast<std::uint32_t>(value);
    if (negative) bits = ~bits + 1u;
    return static_cast<std::int32_t>(bits);
}

}  // namespace

TIniGT::TIniGT(std::string applicationFolder, std::string windowsFolder)
    : m_applicationFolder(std::move(applicationFolder)), m_windowsFolder(std::move(windowsFolder)) {}

void TIniGT::setFileName(std::string_view name) {
    m_name = name;
    resolvePath();
}

void TIniGT::setDefaultDir(DefaultDir dir) {
    m_defaultDir = dir;
    resolvePath();
}

void TIniGT::resolvePath() {
    if (m_name.empty() || std::any_of(m_name.begin(), m_name.end(), isPathSeparator)) {
        m_path = m_name;
    } else if (m_defaultDir == DefaultDir::ddApplication) {
        m_path = joinPath(m_applicationFolder, m_name);
    } else if (m_defaultDir == DefaultDir::ddWindows) {
        m_path = joinPath(m_windowsFolder, m_name);
    } else {
        m_path = m_name;
    }
}

void TIniGT::refresh() const {
    std::string bytes;
    m_readProblem.clear();
    if (!m_path.empty()) {
        ++m_fileReads;
        // A missing file reads as empty. So does an unreadable one, a FIFO or folder in its place, or one
        // of absurd size, and it says so.
        auto read = readFileBytes(m_path, kMaxFileBytes);
        if (read) {
            bytes = std::move(*read);
        } else if (auto there = pathStatus(m_path, false); !there || there->kind != PathKind::Missing) {
            const std::string& error = read.error();
            const std::string reason = error.starts_with(m_path + ": ") ? error.substr(m_path.size() + 2) : error;
            m_readProblem = m_path + " を読み込めません(" + reason + ")。既定の設定で動作します。";
        }
    }
    if (bytes != m_cachedBytes) {
        m_cachedDocument = std::make_shared<const IniDocument>(bytes);
        m_cachedBytes = std::move(bytes);
    }
}

IniValues TIniGT::snapshot() const {
    refresh();
    return IniValues(m_cachedDocument);
}

std::string TIniGT::readProblem() const {
    refresh();
    return m_readProblem;
}

const std::string* IniValues::storedValue(std::string_view section, std::string_view key) const {
    return m_document ? m_document->find(section, key) : nullptr;
}

bool IniValues::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::int32_t IniValues::ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const {
    const std::string* stored = storedValue(section, key);
    if (!stored) return defaultValue;
    return parseInteger(*stored).value_or(defaultValue);
}

std::string IniValues::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const {
    const std::string* stored = storedValue(section, key);
    // The profile function would hand back the default wrapped in corner brackets, which the
    // rules below unwrap again; a default is returned whole, however long it is.
    if (!stored) return std::string(defaultValue);
    return unquote(firstCharacters(*stored, MaxValueCharacters));
}

bool IniValues::ValueExists(std::string_view section, std::string_view key) const {
    return storedValue(section, key) != nullptr;
}

bool TIniGT::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return snapshot().ReadBool(section, key, defaultValue);
}

std::int32_t TIniGT::ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const {
    return snapshot().ReadInteger(section, key, defaultValue);
}

std::string TIniGT::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const {
    return snapshot().ReadString(section, key, defaultValue);
}

bool TIniGT::ValueExists(std::string_view section, std::string_view key) const {
    return snapshot().ValueExists(section, key);
}

Status TIniGT::WriteBool(std::string_view section, std::string_view key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

Status TIniGT::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    return WriteString(section, key, std::to_string(value));
}

Status TIniGT::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    if (m_path.empty()) return cannotWrite();
    // A settings file that is a symbolic link is written where the link points.
    auto target = resolveLinks(m_path);
    if (!target || !isWritablePath(folderOf(*target))) return cannotWrite();
    std::string bytes;
    auto status = pathStatus(m_path);
    if (!status) return cannotWrite();
    const bool exists = status->kind != PathKind::Missing;
    if (exists) {
        // A file that cannot be read whole cannot be rewritten without losing its other lines.
        if (status->kind != PathKind::Regular || !isWritablePath(m_path)) return cannotWrite();
        auto read = readFileBytes(m_path, kMaxFileBytes);
        if (!read) return cannotWrite();
        bytes = std::move(*read);
    }
    IniDocument document = bytes == m_cachedBytes ? *m_cachedDocument : IniDocument(bytes);
    document.set(section, key, value);
    std::string updated = document.bytes();
    if (updated.size() > kMaxFileBytes) return cannotWrite();  // the file could not be read back
    if (!exists || updated != bytes) {
        if (!replaceFile(m_path, updated)) return cannotWrite();
    }
    // The component reads on from what the file now holds, not from the value as given: a character that
    // CP932 cannot hold was written as "?", and the program must read the setting as it will read it after
    // a restart.
    m_cachedDocument = std::make_shared<const IniDocument>(updated);
    m_cachedBytes = std::move(updated);
    return Status::success();
}

Status TIniGT::cannotWrite() const { return Error{m_path + " に書き込めません"}; }

}  // namespace marovix
