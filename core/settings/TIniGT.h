#pragma once
// The settings component: reads and writes one ini file with the behaviour of the Windows
// private-profile functions. The file is CP932 with CR LF; every text given or returned is UTF-8.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/common/Result.h"
#include "core/settings/IniDocument.h"

namespace marovix {

// Folder used when the file name has no folder part.
enum class DefaultDir {
    ddApplication,  // the application folder
    ddWindows,      // the Windows folder
    ddNone,         // none: the name as it is, relative to the current folder
};

// The values of an ini file as they stood when it was read once: every read is answered from memory by
// the rules of TIniGT's reads (below), however the file changes afterwards.
class IniValues {
public:
    // No values: every read yields its default.
    IniValues() = default;
    explicit IniValues(std::shared_ptr<const IniDocument> document) : m_document(std::move(document)) {}

    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    bool ValueExists(std::string_view section, std::string_view key) const;

private:
    const std::string* storedValue(std::string_view section, std::string_view key) const;

    std::shared_ptr<const IniDocument> m_document;
};

class TIniGT {
public:
    // Bound to no file until setFileName; DefaultDir starts as ddApplication.
    TIniGT(std::string applicationFolder, std::string windowsFolder);

    // Binds the component to a file. A name with a folder part ("/") is the file's path; a bare
    // name is placed by DefaultDir.
    void setFileName(std::string_view name);
    // The path of the file the component reads and writes (empty while no name is set).
    const std::string& fileName() const { return m_path; }
    // Chooses the folder of a bare file name and places the current name again.
    void setDefaultDir(DefaultDir dir);
    DefaultDir defaultDir() const { return m_defaultDir; }

    // The largest settings file read (the program's own holds a few kilobytes). A larger one is refused
    // whole, without being held in memory: however long its lines, memory stays bounded.
    static constexpr std::size_t kMaxFileBytes = 1 << 20;

    // Reads never fail: a missing file, section or key, or a value that does not parse, yields
    // the default. Section and key names match without regard to ASCII letter case. Every read
    // sees the file as it is now, whoever wrote it last. A file that cannot be read (no regular file,
    // larger than kMaxFileBytes, no permission) reads as empty: every read yields its default, and
    // readProblem() says why.

    // The file read once: what an operation reads of its settings when it starts, so that it reads the file
    // once however many settings it uses. A later write does not change the values taken.
    IniValues snapshot() const;
    // How many times the file has been read to answer reads (each Read..., each snapshot, each
    // readProblem) since the component was made; writes are not counted.
    std::uint64_t fileReads() const { return m_fileReads; }

    // Why the file cannot be read now: "<path> を読み込めません(<reason>)。既定の設定で動作します。";
    // empty when it can be read or does not exist.
    std::string readProblem() const;

    // An integer (see ReadInteger), any non-zero value true.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    // Decimal with an optional sign, or hexadecimal after "$", "0x" or "0X" (up to 32 bits, taken
    // as a two's-complement pattern: "$FFFFFFFF" is -1). Anything else, "12ab" among it, or a
    // decimal beyond 32 bits, yields the default.
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    // The stored value, cut to its first 2047 characters, then: `""` and "｢｣" read as empty; a
    // longer value enclosed in double quotes, or in "｢" and "｣", reads without them; anything else
    // reads as stored. A missing key yields `defaultValue` exactly.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // True when the section holds the key, whatever its value.
    bool ValueExists(std::string_view section, std::string_view key) const;

    // Writes go to the file at once: it is read afresh, the one entry changes, and the file is
    // replaced safely, keeping every other line. A missing file is created. A file or folder that
    // cannot be written (or read, or that would grow beyond kMaxFileBytes) gives the error
    // "<path> に書き込めません" and leaves the file as it was.

    // Writes "1" or "0".
    Status WriteBool(std::string_view section, std::string_view key, bool value);
    // Writes decimal.
    Status WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    // Writes the text unchanged, never adding quotes (line breaks become blanks). A character that CP932
    // cannot hold is written as "?", and every later read, before a restart as after it, reads it so.
    Status WriteString(std::string_view section, std::string_view key, std::string_view value);

private:
    // Reads the file again and parses it when its bytes changed; notes why it could not be read.
    void refresh() const;
    void resolvePath();
    Status cannotWrite() const;

    std::string m_applicationFolder;
    std::string m_windowsFolder;
    std::string m_name;
    std::string m_path;
    DefaultDir m_defaultDir = DefaultDir::ddApplication;

    // Last bytes read from or written to m_path and their parsed form. Comparing whole bytes
    // (a settings file is a few kilobytes) sees every change, even two same-sized writes within
    // one tick of the file system's clock; parsing and conversion happen only after a change. A parsed
    // document is never changed once made: snapshots share it.
    mutable std::string m_cachedBytes;
    mutable std::shared_ptr<const IniDocument> m_cachedDocument = std::make_shared<const IniDocument>();
    mutable std::string m_readProblem;
    mutable std::uint64_t m_fileReads = 0;
};

}  // namespace marovix
