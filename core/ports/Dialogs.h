#pragma once
// Port: the user's dialogs and the system beep. The core never shows a window itself.
#include <optional>
#include <string>

namespace marovix {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void beep() = 0;
    // An information message with an OK button; returns when the user has read it.
    virtual void information(const std::string& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool confirm(const std::string& text) = 0;
    // An error that the user must see (for example a settings file that cannot be written).
    virtual void error(const std::string& text) = 0;
    // A folder chooser; nothing when the user cancels.
    virtual std::optional<std::string> chooseFolder(const std::string& caption, const std::string& start) = 0;
    // A file-open dialog with a filter such as "CSV (*.csv)"; nothing when the user cancels.
    virtual std::optional<std::string> chooseFile(const std::string& caption, const std::string& start,
                                                  const std::string& filter) = 0;
};

}  // namespace marovix
