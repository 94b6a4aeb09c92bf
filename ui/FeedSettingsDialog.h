#pragma once
#include <QDialog>
#include <string>
#include <vector>

class QLineEdit;
class QPlainTextEdit;

namespace marovix {

class FeedJvLink;

// The JV-Link stand-in's own settings dialog: which feed folder it serves, and what is wrong with the
// folder in the edit (FeedProblems): the problems the stand-in would meet serving it, and those it met
// while serving `feedFolder` (`problemsMet`, such as over-long lines found only by reading).
class FeedSettingsDialog : public QDialog {
    Q_OBJECT
public:
    FeedSettingsDialog(const QString& feedFolder, std::vector<std::string> problemsMet = {}, QWidget* parent = nullptr);
    QString feedFolder() const;
    // Looks at the folder in the edit again (done when the edit is left and after browsing).
    void showProblems();

private:
    QLineEdit* m_folder;
    QPlainTextEdit* m_problems;
    QString m_servedFolder;
    std::vector<std::string> m_problemsMet;
};

// Shows the dialog for the stand-in; on OK the stand-in serves the chosen folder and keeps it in its
// own settings file. Returns 0 (JV-Link's "done"), or -100 when the settings could not be saved.
int runFeedSettingsDialog(FeedJvLink& jvLink);

}  // namespace marovix
