#pragma once
// The lines of a log file as their bytes on disk (CP932) and as text to show (UTF-8). A log keeps every
// byte of the lines it loaded, also bytes that are no valid CP932 (a user's own edits), and writes them
// back unchanged; only the lines the program adds are converted.
#include <string>
#include <vector>

#include "core/common/Result.h"

namespace marovix {

class LogLines {
public:
    // Loads the file; a missing file holds no lines.
    Status load(const std::string& path);
    // Adds a line given as UTF-8 text.
    void add(const std::string& text);
    // Keeps the last `count` lines.
    void keepLast(std::size_t count);
    // Writes every line, each followed by CR LF, safely.
    Status save(const std::string& path);
    // Adds the lines not yet in the file (those added since the last load, save or append) at its end,
    // each followed by CR LF. After a failure they stay unsaved and go with the next append.
    // With `durable` the lines are on the disk when it returns (see appendRawLines).
    Status appendUnsaved(const std::string& path, bool durable = false);
    // Takes back the last `count` lines. REQUIRES: they are not saved.
    void dropLast(std::size_t count);

    // The lines as text to show (bytes that are no CP932 shown as U+FFFD).
    const std::vector<std::string>& text() const { return m_text; }
    std::size_t size() const { return m_raw.size(); }

private:
    std::vector<std::string> m_raw;
    std::vector<std::string> m_text;
    std::size_t m_saved = 0;  // the first lines, known to be in the file
};

}  // namespace marovix
