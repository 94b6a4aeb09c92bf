#pragma once
#include <QDialog>

class QLineEdit;

namespace marovix {

class FeedJvLink;

// The JV-Link stand-in's own settings dialog: which feed folder it serves.
class FeedSettingsDialog : public QDialog {
    Q_OBJECT
public:
    FeedSettingsDialog(const QString& feedFolder, QWidget* parent = nullptr);
    QString feedFolder() const;

private:
    QLineEdit* m_folder;
};

// Shows the dialog for the stand-in; on OK the stand-in serves the chosen folder and keeps it in its
// own settings file. Returns 0 (JV-Link's "done"), or -100 when the settings could not be saved.
int runFeedSettingsDialog(FeedJvLink& jvLink);

}  // namespace marovix
