// The real main window's selection page on a generated, downloaded meeting day with final odds: mark
// clicks on StringGrid26, the mark buttons, the buying methods, the multi boxes and the odds filters
// change the core's grids, and the window shows exactly what the core holds.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include "core/app/MainModel.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "tests/support/DemoDay.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/ui/UiTestRegistry.h"
#include "ui/QtText.h"
#include "ui/TMainForm.h"

namespace marovix::test_selections {

namespace {

// The cell texts a view shows, heading row first, as the core's grid holds them.
bool viewShows(QTableView* view, const TextGrid& grid, QString& difference) {
    QAbstractItemModel* model = view->model();
    if (model->rowCount() != grid.rowCount() - 1) {
        difference =
            QStringLiteral("%1: rows %2 vs %3").arg(view->objectName()).arg(model->rowCount()).arg(grid.rowCount() - 1);
        return false;
    }
    for (int c = 0; c < grid.columnCount(); ++c) {
        for (int r = 1; r < grid.rowCount(); ++r) {
            if (model->index(r - 1, c).data().toString() != qs(grid.cell(c, r))) {
                difference = QStringLiteral("%1: cell %2,%3").arg(view->objectName()).arg(c).arg(r);
                return false;
            }
        }
    }
    return true;
}

// Clicks a cell of a grid view (row 1 is the view's first row).
void clickCell(QTableView* view, int column, int row) {
    const QModelIndex index = view->model()->index(row - 1, column);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

}  // namespace

class TestSelections : public QObject {
    Q_OBJECT
private slots:
    void marksMethodsAndFiltersRebuildTheGridsTheWindowShows();
};

void TestSelections::marksMethodsAndFiltersRebuildTheGridsTheWindowShows() {
    DemoDayOptions options;
    options.finalOdds = true;
    DemoDay demo(options);
    QVERIFY2(demo.problems().empty(), demo.problems().empty() ? "" : demo.problems().front().c_str());
    FakeMainPorts fakes;
    fakes.clock.set(DateTime{2025, 3, 3, 10, 0, 0});
    {
        // Marks by clicks only; win and quinella take part, the trifecta builds while its tab shows.
        Settings settings(demo.appFolder(), demo.appFolder() + "/share", fakes.clock);
        QVERIFY(settings.writeInt(settings::KaimeSetShihyoSet, 2).ok());
        QVERIFY(settings.writeBool(settings::BuyBaken[0], true).ok());
        QVERIFY(settings.writeBool(settings::BuyBaken[3], true).ok());
    }
    MainModel model(demo.appFolder(), demo.appFolder() + "/share", fakes.ports());
    TMainForm form(model);
    form.resize(1400, 900);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* combo = form.findChild<QComboBox*>(QStringLiteral("DateCombo"));
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    QCOMPARE(model.state().currentRace, 0);

    auto view = [&](GridId grid) { return form.findChild<QTableView*>(qs(std::string(gridName(grid)))); };
    auto showsTheCore = [&] {
        QString difference;
        for (int id = 0; id < static_cast<int>(GridId::AllKaimeGrid); ++id) {
            if (!viewShows(view(static_cast<GridId>(id)), model.state().grid(static_cast<GridId>(id)), difference)) {
                qWarning("%s", qPrintable(difference));
                return false;
            }
        }
        return true;
    };
    auto combinations = [&](BetType bet) {
        QStringList texts;
        const KaimeGrid& grid = model.state().kaimeGrid(bet);
        for (int r = 1; r < grid.rowCount(); ++r)
            if (!grid.cell(KaimeCol::Kaime, r).empty()) texts << qs(grid.cell(KaimeCol::Kaime, r));
        return texts;
    };

    // ◎ on horses 1-3 and ○ on 4 by clicks in the card: win takes the three, quinella boxes them.
    QTableView* card = view(GridId::StringGrid26);
    for (int row : {1, 2, 3}) clickCell(card, 18, row);
    clickCell(card, 19, 4);
    clickCell(card, 5, 5);  // not a mark cell
    QCOMPARE(model.state().stringGrid26.cell(Card26Col::Mark1, 2), std::string("ν"));
    QCOMPARE(model.state().stringGrid26.cell(Card26Col::Mark2, 4), std::string("ν"));
    QCOMPARE(combinations(BetType::UR),
             (QStringList{QStringLiteral(" 1- 2"), QStringLiteral(" 1- 3"), QStringLiteral(" 2- 3")}));
    QVERIFY(showsTheCore());

    // The quinella's "流し": ◎ with ○ partners.
    form.findChild<QRadioButton*>(QStringLiteral("URKaikataRadio1"))->click();
    QCOMPARE(model.state().options.value(MainOption::KaikataUR), 1);
    QCOMPARE(combinations(BetType::UR),
             (QStringList{QStringLiteral(" 1- 4"), QStringLiteral(" 2- 4"), QStringLiteral(" 3- 4")}));
    QVERIFY(showsTheCore());

    // A win filter: only odds of 10.0 and more.
    const QStringList winBefore = combinations(BetType::Tan);
    auto* low = form.findChild<QLineEdit*>(QStringLiteral("Toz1editA"));
    low->selectAll();
    QTest::keyClicks(low, QStringLiteral("10.0"));
    QCOMPARE(model.state().ozSpan[0], std::string("10.0"));
    const KaimeGrid& win = model.state().kaimeGrid(BetType::Tan);
    for (int r = 1; r < win.rowCount(); ++r)
        if (!win.cell(KaimeCol::Odds, r).empty()) QVERIFY(std::stod(win.cell(KaimeCol::Odds, r)) >= 10.0);
    QVERIFY(combinations(BetType::Tan).size() <= winBefore.size());
    QVERIFY(showsTheCore());

    // The trifecta tab: its method's multi boxes show as the core says, and it builds while showing.
    auto* tabs = form.findChild<QTabWidget*>(QStringLiteral("PageControl4"));
    tabs->setCurrentIndex(8);
    form.findChild<QPushButton*>(QStringLiteral("AllCkBtn3"))->click();  // ▲ on every horse
    form.findChild<QRadioButton*>(QStringLiteral("SRTKaikataRadio3"))->click();
    for (const char* name : {"CheckMulti3T", "CheckMulti3T12", "CheckMulti3T23", "CheckMulti3T13"})
        QVERIFY2(form.findChild<QCheckBox*>(QString::fromLatin1(name))->isVisible(), name);
    const int formation = static_cast<int>(combinations(BetType::SRT).size());
    QVERIFY(formation > 0);
    form.findChild<QCheckBox*>(QStringLiteral("CheckMulti3T"))->click();
    QVERIFY(model.state().options.on(MainOption::MultiSRT));
    QVERIFY(combinations(BetType::SRT).size() > formation);
    form.findChild<QRadioButton*>(QStringLiteral("SRTKaikataRadio0"))->click();
    QVERIFY(!form.findChild<QCheckBox*>(QStringLiteral("CheckMulti3T"))->isVisible());
    QVERIFY(showsTheCore());

    // "消" on the win grid's first row stays through the next rebuild.
    tabs->setCurrentIndex(1);
    QVERIFY(!combinations(BetType::Tan).isEmpty());
    clickCell(view(GridId::TanKaimeGrid), 0, 1);
    QCOMPARE(win.cell(KaimeCol::Kesu, 1), std::string("消"));
    form.findChild<QPushButton*>(QStringLiteral("AllDlBtn2"))->click();
    QCOMPARE(win.cell(KaimeCol::Kesu, 1), std::string("消"));
    QVERIFY(showsTheCore());

    if (const QByteArray dir = qgetenv("MAROVIX_SCREENSHOT_DIR"); !dir.isEmpty())
        form.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/selections.png"));
}

MAROVIX_UI_TEST(TestSelections)
}  // namespace marovix::test_selections

#include "TestSelections.moc"
