// The real main window and log window on a generated, downloaded meeting day: a heading click of the race
// card sorts it, NextRaceBtn shows the next race of today, the log window's IPAT log tab shows the plug-in's
// log of the selected day after "更新".
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>
#include <memory>

#include "core/app/MainModel.h"
#include "core/common/TextFile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "tests/support/DemoDay.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/UiTestRegistry.h"
#include "ui/QtText.h"
#include "ui/TIpatLogForm.h"
#include "ui/TMainForm.h"

namespace marovix::test_race_day_watch {

namespace {

// The window on a generated day; the clock at 11:00 of that day, so it is today.
struct WatchWindow {
    WatchWindow() {
        fakes.clock.set(DateTime{2025, 3, 1, 11, 0, 0});
        Settings settings(demo.appFolder(), demo.appFolder() + "/share", fakes.clock);
        settings.writeText(settings::DirVQMTohyo2, plugin.path());
        makeDirectory(plugin.file("logs"));
        writeTextLines(plugin.file("logs/20250301.log"),
                       {"2025/03/01 10:20:05 投票受付 中山 5R 単勝 3番 100円", "2025/03/01 10:20:07 投票完了"});
        form = std::make_unique<TMainForm>(model);
        log = std::make_unique<TIpatLogForm>(model);
    }
    DemoDay demo{DemoDayOptions{DateTime{2025, 3, 1}, DateTime{2025, 3, 1}, 11, false, true}};
    TempFolder plugin;
    FakeMainPorts fakes;
    MainModel model{demo.appFolder(), demo.appFolder() + "/share", fakes.ports()};
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<TIpatLogForm> log;
};

QStringList column(QTableView* view, int c) {
    QStringList texts;
    for (int r = 0; r < view->model()->rowCount(); ++r) texts << view->model()->index(r, c).data().toString();
    return texts;
}

}  // namespace

class TestRaceDayWatch : public QObject {
    Q_OBJECT
private slots:
    void headingClicksSortTheCardAndNextRaceShowsTheComingRace();
    void theLogWindowShowsTheIpatLogOfTheSelectedDay();
};

void TestRaceDayWatch::headingClicksSortTheCardAndNextRaceShowsTheComingRace() {
    WatchWindow window;
    QVERIFY(window.demo.problems().empty());
    TMainForm& form = *window.form;
    form.resize(1280, 860);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* combo = form.findChild<QComboBox*>(QStringLiteral("DateCombo"));
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    auto* upcoming = form.findChild<QListWidget*>(QStringLiteral("NowTimeRaceList"));
    QCOMPARE(upcoming->count(), static_cast<int>(window.model.state().nowTimeRaceList.size()));
    QVERIFY(upcoming->count() > 0);
    QCOMPARE(upcoming->currentRow(), window.model.state().nowTimeRaceSelected);

    form.findChild<QPushButton*>(QStringLiteral("NextRaceBtn"))->click();
    const int shown = window.model.state().currentRace;
    QVERIFY(shown > 0);

    // "順" of StringGrid26: popularity ascending, the horses of one popularity in horse-number order.
    auto* card = form.findChild<QTableView*>(QStringLiteral("StringGrid26"));
    emit card->horizontalHeader()->sectionClicked(7);
    const QStringList popularity = column(card, 7);
    QStringList sorted = popularity;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(popularity, sorted);
    emit card->horizontalHeader()->sectionClicked(7);
    QStringList descending = sorted;
    std::reverse(descending.begin(), descending.end());
    QCOMPARE(column(card, 7), descending);
    // "馬" twice: descending horse numbers.
    emit card->horizontalHeader()->sectionClicked(1);
    emit card->horizontalHeader()->sectionClicked(1);
    QCOMPARE(column(card, 1).front().trimmed().toInt(), card->model()->rowCount());
    if (const QByteArray dir = qgetenv("MAROVIX_SCREENSHOT_DIR"); !dir.isEmpty())
        form.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/sorted-race-card.png"));
    // Showing the race again puts the horses back in order.
    window.model.DatListClick(window.model.state().currentEntry());
    QCOMPARE(column(card, 1).front().trimmed(), QStringLiteral("1"));
}

void TestRaceDayWatch::theLogWindowShowsTheIpatLogOfTheSelectedDay() {
    WatchWindow window;
    window.form->show();
    window.model.DateComboChange(window.demo.days().front());
    window.model.N35Click();
    TIpatLogForm& log = *window.log;
    log.show();
    QVERIFY(QTest::qWaitForWindowExposed(&log));
    QCOMPARE(log.tabs()->tabText(0), QStringLiteral("自動運転ログ"));
    QCOMPARE(log.tabs()->tabText(1), QStringLiteral("IPATログ"));
    QVERIFY(log.autoNaviList()->count() > 0);
    log.tabs()->setCurrentIndex(1);
    QCOMPARE(log.ipatLogList()->count(), 2);
    writeTextLines(window.plugin.file("logs/20250301.log"), {"a", "b", "c"});
    log.findChild<QPushButton*>(QStringLiteral("LogUpdateBtn"))->click();
    QCOMPARE(log.ipatLogList()->count(), 3);
    writeTextLines(window.plugin.file("logs/20250301.log"),
                   {"2025/03/01 10:20:05 投票受付 中山 5R 単勝 3番 100円", "2025/03/01 10:20:07 投票完了"});
    log.findChild<QPushButton*>(QStringLiteral("LogUpdateBtn"))->click();
    if (const QByteArray dir = qgetenv("MAROVIX_SCREENSHOT_DIR"); !dir.isEmpty()) {
        QApplication::processEvents();
        log.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/log-window-ipat.png"));
        log.tabs()->setCurrentIndex(0);
        QApplication::processEvents();
        log.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/log-window-day-log.png"));
    }
}

MAROVIX_UI_TEST(TestRaceDayWatch)
}  // namespace marovix::test_race_day_watch

#include "TestRaceDayWatch.moc"
