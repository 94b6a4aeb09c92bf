// The real main window on a generated past day: marks clicked on the race card build the selections of
// every bet type, the combined list shows the winning rows' "買い目" cells in magenta with their returns,
// and the payout panel shows the race's payouts.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include "core/app/MainModel.h"
#include "core/race/JvRecord.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "tests/support/DemoDay.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/ui/UiTestRegistry.h"
#include "ui/QtText.h"
#include "ui/TMainForm.h"

namespace marovix::test_past_race {

class TestPastRace : public QObject {
    Q_OBJECT
private slots:
    void winningRowsShowInMagentaWithThePayoutPanel();
};

void TestPastRace::winningRowsShowInMagentaWithThePayoutPanel() {
    DemoDay demo(DemoDayOptions{DateTime{2025, 3, 8}, DateTime{2025, 3, 8}, 23, true, true});
    QVERIFY2(demo.problems().empty(), demo.problems().empty() ? "" : demo.problems().front().c_str());
    FakeMainPorts fakes;
    fakes.clock.set(DateTime{2025, 3, 10, 9, 0, 0});
    {
        Settings settings(demo.appFolder(), demo.appFolder() + "/share", fakes.clock);
        for (const auto& key : settings::BuyBaken) QVERIFY(settings.writeBool(key, true).ok());
        QVERIFY(settings.writeInt(settings::KaimeSetShihyoSet, 2).ok());
    }
    MainModel model(demo.appFolder(), demo.appFolder() + "/share", fakes.ports());
    TMainForm form(model);
    form.resize(1280, 860);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* combo = form.findChild<QComboBox*>(QStringLiteral("DateCombo"));
    combo->setCurrentIndex(0);
    emit combo->activated(0);

    // Find a race whose winner the marks catch: ◎ on the first five finishers' horses, by clicks.
    auto* card = form.findChild<QTableView*>(QStringLiteral("StringGrid26"));
    auto* all = form.findChild<QTableView*>(QStringLiteral("AllKaimeGrid"));
    int hitRow = -1;
    for (int race = 0; race < static_cast<int>(model.state().datList.size()) && hitRow < 0; ++race) {
        model.DatListClick(race);
        const RaceCard1Grid& full = model.state().stringGrid1;
        for (int r = 1; r < full.rowCount(); ++r) {
            const int position = lenientInt(full.cell(Card1Col::Chakujun, r));
            if (position >= 1 && position <= 3) {
                QTest::mouseClick(card->viewport(), Qt::LeftButton, {},
                                  card->visualRect(card->model()->index(r - 1, 18)).center());
            }
        }
        const KaimeGrid& list = model.state().allKaimeGrid;
        for (int row = 1; row < list.rowCount() && hitRow < 0; ++row)
            if (lenientInt(list.cell(KaimeCol::ResultPayout, row)) > 0) hitRow = row;
    }
    QVERIFY(hitRow > 0);
    // The winning row's "買い目" cell is magenta in the window.
    const QVariant color = all->model()->index(hitRow - 1, 3).data(Qt::BackgroundRole);
    QCOMPARE(color.value<QColor>(), QColor(0xFF, 0x00, 0xFF));
    QVERIFY(!model.state().labels[LabelId::KaishuLabel].text.empty());

    if (const QByteArray dir = qgetenv("MAROVIX_SCREENSHOT_DIR"); !dir.isEmpty()) {
        all->scrollTo(all->model()->index(hitRow - 1, 3));
        QApplication::processEvents();
        form.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/past-race-selections.png"));
        auto* pages = form.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        pages->setCurrentIndex(2);
        QApplication::processEvents();
        form.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/past-race-payouts.png"));
        pages->setCurrentIndex(0);
        auto* bets = form.findChild<QTabWidget*>(QStringLiteral("PageControl4"));
        bets->setCurrentIndex(8);
        QApplication::processEvents();
        form.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/past-race-trifecta.png"));
    }
}

MAROVIX_UI_TEST(TestPastRace)
}  // namespace marovix::test_past_race

#include "TestPastRace.moc"
