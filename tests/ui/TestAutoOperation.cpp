// The real main window in automatic operation: the menu item "自動運転" switches it on (check mark, green
// "自動投票", the message, the day log), then the clock is set past one race's seconds and the window's own
// scheduler timer catches them up: the odds fetched, "操作注意" red, the race voted and its lines handed to
// the plug-in, the time to post counting down. With MAROVIX_SCREENSHOT set, the window is saved there.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "core/app/MainModel.h"
#include "core/common/TextFile.h"
#include "tests/support/AutoDay.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDayFiles.h"
#include "tests/ui/UiTestRegistry.h"
#include "ui/QtText.h"
#include "ui/TMainForm.h"
#include "ui/TOzGetTimeForm.h"

namespace marovix::test_auto_operation {

class TestAutoOperation : public QObject {
    Q_OBJECT
private slots:
    void switchedOnTheWindowVotesARaceAtItsSecond();
    void theTimingWindowStoresTheTimingByOK();
};

void TestAutoOperation::switchedOnTheWindowVotesARaceAtItsSecond() {
    FakeMainPorts world;
    TempFolder folder;
    world.clock.set(DateTime{2024, 5, 26, 10, 0, 0});
    QVERIFY(writeAutoDay(folder.path(), world.clock).ok());
    std::vector<std::string> handed;
    world.launcher.onStart = [&](const FakeVotePluginLauncher::Start& start) {
        if (auto lines = readTextLines(start.parameter)) handed = *lines;
    };
    MainModel model(folder.path(), folder.path() + "/share", world.ports());
    TMainForm form(model);
    form.resize(1280, 800);
    form.show();
    model.DateComboChange(kTestDayText);

    auto* autoRun = form.findChild<QAction*>(QStringLiteral("DispRaceAfterOZget"));
    auto* indicator = form.findChild<QLabel*>(QStringLiteral("AutoNaviLabel"));
    auto* operate = form.findChild<QLabel*>(QStringLiteral("operateLabel"));
    auto* rest = form.findChild<QLabel*>(QStringLiteral("RestTimeLabel"));
    QVERIFY(autoRun && indicator && operate && rest);
    QVERIFY(indicator->styleSheet().contains(QStringLiteral("#808080")));
    const std::size_t logBefore = model.state().autoNaviList.size();
    autoRun->trigger();
    QVERIFY(autoRun->isChecked());
    QVERIFY(model.autoRunMode());
    QVERIFY(indicator->styleSheet().contains(QStringLiteral("#00ff00")));
    QCOMPARE(world.dialogs.informations.back(), std::string("自動運転を設定しました。"));
    QCOMPARE(model.state().autoNaviList.back(), std::string("■自動運転開始 2024/05/26 10:00:00"));
    QVERIFY(form.findChild<QTimer*>(QStringLiteral("TimerNavi"))->isActive());

    // Just before race 1's seconds, then past them: the window's scheduler timer catches up the fetch and
    // the vote in order.
    world.clock.set(DateTime{2024, 5, 26, 10, 19, 55});
    QTRY_COMPARE_WITH_TIMEOUT(form.scheduler().lastHandled(), std::optional(world.clock.now()), 3000);
    queueWinOdds(world.jvLink, 1);
    world.clock.set(DateTime{2024, 5, 26, 10, 20, 11});
    QTRY_COMPARE_WITH_TIMEOUT(world.launcher.starts.size(), std::size_t(1), 5000);
    QVERIFY(model.session().tohyoDone(0));
    QCOMPARE(handed, std::vector<std::string>{"20240526,05,01,TAN,NORMAL,500,03,"});
    QVERIFY(operate->styleSheet().contains(QStringLiteral("#ff0000")));
    auto* formDisable = form.findChild<QTimer*>(QStringLiteral("FormDisableTimer"));
    QVERIFY(formDisable->isActive());
    QCOMPARE(formDisable->interval(), 20000);
    const auto& log = model.state().autoNaviList;
    QVERIFY(log.size() > logBefore + 8);
    QVERIFY(std::find(log.begin(), log.end(), "■オッズ取得 東京 1R 2024/05/26 10:20:11") != log.end());
    QVERIFY(std::find(log.begin(), log.end(), "[東京 1R]投票実行") != log.end());
    QTRY_COMPARE_WITH_TIMEOUT(rest->text(), QStringLiteral("発走までの残り時間：00:09:49"), 3000);
    if (const QByteArray path = qgetenv("MAROVIX_SCREENSHOT"); !path.isEmpty())
        QVERIFY(form.grab().save(QString::fromLocal8Bit(path)));

    autoRun->trigger();
    QVERIFY(!autoRun->isChecked());
    QVERIFY(indicator->styleSheet().contains(QStringLiteral("#808080")));
    QCOMPARE(world.dialogs.informations.back(), std::string("自動運転を解除しました。"));
}

void TestAutoOperation::theTimingWindowStoresTheTimingByOK() {
    FakeMainPorts world;
    TempFolder folder;
    world.clock.set(DateTime{2024, 5, 26, 10, 0, 0});
    QVERIFY(writeAutoDay(folder.path(), world.clock).ok());
    MainModel model(folder.path(), folder.path() + "/share", world.ports());
    TMainForm form(model);
    model.DateComboChange(kTestDayText);
    TOzGetTimeForm window(model.N8Click(), &form);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* interval = window.spinEdit(OzGetSpin::SpinEdit5);
    QCOMPARE(interval->minimum(), 2);
    QCOMPARE(window.spinEdit(OzGetSpin::SpinEdit1)->minimum(), 5);
    QCOMPARE(window.fileList(AlarmSoundId::Oz)->count(), 3);
    window.spinEdit(OzGetSpin::SpinEdit3)->setValue(5);
    interval->setValue(2);
    QListWidget* sounds = window.fileList(AlarmSoundId::Tohyo);
    QTest::mouseClick(sounds->viewport(), Qt::LeftButton, {}, sounds->visualItemRect(sounds->item(2)).center());
    QCOMPARE(window.wavLabel(AlarmSoundId::Tohyo)->text(), QStringLiteral("chimes.wav"));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    QCOMPARE(window.result(), int(QDialog::Accepted));
    // The day's times move when a day is selected again.
    QCOMPARE(model.session().slot(0).schedule.OzGetTime1, std::string("102000"));
    model.DateComboChange(kTestDayText);
    QCOMPARE(model.session().slot(0).schedule.OzGetTime1, std::string("102500"));
    QCOMPARE(model.session().slot(0).schedule.TohyoTime, std::string("102504"));
}

MAROVIX_UI_TEST(TestAutoOperation)
}  // namespace marovix::test_auto_operation

#include "TestAutoOperation.moc"
