#include "ui/FeedSettingsDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "standins/jvlink/FeedJvLink.h"
#include "standins/jvlink/FeedLayout.h"
#include "standins/jvlink/FeedSettings.h"
#include "ui/QtText.h"

namespace marovix {

FeedSettingsDialog::FeedSettingsDialog(const QString& feedFolder, std::vector<std::string> problemsMet, QWidget* parent)
    : QDialog(parent), m_servedFolder(feedFolder), m_problemsMet(std::move(problemsMet)) {
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
        showProblems();
    });
    connect(m_folder, &QLineEdit::editingFinished, this, &FeedSettingsDialog::showProblems);
    row->addWidget(m_folder);
    row->addWidget(browse);
    layout->addLayout(row);
    layout->addWidget(new QLabel(QStringLiteral("フィードの問題（配信されないもの）"), this));
    m_problems = new QPlainTextEdit(this);
    m_problems->setObjectName(QStringLiteral("FeedProblems"));
    m_problems->setReadOnly(true);
    m_problems->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_problems->setMinimumHeight(120);
    layout->addWidget(m_problems);
    showProblems();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QString FeedSettingsDialog::feedFolder() const { return m_folder->text().trimmed(); }

void FeedSettingsDialog::showProblems() {
    std::vector<std::string> problems = feedlayout::inspectFeed(str(feedFolder()));
    if (feedFolder() == m_servedFolder) {
        for (const auto& problem : m_problemsMet)
            if (std::find(problems.begin(), problems.end(), problem) == problems.end()) problems.push_back(problem);
    }
    QStringList lines;
    for (const auto& problem : problems) lines << qs(problem);
    m_problems->setPlainText(lines.isEmpty() ? QStringLiteral("なし") : lines.join(QLatin1Char('\n')));
}

int runFeedSettingsDialog(FeedJvLink& jvLink) {
    FeedSettingsDialog dialog(qs(jvLink.feedFolder()), jvLink.problems(), QApplication::activeWindow());
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
