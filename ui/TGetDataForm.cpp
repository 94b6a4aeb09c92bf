#include "ui/TGetDataForm.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/jv/StoredDataDownload.h"
#include "ui/QtText.h"
#include "ui/WidgetNames.h"

namespace marovix {
namespace {

void showBar(QProgressBar* bar, const ProgressShare& share) {
    bar->setMaximum(std::max(share.total, 0));
    bar->setValue(std::clamp(share.done, 0, bar->maximum()));
}

}  // namespace

TGetDataForm::TGetDataForm(StoredDataDownload& download, QWidget* parent) : QDialog(parent), m_download(download) {
    setObjectName(QStringLiteral("TGetDataForm"));
    setWindowTitle(qs(StoredDataDownload::kCaption));
    setModal(true);

    auto* layout = new QVBoxLayout(this);

    auto* kind = named(new QGroupBox(QStringLiteral("取得データ"), this), "RadioGroup1");
    auto* kindLayout = new QHBoxLayout(kind);
    m_rbtNormal = named(new QRadioButton(QStringLiteral("通常データ"), kind), "rbtNormal");
    m_rbtSetup = named(new QRadioButton(QStringLiteral("セットアップデータ"), kind), "rbtSetup");
    kindLayout->addWidget(m_rbtNormal);
    kindLayout->addWidget(m_rbtSetup);
    layout->addWidget(kind);

    auto* from = new QHBoxLayout;
    from->addWidget(caption("取得開始日付", this));
    m_dateTimePicker1 = named(new QDateEdit(this), "DateTimePicker1");
    m_dateTimePicker1->setCalendarPopup(true);
    m_dateTimePicker1->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    from->addWidget(m_dateTimePicker1);
    from->addStretch();
    layout->addLayout(from);

    m_checkBox1 = named(new QCheckBox(QStringLiteral("確定オッズも合わせて取得する"), this), "CheckBox1");
    layout->addWidget(m_checkBox1);
    auto* note =
        named(new QLabel(QStringLiteral("↑ここをチェックすると取得期間に取得済みのオッズがある場合は確定オッズに"
                                        "上書きされますので、ご注意ください。"),
                         this),
              "CheckBox1Note");
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* bars = new QGridLayout;
    bars->addWidget(caption("ダウンロード", this), 0, 0);
    m_progressBar1 = named(new QProgressBar(this), "ProgressBar1");
    bars->addWidget(m_progressBar1, 0, 1);
    bars->addWidget(caption("読込み", this), 1, 0);
    m_progressBar2 = named(new QProgressBar(this), "ProgressBar2");
    bars->addWidget(m_progressBar2, 1, 1);
    layout->addLayout(bars);

    m_progressLabel = named(new QLabel(this), "ProgressLabel");
    layout->addWidget(m_progressLabel);
    auto* made = new QHBoxLayout;
    made->addWidget(caption("作成データ", this));
    m_mkDataLabel = named(new QLabel(this), "MkDataLabel");
    m_mkDataLabel->setMinimumWidth(360);
    made->addWidget(m_mkDataLabel, 1);
    layout->addLayout(made);

    auto* buttons = new QHBoxLayout;
    m_buttonStart = named(new QPushButton(QStringLiteral("データ取込"), this), "ButtonStart");
    m_buttonCancel = named(new QPushButton(QStringLiteral("データ取込中止"), this), "ButtonCancel");
    m_speedButton1 = named(new QToolButton(this), "SpeedButton1");
    m_speedButton1->setText(QStringLiteral("JV-Link設定"));
    m_buttonStart->setAutoDefault(false);
    m_buttonCancel->setAutoDefault(false);
    buttons->addWidget(m_buttonStart);
    buttons->addWidget(m_buttonCancel);
    buttons->addStretch();
    buttons->addWidget(m_speedButton1);
    layout->addLayout(buttons);

    m_timerJVStatus = named(new QTimer(this), "TimerJVStatus");
    m_timerJVStatus->setInterval(StoredDataDownload::kStatusIntervalMs);

    connect(m_checkBox1, &QCheckBox::clicked, this, [this](bool ticked) { m_download.CheckBox1Click(ticked); });
    connect(m_rbtNormal, &QRadioButton::clicked, this, [this] { m_download.setSetupData(false); });
    connect(m_rbtSetup, &QRadioButton::clicked, this, [this] { m_download.setSetupData(true); });
    connect(m_dateTimePicker1, &QDateEdit::dateChanged, this, [this](QDate date) {
        DateTime moment = m_download.options().from;  // the picker changes the date, not the time
        moment.year = date.year();
        moment.month = date.month();
        moment.day = date.day();
        m_download.setFrom(moment);
    });
    connect(m_buttonStart, &QPushButton::clicked, this, [this] { m_download.ButtonStartClick(); });
    connect(m_buttonCancel, &QPushButton::clicked, this, [this] { m_download.ButtonCancelClick(); });
    connect(m_speedButton1, &QToolButton::clicked, this, [this] { m_download.SpeedButton1Click(); });
    connect(m_timerJVStatus, &QTimer::timeout, this, [this] { m_download.TimerJVStatusTimer(); });
    connect(this, &QDialog::finished, this, [this] { m_download.FormClose(); });

    m_download.processEvents = [] { QCoreApplication::processEvents(); };
    // A component that answers "call again" is asked again after a short sleep, not at full speed; the
    // read loop lets events run before each call, so the window stays responsive.
    m_download.waitForData = [](int) { QThread::msleep(StoredDataDownload::kCallAgainWaitMs); };
    m_download.changed = [this] { refresh(); };
    // Posted: the read loop that asks is still on the stack.
    m_download.closeWindow = [this] { QMetaObject::invokeMethod(this, &TGetDataForm::reject, Qt::QueuedConnection); };
    refresh();
}

TGetDataForm::~TGetDataForm() {
    m_download.processEvents = nullptr;
    m_download.waitForData = nullptr;
    m_download.changed = nullptr;
    m_download.closeWindow = nullptr;
    if (m_busyShown) QApplication::restoreOverrideCursor();
}

void TGetDataForm::refresh() {
    const DownloadOptions& options = m_download.options();
    {
        QSignalBlocker blockBox(m_checkBox1), blockDate(m_dateTimePicker1);
        m_checkBox1->setChecked(options.finalOdds);
        (options.setupData ? m_rbtSetup : m_rbtNormal)->setChecked(true);
        m_dateTimePicker1->setDate(QDate(options.from.year, options.from.month, options.from.day));
    }
    const DownloadProgress& progress = m_download.progress();
    showBar(m_progressBar1, progress.fetched);
    showBar(m_progressBar2, progress.read);
    m_progressLabel->setText(qs(progress.text));
    m_mkDataLabel->setText(qs(progress.recordText));
    if (progress.statusPolling && !m_timerJVStatus->isActive()) m_timerJVStatus->start();
    if (!progress.statusPolling && m_timerJVStatus->isActive()) m_timerJVStatus->stop();
    if (progress.busy != m_busyShown) {
        m_busyShown = progress.busy;
        if (m_busyShown)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }
}

void TGetDataForm::reject() {
    if (!m_download.FormCloseQuery()) return;
    QDialog::reject();
}

}  // namespace marovix
