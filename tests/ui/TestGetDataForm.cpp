// The download window on a temporary application folder: its controls and captions, a whole download
// through the JV-Link stand-in from a small feed, and cancelling or closing while it runs.
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "core/common/TextFile.h"
#include "core/jv/DayDataFile.h"
#include "core/jv/StoredDataDownload.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "standins/jvlink/FeedJvLink.h"
#include "tests/support/DownloadRecords.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FeedFolderBuilder.h"
#include "tests/support/ScriptedJvLink.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/UiTestRegistry.h"
#include "ui/QtText.h"
#include "ui/TGetDataForm.h"

namespace marovix::test_get_data_form {

namespace {

struct World {
    TempFolder folder;
    FakeClock clock{DateTime{2024, 1, 20, 9, 30, 0}};
    FakeDialogs dialogs;
    Settings settings{folder.path(), folder.path(), clock};
    ReadCancelFlag readCancelled;
    int rebuilds = 0;
    std::string dataFolder = folder.file("Data");

    World() { makeDirectory(dataFolder); }
    DownloadPorts ports(JvLink& link) {
        return DownloadPorts{link, dialogs, clock, settings, dataFolder, readCancelled, [this] { ++rebuilds; }};
    }
    std::vector<std::string> lines(const std::string& name) const {
        auto read = readRawLines(joinPath(dataFolder, name));
        return read.ok() ? *read : std::vector<std::string>{};
    }
};

template <class W>
W* child(QWidget& form, const char* name) {
    auto* widget = form.findChild<W*>(QString::fromUtf8(name));
    if (!widget) qFatal("no control %s", name);
    return widget;
}

QString labelText(QWidget& form, const char* name) { return child<QLabel>(form, name)->text(); }

}  // namespace

class TestGetDataForm : public QObject {
    Q_OBJECT
private slots:
    void controlsCaptionsAndFirstDownloadChoice();
    void checkBox1WritesItsSetting();
    void downloadsASmallFeedThroughTheStandIn();
    void cancelDuringTheReadEndsItAndCloses();
    void closingWhileDownloadingOffersTheCancel();
    void closingDuringTheReadClosesOnceTheReadHasEnded();
};

void TestGetDataForm::controlsCaptionsAndFirstDownloadChoice() {
    World world;
    ScriptedJvLink link;
    StoredDataDownload download(world.ports(link));
    TGetDataForm form(download);
    QCOMPARE(form.windowTitle(), QStringLiteral("ＪＶデータ取込"));
    QCOMPARE(child<QPushButton>(form, "ButtonStart")->text(), QStringLiteral("データ取込"));
    QCOMPARE(child<QPushButton>(form, "ButtonCancel")->text(), QStringLiteral("データ取込中止"));
    QCOMPARE(child<QToolButton>(form, "SpeedButton1")->text(), QStringLiteral("JV-Link設定"));
    QCOMPARE(child<QCheckBox>(form, "CheckBox1")->text(), QStringLiteral("確定オッズも合わせて取得する"));
    QCOMPARE(
        labelText(form, "CheckBox1Note"),
        QStringLiteral("↑ここをチェックすると取得期間に取得済みのオッズがある場合は確定オッズに上書きされますので、"
                       "ご注意ください。"));
    QCOMPARE(child<QRadioButton>(form, "rbtNormal")->text(), QStringLiteral("通常データ"));
    QCOMPARE(child<QRadioButton>(form, "rbtSetup")->text(), QStringLiteral("セットアップデータ"));
    QCOMPARE(child<QGroupBox>(form, "RadioGroup1")->title(), QStringLiteral("取得データ"));
    QStringList captions;
    for (QLabel* label : form.findChildren<QLabel*>()) captions << label->text();
    for (const char* text : {"取得開始日付", "ダウンロード", "読込み", "作成データ"})
        QVERIFY2(captions.contains(QString::fromUtf8(text)), text);
    for (const char* name : {"ProgressBar1", "ProgressBar2"}) QVERIFY(child<QProgressBar>(form, name));
    for (const char* name : {"ProgressLabel", "MkDataLabel"}) QVERIFY(labelText(form, name).isEmpty());
    auto* timer = child<QTimer>(form, "TimerJVStatus");
    QCOMPARE(timer->interval(), 10);
    QVERIFY(!timer->isActive());

    // No download yet: setup data, a year back, final odds ticked.
    QVERIFY(child<QCheckBox>(form, "CheckBox1")->isChecked());
    QVERIFY(child<QRadioButton>(form, "rbtSetup")->isChecked());
    QCOMPARE(child<QDateEdit>(form, "DateTimePicker1")->date(), QDate(2023, 1, 20));

    // The picker changes the date and keeps the time.
    child<QDateEdit>(form, "DateTimePicker1")->setDate(QDate(2023, 12, 2));
    QCOMPARE(download.options().from, (DateTime{2023, 12, 2, 9, 30, 0}));
    child<QRadioButton>(form, "rbtNormal")->click();
    QVERIFY(!download.options().setupData);
}

void TestGetDataForm::checkBox1WritesItsSetting() {
    World world;
    ScriptedJvLink link;
    StoredDataDownload download(world.ports(link));
    TGetDataForm form(download);
    child<QCheckBox>(form, "CheckBox1")->click();
    QVERIFY(!download.options().finalOdds);
    QVERIFY(!world.settings.readBool(settings::JvDataGetKakuteiOzGet));
}

void TestGetDataForm::downloadsASmallFeedThroughTheStandIn() {
    World world;
    TempFolder feedFolder;
    FeedFolderBuilder feed(feedFolder.path());
    const RaceId race{"20240106", "06", 11};
    feed.addStoredFile("20240106180000", "RACE",
                       {raRecord(race), seRecord(race, 1, "イチバン"), seRecord({"20240106", "06", 12}, 18)});
    feed.addStoredFile("20240106190000", "HR", {hrRecord(race), tmRecord(race)});
    feed.addStoredFile("20240107180000", "ODDS", {oddsRecord("O1", race), oddsRecord("O6", race)});
    FeedJvLink link(world.clock, feedFolder.path());
    QCOMPARE(link.JVInit("UNKNOWN/MRVX/Marovix/Version.1.18"), 0);
    StoredDataDownload download(world.ports(link));
    TGetDataForm form(download);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    child<QDateEdit>(form, "DateTimePicker1")->setDate(QDate(2024, 1, 1));

    QTest::mouseClick(child<QPushButton>(form, "ButtonStart"), Qt::LeftButton);
    QCOMPARE(world.dialogs.informations.size(), std::size_t(1));
    QCOMPARE(qs(world.dialogs.informations[0]),
             QStringLiteral(
                 "2024年01月01日09時30分00秒以降のデータ取込を開始します。データ作成が終了するまで本ソフトを操作したり"
                 "他のアプリケーションを操作することは極力避けてください。"));
    // The stand-in still has three files to fetch: the status timer runs.
    QVERIFY(child<QTimer>(form, "TimerJVStatus")->isActive());
    QVERIFY(QApplication::overrideCursor() != nullptr);
    QCOMPARE(child<QProgressBar>(form, "ProgressBar1")->maximum(), 3);

    QTRY_COMPARE_WITH_TIMEOUT(labelText(form, "ProgressLabel"), QStringLiteral("データ作成が完了しました。"), 10000);
    QTRY_VERIFY(!download.running());
    QVERIFY(!child<QTimer>(form, "TimerJVStatus")->isActive());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QCOMPARE(child<QProgressBar>(form, "ProgressBar2")->maximum(), 3);
    QCOMPARE(world.dialogs.informations.size(), std::size_t(1));  // no error
    QCOMPARE(download.outcome(), StoredDataDownload::Outcome::Completed);

    QCOMPARE(world.lines("2024年01月06日.jvRA").size(), std::size_t(1));
    auto runners = world.lines("2024年01月06日中山.jvSEr");
    QCOMPARE(runners.size(), std::size_t(216));
    QCOMPARE(runners[180], recordLine(seRecord(race, 1, "イチバン")));
    QCOMPARE(runners[215], recordLine(seRecord({"20240106", "06", 12}, 18)));
    for (const char* ext : {".jvHR", ".jvTM", ".jvO1", ".jvO6"})
        QCOMPARE(world.lines(std::string("2024年01月06日") + ext).size(), std::size_t(1));
    QCOMPARE(world.settings.readStoredText(settings::JvDataGetLastTime), std::string("2024/01/07 18:00:00"));
    QCOMPARE(child<QDateEdit>(form, "DateTimePicker1")->date(), QDate(2024, 1, 7));

    form.close();
    QVERIFY(!form.isVisible());
    QCOMPARE(world.rebuilds, 1);
}

void TestGetDataForm::cancelDuringTheReadEndsItAndCloses() {
    World world;
    ScriptedJvLink link;
    link.queueOpen({0, 1, 0, "20240119153000"});
    for (int r = 1; r <= 5; ++r) link.queueRead(ScriptedJvLink::ReadResult::data(raRecord({"20240106", "06", r})));
    StoredDataDownload download(world.ports(link));
    TGetDataForm form(download);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // While the second record is read, the user presses "データ取込中止" and answers Yes; the click is an
    // event that runs between records.
    link.atRead(2, [&] {
        world.dialogs.setNextAnswer(true);
        QTimer::singleShot(0, child<QPushButton>(form, "ButtonCancel"), &QPushButton::click);
    });
    child<QPushButton>(form, "ButtonStart")->click();  // no download: the read runs inside the click
    QCOMPARE(link.callCount("JVRead"), 2);
    QCOMPARE(link.callCount("JVCancel"), 1);
    QCOMPARE(link.calls().back().name, std::string("JVClose"));
    QCOMPARE(world.lines("2024年01月06日.jvRA").size(), std::size_t(2));
    QCOMPARE(labelText(form, "ProgressLabel"), QStringLiteral("JVCancel:キャンセルされました"));
    QCOMPARE(world.settings.readStoredText(settings::JvDataGetLastTime), std::string());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(form.close());
    QCOMPARE(world.rebuilds, 1);
}

void TestGetDataForm::closingWhileDownloadingOffersTheCancel() {
    World world;
    ScriptedJvLink link;
    link.queueOpen({0, 2, 2, ""});
    link.queueStatus({0});
    StoredDataDownload download(world.ports(link));
    TGetDataForm form(download);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    child<QPushButton>(form, "ButtonStart")->click();
    QVERIFY(child<QTimer>(form, "TimerJVStatus")->isActive());

    world.dialogs.setNextAnswer(false);
    QVERIFY(!form.close());
    QVERIFY(form.isVisible());
    QVERIFY(download.running());
    QCOMPARE(world.dialogs.questions.back(), std::string("データ取込を中止します。実行しますか？"));

    // A second press of "データ取込" while the download runs is ignored.
    child<QPushButton>(form, "ButtonStart")->click();
    QCOMPARE(link.callCount("JVOpen"), 1);

    world.dialogs.setNextAnswer(true);
    QTest::keyClick(&form, Qt::Key_Escape);
    QVERIFY(!form.isVisible());
    QVERIFY(!download.running());
    QVERIFY(!child<QTimer>(form, "TimerJVStatus")->isActive());
    QCOMPARE(link.callCount("JVCancel"), 1);
    QCOMPARE(link.callCount("JVClose"), 0);  // a cancel of the download is not followed by JVClose
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QCOMPARE(world.rebuilds, 1);
}

void TestGetDataForm::closingDuringTheReadClosesOnceTheReadHasEnded() {
    World world;
    ScriptedJvLink link;
    link.queueOpen({0, 1, 0, "20240119153000"});
    for (int r = 1; r <= 5; ++r) link.queueRead(ScriptedJvLink::ReadResult::data(raRecord({"20240106", "06", r})));
    StoredDataDownload download(world.ports(link));
    TGetDataForm form(download);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    bool closedAtOnce = true;
    link.atRead(3, [&] {
        world.dialogs.setNextAnswer(true);
        QTimer::singleShot(0, &form, [&] { closedAtOnce = form.close(); });
    });
    child<QPushButton>(form, "ButtonStart")->click();
    QVERIFY(!closedAtOnce);  // refused while the read loop was still running
    QCOMPARE(link.callCount("JVRead"), 3);
    QCOMPARE(link.calls().back().name, std::string("JVClose"));
    QTRY_VERIFY(!form.isVisible());
    QCOMPARE(world.rebuilds, 1);
    QCOMPARE(world.lines("2024年01月06日.jvRA").size(), std::size_t(3));
}

MAROVIX_UI_TEST(TestGetDataForm)
}  // namespace marovix::test_get_data_form

#include "TestGetDataForm.moc"
