// The real main window on a generated, downloaded meeting day: choosing the day in DateCombo and a race
// in DatList shows the race card the core holds, painted by the core's rules.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>
#include <map>
#include <memory>

#include "core/app/MainModel.h"
#include "core/race/JvRecord.h"
#include "tests/support/DemoDay.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/ui/UiTestRegistry.h"
#include "ui/QtText.h"
#include "ui/TMainForm.h"

namespace marovix::test_race_day {

namespace {

// The cell texts a view shows, heading row first, as the core's grid holds them.
bool viewShows(QTableView* view, const TextGrid& grid, QString& difference) {
    QAbstractItemModel* model = view->model();
    if (model->rowCount() != grid.rowCount() - 1) {
        difference = QStringLiteral("rows %1 vs %2").arg(model->rowCount()).arg(grid.rowCount() - 1);
        return false;
    }
    for (int c = 0; c < grid.columnCount(); ++c) {
        if (model->headerData(c, Qt::Horizontal).toString() != qs(grid.cell(c, 0))) {
            difference = QStringLiteral("heading %1").arg(c);
            return false;
        }
        for (int r = 1; r < grid.rowCount(); ++r) {
            if (model->index(r - 1, c).data().toString() != qs(grid.cell(c, r))) {
                difference = QStringLiteral("cell %1,%2").arg(c).arg(r);
                return false;
            }
        }
    }
    return true;
}

// The main window on a generated, downloaded application folder, the clock on 3 March 2025.
struct DemoWindow {
    DemoWindow() {
        fakes.clock.set(DateTime{2025, 3, 3, 10, 0, 0});
        form = std::make_unique<TMainForm>(model);
    }
    DemoDay demo;
    FakeMainPorts fakes;
    MainModel model{demo.appFolder(), demo.appFolder() + "/share", fakes.ports()};
    std::unique_ptr<TMainForm> form;

    const char* problems() const { return demo.problems().empty() ? "" : demo.problems().front().c_str(); }
};

}  // namespace

class TestRaceDay : public QObject {
    Q_OBJECT
private slots:
    void choosingADayAndARaceShowsTheCoresRaceCard();
    void aClickInTheRaceListRepaintsEachGridOnce();
};

void TestRaceDay::choosingADayAndARaceShowsTheCoresRaceCard() {
    DemoWindow window;
    QVERIFY2(window.demo.problems().empty(), window.problems());
    MainModel& model = window.model;
    TMainForm& form = *window.form;
    form.resize(1280, 860);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    auto* combo = form.findChild<QComboBox*>(QStringLiteral("DateCombo"));
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->currentIndex(), -1);  // no day chosen at start
    auto* pages = form.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    QVERIFY(!pages->isVisible());

    combo->setCurrentIndex(1);
    emit combo->activated(1);  // the user picks the older day
    QCOMPARE(model.state().shownDay.value_or(""), str(combo->itemText(1)));
    auto* datList = form.findChild<QListWidget*>(QStringLiteral("DatList"));
    QCOMPARE(datList->count(), static_cast<int>(model.state().datList.size()));
    QVERIFY(pages->isVisible());
    QCOMPARE(datList->currentRow(), 0);

    // A turf race, so the header panel is green.
    int turf = -1;
    for (int i = 0; i < datList->count() && turf < 0; ++i) {
        const int track = fieldNumber(model.session().day().race(i), 706, 2);
        if (track >= 10 && track <= 22) turf = i;
    }
    QVERIFY(turf >= 0);
    QTest::mouseClick(datList->viewport(), Qt::LeftButton, {}, datList->visualItemRect(datList->item(turf)).center());
    QCOMPARE(model.state().currentRace, turf);

    QString difference;
    auto* card26 = form.findChild<QTableView*>(QStringLiteral("StringGrid26"));
    auto* card1 = form.findChild<QTableView*>(QStringLiteral("StringGrid1"));
    QVERIFY2(viewShows(card26, model.state().stringGrid26.text(), difference), qPrintable(difference));
    QVERIFY2(viewShows(card1, model.state().stringGrid1.text(), difference), qPrintable(difference));
    // Paint from the core's rules: bracket colours in column 0, bold red for the first rank.
    const QVariant bracket = card1->model()->index(0, 0).data(Qt::BackgroundRole);
    QCOMPARE(bracket.value<QColor>(), QColor(0xFF, 0xFF, 0xFF));  // bracket 1
    QVERIFY(form.findChild<QWidget*>(QStringLiteral("Panel21"))->styleSheet().contains(QStringLiteral("#008000")));
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("BashoLabel"))->text(),
             qs(model.state().labels[LabelId::BashoLabel].text));

    if (const QByteArray dir = qgetenv("MAROVIX_SCREENSHOT_DIR"); !dir.isEmpty()) {
        form.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/race-card.png"));
        pages->setCurrentIndex(1);
        QApplication::processEvents();
        form.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/full-card.png"));
    }
}

void TestRaceDay::aClickInTheRaceListRepaintsEachGridOnce() {
    DemoWindow window;
    QVERIFY2(window.demo.problems().empty(), window.problems());
    MainModel& model = window.model;
    TMainForm& form = *window.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    model.setOption(MainOption::BuyUR, 1);
    model.DateComboChange(window.demo.days().front());
    // Every grid's model counts its resets.
    std::map<QString, int> resets;
    for (QTableView* view : form.findChildren<QTableView*>()) {
        const QString grid = view->objectName();
        connect(view->model(), &QAbstractItemModel::modelReset, this, [&resets, grid] { ++resets[grid]; });
    }
    auto* datList = form.findChild<QListWidget*>(QStringLiteral("DatList"));
    QVERIFY(datList->count() > 1);
    QTest::mouseClick(datList->viewport(), Qt::LeftButton, {}, datList->visualItemRect(datList->item(1)).center());
    QCOMPARE(model.state().currentRace, model.state().slotOfEntry(1));
    // The two race cards, the eight selection grids and the combined list, once each; the others not.
    std::map<QString, int> once;
    for (const char* grid :
         {"StringGrid26", "StringGrid1", "TanKaimeGrid", "FukKaimeGrid", "WRKaimeGrid", "URKaimeGrid", "WDKaimeGrid",
          "UTKaimeGrid", "SRFKaimeGrid", "SRTKaimeGrid", "AllKaimeGrid"})
        once[QString::fromLatin1(grid)] = 1;
    QCOMPARE(resets, once);
}

MAROVIX_UI_TEST(TestRaceDay)
}  // namespace marovix::test_race_day

#include "TestRaceDay.moc"
