// The real window "買い目設定" over the main window on a generated, downloaded meeting day: it refuses to
// open before a day is chosen; its targets paint the main race list, a pre-marked horse clicked in its grid
// shows as a mark on the main race card; each of its tabs is grabbed to a picture.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include "core/app/MainModel.h"
#include "core/strategy/KenshoModel.h"
#include "core/strategy/SimulationRecord.h"
#include "tests/support/DemoDay.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/ui/UiTestRegistry.h"
#include "ui/QtText.h"
#include "ui/TKaimeSettingForm.h"
#include "ui/TKenshoForm.h"
#include "ui/TMainForm.h"

namespace marovix::test_kaime_setting_form {

namespace {

constexpr QRgb kLightBlue = 0xD4E6FC;

// The window as it is drawn, saved to $MAROVIX_SHOTS/<name>.png when that folder is given.
void shot(QWidget& window, const char* name) {
    const QString folder = qEnvironmentVariable("MAROVIX_SHOTS");
    if (folder.isEmpty()) return;
    QVERIFY(window.grab().save(folder + QStringLiteral("/") + QString::fromUtf8(name) + QStringLiteral(".png")));
}

QRgb entryColour(QListWidget* list, int row) { return list->item(row)->background().color().rgb() & 0xFFFFFF; }

}  // namespace

class TestKaimeSettingForm : public QObject {
    Q_OBJECT
private slots:
    void theStrategyWindowChangesTheMainWindowsTargetsAndMarks();
};

void TestKaimeSettingForm::theStrategyWindowChangesTheMainWindowsTargetsAndMarks() {
    DemoDay demo;
    QVERIFY2(demo.problems().empty(), demo.problems().empty() ? "" : demo.problems().front().c_str());
    FakeMainPorts fakes;
    fakes.clock.set(DateTime{2025, 3, 3, 10, 0, 0});
    MainModel model(demo.appFolder(), demo.appFolder() + "/share", fakes.ports());
    TMainForm main(model);
    KenshoModel kensho(model.folders().path(kSimulationFileName));
    TKenshoForm kenshoForm(kensho, &main);
    TKaimeSettingForm window(model, kensho, kenshoForm, fakes.clock, &main);
    main.setKaimeSettingAction([&window] { window.open(); });
    main.resize(1280, 860);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));

    // Before a day is chosen the window refuses to open.
    auto* inputForm = main.findChild<QPushButton*>(QStringLiteral("InputFormBtn"));
    QTest::mouseClick(inputForm, Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(fakes.dialogs.informations.back(), std::string("開催日のデータを読み込んでください。"));

    // Pre-marked mode, so the main card shows the table's marks.
    model.setOption(MainOption::ShihyoSet, 1);
    auto* combo = main.findChild<QComboBox*>(QStringLiteral("DateCombo"));
    emit combo->activated(0);
    QTest::mouseClick(inputForm, Qt::LeftButton);
    QVERIFY(window.isVisible());
    // The design's place (left 700) would put part of the window beyond a small screen's right edge.
    QTest::qWait(50);
    const QRect area = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    QVERIFY2(
        area.contains(frame),
        qPrintable(QStringLiteral("%1,%2 %3x%4").arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())));
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
    QCOMPARE(captions, (QStringList{QStringLiteral("対象レース指定"), QStringLiteral("自動運転終了指定"),
                                    QStringLiteral("順位指標指定"), QStringLiteral("事前馬番指定"),
                                    QStringLiteral("馬券シミュレーション")}));

    // One by one, every race but the third: the main race list paints the targets light blue.
    QListWidget* datList = nullptr;
    for (QListWidget* list : main.findChildren<QListWidget*>(QStringLiteral("DatList")))
        if (list->window() == &main) datList = list;
    QVERIFY(datList->count() > 4);
    window.findChild<QRadioButton*>(QStringLiteral("PickMethodGroup1"))->click();
    auto* raceList0 = window.findChild<QListWidget*>(QStringLiteral("RaceList0"));
    QCOMPARE(raceList0->count(), datList->count());
    QCOMPARE(raceList0->selectedItems().size(), raceList0->count());
    QTest::mouseClick(raceList0->viewport(), Qt::LeftButton, {},
                      raceList0->visualItemRect(raceList0->item(2)).center());
    QVERIFY(!raceList0->item(2)->isSelected());
    window.findChild<QPushButton*>(QStringLiteral("NaviSetBtn"))->click();
    QCOMPARE(entryColour(datList, 1), kLightBlue);
    QCOMPARE(entryColour(datList, 2), QRgb(0xFFFFFF));
    QVERIFY(model.naviTarget(1) && !model.naviTarget(2));
    auto* navR = window.findChild<QListWidget*>(QStringLiteral("NavRListBox"));
    QCOMPARE(navR->count(), datList->count() - 1);
    tabs->setCurrentIndex(0);
    shot(window, "i24-1-targets");

    // The pre-marked tab: ◎ on the first runner of the first race, which the main window shows.
    tabs->setCurrentIndex(3);
    auto* grid = window.findChild<QTableView*>(QStringLiteral("StringGrid26"));
    QVERIFY(grid->model()->rowCount() > 1);
    QTableView* mainCard = nullptr;  // the strategy window, a child of the main window, has a StringGrid26 too
    for (QTableView* view : main.findChildren<QTableView*>(QStringLiteral("StringGrid26")))
        if (view->window() == &main) mainCard = view;
    QVERIFY(mainCard);
    QCOMPARE(mainCard->model()->index(0, 18).data().toString(), QString());
    emit grid->clicked(grid->model()->index(0, 18));
    QCOMPARE(grid->model()->index(0, 18).data().toString(), QStringLiteral("ν"));
    QCOMPARE(mainCard->model()->index(0, 18).data().toString(), QStringLiteral("ν"));
    shot(window, "i24-4-premarked");

    // The stop rule's tab and the rank tab.
    tabs->setCurrentIndex(1);
    window.findChild<QRadioButton*>(QStringLiteral("NaviQuitRadio2"))->click();
    QVERIFY(model.kaimeSetting().naviQuitFires(10001));
    shot(window, "i24-2-quit");
    tabs->setCurrentIndex(2);
    shot(window, "i24-3-ranks");
    tabs->setCurrentIndex(4);
    shot(window, "i24-5-simulation");

    // Closing hides the window and stores its place.
    window.close();
    QVERIFY(!window.isVisible());
}

MAROVIX_UI_TEST(TestKaimeSettingForm)
}  // namespace marovix::test_kaime_setting_form

#include "TestKaimeSettingForm.moc"
