// The strategy window's tab "馬券シミュレーション" and the verification window on generated days: SimBtn
// replays the days after the user's Yes, the window "検証" shows the figures, the grid and the chart of the
// cumulative stake and return; a right-button click on a list selects all its items, another clears them.
#include <QApplication>
#include <QChartView>
#include <QDateEdit>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include "core/app/MainModel.h"
#include "core/common/TextFile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "core/strategy/KenshoModel.h"
#include "core/strategy/SimulationRecord.h"
#include "tests/support/DemoDay.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/ui/UiTestRegistry.h"
#include "ui/QtText.h"
#include "ui/TKaimeSettingForm.h"
#include "ui/TKenshoForm.h"
#include "ui/TMainForm.h"

namespace marovix::test_kensho {

class TestKensho : public QObject {
    Q_OBJECT
private slots:
    void simBtnShowsTheVerificationWithItsChart();
};

void TestKensho::simBtnShowsTheVerificationWithItsChart() {
    DemoDay demo(DemoDayOptions{DateTime{2025, 3, 1}, DateTime{2025, 3, 9}, 29, true, true});
    QVERIFY2(demo.problems().empty(), demo.problems().empty() ? "" : demo.problems().front().c_str());
    FakeMainPorts fakes;
    fakes.clock.set(DateTime{2025, 3, 12, 9, 0, 0});
    {
        Settings settings(demo.appFolder(), demo.appFolder() + "/share", fakes.clock);
        for (const auto& key : settings::BuyBaken) QVERIFY(settings.writeBool(key, true).ok());
        QVERIFY(settings.writeInt(settings::SihyoSel2, 3).ok());
        QVERIFY(settings.writeInt(settings::KaikataSRF, 1).ok());
        QVERIFY(writeTextLines(demo.appFolder() + "/selecteduma.dat",
                               {"100000000000000000", "011000000000000000", "000111000000000000"})
                    .ok());
    }
    MainModel model(demo.appFolder(), demo.appFolder() + "/share", fakes.ports());
    TMainForm mainForm(model);
    KenshoModel kensho(model.folders().path(kSimulationFileName));
    TKenshoForm kenshoForm(kensho, &mainForm);
    TKaimeSettingForm strategy(model, kensho, kenshoForm, fakes.clock, &mainForm);
    strategy.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strategy));
    // The range: one year before today up to today when the window is made.
    auto* from = strategy.findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"));
    auto* to = strategy.findChild<QDateEdit*>(QStringLiteral("DateTimePicker2"));
    QCOMPARE(from->date(), QDate(2024, 3, 12));
    QCOMPARE(to->date(), QDate(2025, 3, 12));

    fakes.dialogs.setNextAnswer(true);
    // While the question is up (a real one runs the event loop), no window may come over it and take its
    // input: the progress window is modal to the whole program. A user may take a few seconds to answer
    // (a progress dialog shows itself 4 s after it is made).
    bool progressOverTheQuestion = false;
    fakes.dialogs.onConfirm = [&](const std::string&) {
        QTest::qWait(4500);
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QStringLiteral("SimProgress") && window->isVisible())
                progressOverTheQuestion = true;
    };
    QTest::mouseClick(strategy.findChild<QPushButton*>(QStringLiteral("SimBtn")), Qt::LeftButton);
    fakes.dialogs.onConfirm = nullptr;
    QVERIFY(!progressOverTheQuestion);
    QCOMPARE(fakes.dialogs.questions.size(), std::size_t{1});
    QVERIFY2(fakes.dialogs.informations.empty(),
             fakes.dialogs.informations.empty() ? "" : fakes.dialogs.informations.front().c_str());
    QVERIFY(kenshoForm.isVisible());
    QVERIFY(strategy.tabs()->tabBar()->isVisible());
    QVERIFY(strategy.findChild<QPushButton*>(QStringLiteral("SimBtn"))->isEnabled());
    QVERIFY(!kensho.passing().empty());
    QCOMPARE(kenshoForm.findChild<QLabel*>(QStringLiteral("DataSuLabel"))->text(), qs(kensho.dataSuLabel()));
    QCOMPARE(kenshoForm.findChild<QLabel*>(QStringLiteral("KaishuRLabel"))->text(), qs(kensho.kaishuRLabel()));
    auto* grid = kenshoForm.findChild<QTableView*>(QStringLiteral("StringGrid1"));
    QCOMPARE(grid->model()->rowCount(), static_cast<int>(kensho.passing().size()));
    auto* chart = kenshoForm.findChild<QChartView*>(QStringLiteral("KenshoChart"));
    QVERIFY(chart);
    const auto series = chart->chart()->series();
    QCOMPARE(series.size(), 2);
    auto* stakes = qobject_cast<QLineSeries*>(series[0]);
    QCOMPARE(stakes->count(), static_cast<int>(kensho.cumulative().size()));
    QCOMPARE(stakes->at(stakes->count() - 1).y(), static_cast<double>(kensho.cumulative().back().stake));

    kenshoForm.resize(1100, 820);
    QVERIFY(QTest::qWaitForWindowExposed(&kenshoForm));
    QTest::qWait(100);
    kenshoForm.grab().save(QStringLiteral("/work/shots/kensho.png"));

    // The right button on the track list selects all of it; the lists then filter on the next "検証".
    auto* track = kenshoForm.findChild<QListWidget*>(QStringLiteral("TrackList0"));
    emit track->customContextMenuRequested(QPoint(5, 5));
    QCOMPARE(track->selectedItems().size(), 3);
    emit track->customContextMenuRequested(QPoint(5, 5));
    QCOMPARE(track->selectedItems().size(), 0);
    track->item(0)->setSelected(true);
    QTest::mouseClick(kenshoForm.findChild<QPushButton*>(QStringLiteral("ReadDataBtn")), Qt::LeftButton);
    for (const SimulationRecord& record : kensho.passing()) {
        const int code = record.number(SimField::trackCode);
        QVERIFY(code >= 10 && code <= 22);
    }
    QCOMPARE(grid->model()->rowCount(), static_cast<int>(kensho.passing().size()));
}

MAROVIX_UI_TEST(TestKensho)
}  // namespace marovix::test_kensho

#include "TestKensho.moc"
