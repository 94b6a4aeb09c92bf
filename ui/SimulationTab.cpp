#include "ui/SimulationTab.h"

#include <memory>

#include <QApplication>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/app/MainModel.h"
#include "core/ports/Clock.h"
#include "core/strategy/KenshoModel.h"
#include "ui/TKenshoForm.h"

namespace marovix {
namespace {

QDateEdit* datePicker(QWidget* parent, const char* name, const QDate& date) {
    auto* edit = new QDateEdit(date, parent);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setDisplayFormat(QStringLiteral("yyyy'年'M'月'd'日'"));
    edit->setCalendarPopup(true);
    return edit;
}

int yyyymmdd(const QDate& date) { return date.year() * 10000 + date.month() * 100 + date.day(); }

}  // namespace

SimulationTab::SimulationTab(MainModel& model, KenshoModel& kensho, TKenshoForm& kenshoForm, const Clock& clock,
                             QTabWidget& tabs, QWidget* parent)
    : QWidget(parent), m_model(model), m_kensho(kensho), m_kenshoForm(kenshoForm), m_tabs(tabs) {
    setObjectName(QStringLiteral("SimTab"));
    const DateTime now = clock.now();
    const QDate today(now.year, now.month, now.day);
    auto* layout = new QVBoxLayout(this);
    auto* range = new QHBoxLayout;
    m_from = datePicker(this, "DateTimePicker1", today.addYears(-1));
    m_to = datePicker(this, "DateTimePicker2", today);
    range->addWidget(m_from);
    range->addWidget(new QLabel(QStringLiteral("～"), this));
    range->addWidget(m_to);
    range->addStretch();
    layout->addLayout(range);
    m_simBtn = new QPushButton(QStringLiteral("ｼﾐｭﾚｰｼｮﾝ開始"), this);
    m_simBtn->setObjectName(QStringLiteral("SimBtn"));
    connect(m_simBtn, &QPushButton::clicked, this, &SimulationTab::simClick);
    layout->addWidget(m_simBtn, 0, Qt::AlignLeft);
    layout->addStretch();
}

void SimulationTab::simClick() {
    m_simBtn->setEnabled(false);
    m_tabs.tabBar()->hide();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The progress window: days as the bar, races in its text; its cancel stops after the current race. It
    // is modal, so the events let through while the days are replayed reach no other window. It is made
    // when the replay starts, not before the question whether to start: a progress dialog shows itself a
    // few seconds after it is made, and would come over the question and take its input.
    std::unique_ptr<QProgressDialog> progress;
    const auto outcome = m_model.SimBtnClick(
        yyyymmdd(m_from->date()), yyyymmdd(m_to->date()), m_kensho, [&](const SimulationProgress& done) {
            if (!progress) {
                progress = std::make_unique<QProgressDialog>(QStringLiteral("馬券シミュレーション中です。"),
                                                             QStringLiteral("中止"), 0, 1, this);
                progress->setObjectName(QStringLiteral("SimProgress"));
                progress->setWindowTitle(QStringLiteral("馬券シミュレーション"));
                progress->setWindowModality(Qt::ApplicationModal);
                progress->setAutoReset(false);
                progress->setAutoClose(false);
                progress->setMinimumDuration(0);
                connect(progress.get(), &QProgressDialog::canceled, this, [this] { m_model.cancelSimulation(); });
                progress->show();
            }
            progress->setMaximum(std::max(done.dayCount, 1));
            progress->setValue(done.daysDone);
            progress->setLabelText(
                QStringLiteral("開催日 %1 / %2　レース %3").arg(done.daysDone).arg(done.dayCount).arg(done.racesDone));
            QCoreApplication::processEvents();
        });
    if (progress) progress->hide();
    QApplication::restoreOverrideCursor();
    m_tabs.tabBar()->show();
    m_simBtn->setEnabled(true);
    m_kenshoForm.refresh();
    if (outcome == MainModel::SimulationOutcome::Verified) {
        m_kenshoForm.show();
        m_kenshoForm.raise();
    }
}

}  // namespace marovix
