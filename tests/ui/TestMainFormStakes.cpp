// The main window's stakes, combined list and payout panel: what the widgets show is the core's state.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include "core/app/MainModel.h"
#include "core/common/TextFile.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/support/KaimeRows.h"
#include "tests/support/MainModelTestAccess.h"
#include "tests/support/PayoutRecordBuilder.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestDayFiles.h"
#include "tests/ui/UiTestRegistry.h"
#include "ui/QtText.h"
#include "ui/TKaimeSetForm.h"
#include "ui/TMainForm.h"

namespace marovix::test_main_form_stakes {

namespace {

struct World : FakeMainPorts {
    TempFolder folder;
    World() {
        makeDirectory(folder.file("Data"));
        writeTestDay(folder.file("Data"), 3, 12);
        writeTestPayouts(folder.file("Data"), {PayoutRecordBuilder(testRaceKey(1))
                                                   .entry(BetType::Tan, 0, {7}, 450, 2)
                                                   .entry(BetType::UR, 0, {3, 7}, 1230, 4)
                                                   .line()});
        writeTextLines(folder.file("Marovix.ini"), {"[BuyBaken]", "Tan=1", "UR=1"});
    }
};

// Every named label of the window shows the text of its label in the state.
void compareLabels(TMainForm& form, const MainModel& model) {
    for (int i = 0; i < static_cast<int>(LabelId::Count); ++i) {
        const auto id = static_cast<LabelId>(i);
        if (id == LabelId::SimModeLabel || id == LabelId::Panel21) continue;
        auto* label = form.findChild<QLabel*>(qs(labelName(id)));
        if (!label) continue;
        QCOMPARE(label->text(), qs(model.state().labels[id].text));
    }
}

// The view shows the grid's data rows cell by cell.
void compareGrid(QTableView* view, const KaimeGrid& grid) {
    QCOMPARE(view->model()->rowCount(), grid.rowCount() - 1);
    for (int row = 1; row < grid.rowCount(); ++row)
        for (int c = 0; c < KaimeGrid::kColumnCount; ++c)
            QCOMPARE(view->model()->index(row - 1, c).data().toString(), qs(grid.text().cell(c, row)));
}

}  // namespace

class TestMainFormStakes : public QObject {
    Q_OBJECT
private slots:
    void stakeEditAndStrikeMarkShowTheCoreState();
    void payoutPanelShowsTheShownRace();
    void bakenLabelAndParticipationButtons();
    void defaultStakeWindowStoresRaisedAmounts();
};

void TestMainFormStakes::stakeEditAndStrikeMarkShowTheCoreState() {
    World world;
    MainModel model(world.folder.path(), world.folder.path(), world.ports());
    TMainForm form(model);
    model.DateComboChange(kTestDayText);
    auto* edit = form.findChild<QLineEdit*>(QStringLiteral("TantohyoEdit"));
    QVERIFY(edit);
    QCOMPARE(edit->text(), QStringLiteral("3000"));
    for (const char* name :
         {"FuktohyoEdit", "WRtohyoEdit", "URtohyoEdit", "WDtohyoEdit", "UTtohyoEdit", "SRFtohyoEdit", "SRTtohyoEdit"})
        QVERIFY2(form.findChild<QLineEdit*>(QString::fromUtf8(name)), name);

    MainState& state = MainModelTestAccess::state(model);
    fillKaimeGrid(state.kaimeGrid(BetType::Tan), BetType::Tan, {kaimeRow(" 3", 2.0), kaimeRow(" 7", 4.5)});
    fillKaimeGrid(state.kaimeGrid(BetType::UR), BetType::UR, {kaimeRow(" 3- 7", 12.0)});
    auto* urEdit = form.findChild<QLineEdit*>(QStringLiteral("URtohyoEdit"));
    urEdit->selectAll();
    QTest::keyClicks(urEdit, QStringLiteral("500"));
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("1000"));
    QCOMPARE(model.state().tohyoEdit[0], std::string("1000"));
    QCOMPARE(model.state().kaimeGrid(BetType::Tan).cell(KaimeCol::Stake, 1), std::string("   500"));
    QCOMPARE(model.state().labels[LabelId::KaishuLabel].text, std::string("    8400"));  // 2250 + 1230 x 5
    compareLabels(form, model);
    compareGrid(form.findChild<QTableView*>(QStringLiteral("TanKaimeGrid")), model.state().kaimeGrid(BetType::Tan));
    auto* all = form.findChild<QTableView*>(QStringLiteral("AllKaimeGrid"));
    compareGrid(all, model.state().allKaimeGrid);
    QCOMPARE(all->model()->rowCount(), 3);
    QCOMPARE(all->model()->index(1, 3).data(Qt::BackgroundRole).value<QColor>(), QColor(0xFF, 0x00, 0xFF));
    QCOMPARE(all->model()->index(0, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(0xFF, 0xFF, 0x00));

    const QString goBefore = form.findChild<QLabel*>(QStringLiteral("SoGOLabel"))->text();
    emit all->clicked(all->model()->index(0, 0));
    QCOMPARE(model.state().allKaimeGrid.cell(KaimeCol::Kesu, 1), std::string("消"));
    QCOMPARE(all->model()->index(0, 0).data().toString(), QStringLiteral("消"));
    QVERIFY(form.findChild<QLabel*>(QStringLiteral("SoGOLabel"))->text() != goBefore);
    compareLabels(form, model);
    emit all->clicked(all->model()->index(1, 2));  // not the "消" column
    QCOMPARE(model.state().allKaimeGrid.cell(KaimeCol::Kesu, 2), std::string());
}

void TestMainFormStakes::payoutPanelShowsTheShownRace() {
    World world;
    MainModel model(world.folder.path(), world.folder.path(), world.ports());
    TMainForm form(model);
    model.DateComboChange(kTestDayText);
    auto* panel = form.findChild<QWidget*>(QStringLiteral("PayoutPanel"));
    QVERIFY(panel);
    QCOMPARE(panel->findChild<QGroupBox*>(QStringLiteral("WDPayoutBox"))->title(), QStringLiteral("ﾜｲﾄﾞ"));
    const int columns[] = {3, 5, 3, 3, 7, 6, 3, 6};
    for (const BetTypeInfo& bet : kBetTypes) {
        const QString prefix = qs(std::string(bet.prefix));
        const int n = columns[static_cast<int>(bet.type)];
        QVERIFY(panel->findChild<QLabel*>(prefix + QStringLiteral("Haito") + QString::number(n)));
        QVERIFY(!panel->findChild<QLabel*>(prefix + QStringLiteral("Haito") + QString::number(n + 1)));
    }
    QCOMPARE(panel->findChild<QLabel*>(QStringLiteral("TanKekka1"))->text(), QStringLiteral(" 7"));
    QCOMPARE(panel->findChild<QLabel*>(QStringLiteral("TanNinki1"))->text(), QStringLiteral(" 2"));
    QCOMPARE(panel->findChild<QLabel*>(QStringLiteral("TanHaito1"))->text(), QStringLiteral("     450"));
    QCOMPARE(panel->findChild<QLabel*>(QStringLiteral("URKekka1"))->text(), QStringLiteral(" 3- 7"));
    QCOMPARE(panel->findChild<QLabel*>(QStringLiteral("TanKekka2"))->text(), QString());
    model.DatListClick(1);  // a race without its payout
    QCOMPARE(panel->findChild<QLabel*>(QStringLiteral("TanKekka1"))->text(), QString());
}

void TestMainFormStakes::bakenLabelAndParticipationButtons() {
    World world;
    MainModel model(world.folder.path(), world.folder.path(), world.ports());
    TMainForm form(model);
    auto* baken = form.findChild<QLabel*>(QStringLiteral("BakenLabel"));
    QCOMPARE(baken->text(), QStringLiteral("一括"));
    form.findChild<QTabWidget*>(QStringLiteral("PageControl4"))->setCurrentIndex(4);
    QCOMPARE(model.state().labels[LabelId::BakenLabel].text, std::string("馬連"));
    QCOMPARE(baken->text(), QStringLiteral("馬連"));
    QCOMPARE(model.state().options.value(MainOption::TabIndex), 4);

    form.findChild<QPushButton*>(QStringLiteral("AllBakenBTn"))->click();
    for (const char* name : {"TanCheckBox", "WDCheckBox", "SRTCheckBox"})
        QVERIFY2(form.findChild<QCheckBox*>(QString::fromUtf8(name))->isChecked(), name);
    form.findChild<QPushButton*>(QStringLiteral("NoBakenBtn"))->click();
    QVERIFY(!form.findChild<QCheckBox*>(QStringLiteral("URCheckBox"))->isChecked());
    QVERIFY(!model.state().options.on(MainOption::BuyUR));
}

void TestMainFormStakes::defaultStakeWindowStoresRaisedAmounts() {
    World world;
    MainModel model(world.folder.path(), world.folder.path(), world.ports());
    TMainForm form(model);
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TKaimeSetForm*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        seen = true;
        QCOMPARE(dialog->windowTitle(), QStringLiteral("投資金設定"));
        QCOMPARE(dialog->amountEdit(BetType::SRT)->value(), 3000);
        dialog->amountEdit(BetType::Tan)->setValue(40);
        dialog->amountEdit(BetType::SRT)->setValue(1200);
        dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    form.findChild<QAction*>(QStringLiteral("KaimeSetItem"))->trigger();
    QVERIFY(seen);
    QCOMPARE(model.defaultStakes()[0], 100);
    QCOMPARE(model.defaultStakes()[7], 1200);
    model.DateComboChange(kTestDayText);
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("SRTtohyoEdit"))->text(), QStringLiteral("1200"));
}

MAROVIX_UI_TEST(TestMainFormStakes)
}  // namespace marovix::test_main_form_stakes

#include "TestMainFormStakes.moc"
