#include "ui/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "ui/QtText.h"

namespace marovix {

void QtDialogs::beep() { QApplication::beep(); }

void QtDialogs::information(const std::string& text) {
    QMessageBox::information(m_parent, QApplication::applicationDisplayName(), qs(text));
}

bool QtDialogs::confirm(const std::string& text) {
    return QMessageBox::question(m_parent, QApplication::applicationDisplayName(), qs(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtDialogs::error(const std::string& text) {
    QMessageBox::critical(m_parent, QApplication::applicationDisplayName(), qs(text));
}

std::optional<std::string> QtDialogs::chooseFolder(const std::string& caption, const std::string& start) {
    QString folder = QFileDialog::getExistingDirectory(m_parent, qs(caption), qs(start));
    if (folder.isEmpty()) return std::nullopt;
    return str(folder);
}

std::optional<std::string> QtDialogs::chooseFile(const std::string& caption, const std::string& start,
                                                 const std::string& filter) {
    QString file = QFileDialog::getOpenFileName(m_parent, qs(caption), qs(start), qs(filter));
    if (file.isEmpty()) return std::nullopt;
    return str(file);
}

}  // namespace marovix
