// The real main window with the vote queue: a vote that must wait for the previous plug-in run does not
// block the window; the window's vote-queue timer hands it over once that run has ended, and the status
// label next to "投票" shows what happened, red for a plug-in that ended badly.
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "core/app/MainModel.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/support/TempFolder.h"
#include "tests/support/VoteDay.h"
#include "tests/ui/UiTestRegistry.h"
#include "ui/QtText.h"
#include "ui/TMainForm.h"

namespace marovix::test_vote_queue {

class TestVoteQueue : public QObject {
    Q_OBJECT
private slots:
    void aWaitingVoteIsHandedOverByTheWindowsTimer();
};

void TestVoteQueue::aWaitingVoteIsHandedOverByTheWindowsTimer() {
    FakeMainPorts world;
    TempFolder folder;
    const std::string plugin = folder.file("VQM plug in");
    QVERIFY(writeVoteDay(folder.path(), plugin));
    world.clock.set(DateTime{2024, 5, 26, 15, 30, 0});
    QVERIFY(Settings(folder.path(), folder.path(), world.clock).writeText(settings::DirVQMTohyo2, plugin).ok());
    world.launcher.script({FakeVotePluginLauncher::running(), FakeVotePluginLauncher::running()});

    MainModel model(folder.path(), folder.path(), world.ports());
    TMainForm form(model);
    auto* timer = form.findChild<QTimer*>(QStringLiteral("VoteQueueTimer"));
    QVERIFY(timer && timer->isActive());
    auto* vote = form.findChild<QPushButton*>(QStringLiteral("TohyouBtn"));
    auto* status = form.findChild<QLabel*>(QStringLiteral("TohyoStatusLabel"));
    QVERIFY(vote && status);
    model.DateComboChange(kVoteDay);
    for (int race : {0, 1}) {
        model.DatListClick(race);
        putQuinellaRows(model, {{"", race == 0 ? " 1- 2" : " 3- 4", "   12.5", "   500"}});
        world.dialogs.setNextAnswer(true);
        vote->click();
    }
    QCOMPARE(world.launcher.starts.size(), std::size_t(1));
    QCOMPARE(status->text(), QStringLiteral("投票待ち[東京11R]:投票プラグインの終了を待っています"));

    world.launcher.end(0, FakeVotePluginLauncher::exits(0));
    QTRY_COMPARE_WITH_TIMEOUT(world.launcher.starts.size(), std::size_t(2), 3000);
    QVERIFY(model.session().tohyoDone(1));
    QCOMPARE(status->text(), QStringLiteral("[東京11R]投票実行 15:30:00"));

    world.launcher.end(1, FakeVotePluginLauncher::exits(1));
    QTRY_COMPARE_WITH_TIMEOUT(status->text(),
                              QStringLiteral("[エラー]15:30:00 投票プラグインが異常終了しました(終了コード1)[東京11R]"),
                              3000);
    QVERIFY(status->styleSheet().contains(QStringLiteral("#ff0000")));
}

MAROVIX_UI_TEST(TestVoteQueue)
}  // namespace marovix::test_vote_queue

#include "TestVoteQueue.moc"
