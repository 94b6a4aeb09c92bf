#pragma once
#include <QDialog>

class QCheckBox;
class QDateEdit;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;

namespace marovix {

class StoredDataDownload;

// "ＪＶデータ取込": the stored-data download window, a view over StoredDataDownload. Its controls carry
// the names the rest of the system knows them by (object names) and show the download's options
// (CheckBox1, rbtNormal/rbtSetup, DateTimePicker1) and progress (ProgressBar1, ProgressBar2,
// ProgressLabel, MkDataLabel, the busy pointer); TimerJVStatus runs while the download polls its status. Pending events
// run between records (QCoreApplication::processEvents), so ButtonCancel works during a read; closing while a download
// runs offers to cancel it first.
class TGetDataForm : public QDialog {
    Q_OBJECT
public:
    // REQUIRES: `download` outlives the window. The window wires the download's hooks to itself.
    explicit TGetDataForm(StoredDataDownload& download, QWidget* parent = nullptr);
    ~TGetDataForm() override;

    // Shows the download's state now.
    void refresh();

public slots:
    // The close button, Escape and close() come here: refused while the download runs, unless the user
    // cancels it.
    void reject() override;

private:
    StoredDataDownload& m_download;
    QCheckBox* m_checkBox1;
    QRadioButton* m_rbtNormal;
    QRadioButton* m_rbtSetup;
    QDateEdit* m_dateTimePicker1;
    QProgressBar* m_progressBar1;
    QProgressBar* m_progressBar2;
    QLabel* m_progressLabel;
    QLabel* m_mkDataLabel;
    QPushButton* m_buttonStart;
    QPushButton* m_buttonCancel;
    QToolButton* m_speedButton1;
    QTimer* m_timerJVStatus;
    bool m_busyShown = false;
};

}  // namespace marovix
