#include "ui/FeedSettingsDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "standins/jvlink/FeedJvLink.h"
#include "standins/jvlink/FeedSettings.h"
#include "ui/QtText.h"

namespace marovix {

FeedSettingsDialog::FeedSettingsDialog(const QString& feedFolder, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FeedSettingsDialog"));
    setWindowTitle(QStringLiteral("JV-Link設定（フィード）"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("JV-Dataを配信するフィードフォルダ"), this));
    auto* row = new QHBoxLayout;
    m_folder = new QLineEdit(feedFolder, this);
    m_folder->setObjectName(QStringLiteral("FeedFolderEdit"));
    m_folder->setMinimumWidth(360);
    auto* browse = new QPushButton(QStringLiteral("参照..."), this);
    connect(browse, &QPushButton::clicked, this, [this] {
        QString folder = QFileDialog::getExistingDirectory(this, windowTitle(), m_folder->text());
        if (!folder.isEmpty()) m_folder->setText(folder);
    });
    row->addWidget(m_folder);
    row->addWidget(browse);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QString FeedSettingsDialog::feedFolder() const { return m_folder->text().trimmed(); }

int runFeedSettingsDialog(FeedJvLink& jvLink) {
    FeedSettingsDialog dialog(qs(jvLink.feedFolder()), QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) return 0;
    std::string folder = str(dialog.feedFolder());
    jvLink.setFeedFolder(folder);
    Status saved = FeedSettings{folder}.save();
    if (!saved) {
        QMessageBox::critical(QApplication::activeWindow(), dialog.windowTitle(), qs(saved.error()));
        return -100;
    }
    return 0;
}

}  // namespace marovix
