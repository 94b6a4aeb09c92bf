#pragma once
// The dialogs port as the main model's handlers use it. A dialog that waits for the user lets the window's
// events run meanwhile, as a long operation's event pump does: before it shows, `before` runs, so that the
// window shows what the handler has changed so far (the notices it has collected are sent).
#include <functional>
#include <optional>
#include <string>

#include "core/ports/Dialogs.h"

namespace marovix {

class ModalDialogs : public Dialogs {
public:
    // REQUIRES: `dialogs` outlives this object.
    ModalDialogs(Dialogs& dialogs, std::function<void()> before) : m_dialogs(dialogs), m_before(std::move(before)) {}

    void beep() override { m_dialogs.beep(); }
    void information(const std::string& text) override {
        m_before();
        m_dialogs.information(text);
    }
    bool confirm(const std::string& text) override {
        m_before();
        return m_dialogs.confirm(text);
    }
    void error(const std::string& text) override {
        m_before();
        m_dialogs.error(text);
    }
    std::optional<std::string> chooseFolder(const std::string& caption, const std::string& start) override {
        m_before();
        return m_dialogs.chooseFolder(caption, start);
    }
    std::optional<std::string> chooseFile(const std::string& caption, const std::string& start,
                                          const std::string& filter) override {
        m_before();
        return m_dialogs.chooseFile(caption, start, filter);
    }

private:
    Dialogs& m_dialogs;
    std::function<void()> m_before;
};

}  // namespace marovix
