#pragma once
#include <QPointer>
#include <QWidget>

#include "core/ports/Dialogs.h"

namespace marovix {

// Qt message boxes, folder and file choosers, and QApplication::beep.
class QtDialogs : public Dialogs {
public:
    void setParent(QWidget* parent) { m_parent = parent; }
    void beep() override;
    void information(const std::string& text) override;
    bool confirm(const std::string& text) override;
    void error(const std::string& text) override;
    std::optional<std::string> chooseFolder(const std::string& caption, const std::string& start) override;
    std::optional<std::string> chooseFile(const std::string& caption, const std::string& start,
                                          const std::string& filter) override;

private:
    QPointer<QWidget> m_parent;
};

}  // namespace marovix
