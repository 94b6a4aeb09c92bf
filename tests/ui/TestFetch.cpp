// The real main window on a generated race day, the JV-Link stand-in serving the day's feed at a moment
// of the day: "速報ｵｯｽﾞ" fetches the shown race's odds, and the race card and the selections change.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "core/app/MainModel.h"
#include "core/common/TextFile.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "standins/jvlink/FeedJvLink.h"
#include "tests/support/DemoDay.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/ui/UiTestRegistry.h"
#include "ui/QtText.h"
#include "ui/TMainForm.h"

namespace marovix::test_fetch {

class TestFetch : public QObject {
    Q_OBJECT
private slots:
    void quickOddsChangeTheRaceCardAndTheSelections();
};

namespace {

// The texts of a view's column, body rows only.
QStringList column(QTableView* view, int column) {
    QStringList texts;
    for (int r = 0; r < view->model()->rowCount(); ++r) texts << view->model()->index(r, column).data().toString();
    return texts;
}

}  // namespace

void TestFetch::quickOddsChangeTheRaceCardAndTheSelections() {
    DemoDay demo;  // 2025-03-01 and 02, downloaded without odds
    QVERIFY2(demo.problems().empty(), demo.problems().empty() ? "" : demo.problems().front().c_str());
    FakeMainPorts fakes;
    fakes.clock.set(DateTime{2025, 3, 1, 12, 0, 0});  // the first day, at noon
    FeedJvLink feed(fakes.clock, demo.feedFolder());
    // Marks by win popularity (◎ the favourite), and the win bets take part.
    {
        Settings settings(demo.appFolder(), demo.appFolder() + "/share", fakes.clock);
        QVERIFY(settings.writeBool(settings::BuyBaken[0], true).ok());
        QVERIFY(settings.writeInt(settings::SihyoSel1, 0).ok());
        QVERIFY(writeTextLines(demo.appFolder() + "/selecteduma.dat",
                               {"100000000000000000", "010000000000000000", "001000000000000000"})
                    .ok());
    }
    MainModel model(demo.appFolder(), demo.appFolder() + "/share", fakes.ports(feed));
    TMainForm form(model);
    form.resize(1280, 860);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    auto* combo = form.findChild<QComboBox*>(QStringLiteral("DateCombo"));
    const int day = combo->findText(QStringLiteral("2025年03月01日"));
    QVERIFY(day >= 0);
    combo->setCurrentIndex(day);
    emit combo->activated(day);
    QCOMPARE(model.state().currentRace, 0);

    auto* card = form.findChild<QTableView*>(QStringLiteral("StringGrid26"));
    auto* win = form.findChild<QTableView*>(QStringLiteral("TanKaimeGrid"));
    QVERIFY(card && win);
    const int runners = card->model()->rowCount();
    QVERIFY(runners > 4);
    QCOMPARE(column(card, 6).count(QStringLiteral("     ")), runners);  // no odds yet
    const QStringList winBefore = column(win, 3);

    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("SokuhoOddsBtn")), Qt::LeftButton);

    QVERIFY(model.session().ozFetched(0));
    QVERIFY(fileExists(demo.appFolder() + "/Data/2025年03月01日.jvO1"));
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("DLlabel"))->text(), QString());
    // The card shows the fetched win odds and their ranks, as the core holds them.
    const QStringList odds = column(card, 6);
    QVERIFY(odds.count(QStringLiteral("     ")) < runners);
    for (int r = 0; r < runners; ++r) {
        QCOMPARE(odds[r], qs(model.state().stringGrid26.cell(Card26Col::TanOz, r + 1)));
        QCOMPARE(card->model()->index(r, 7).data().toString(),
                 qs(model.state().stringGrid26.cell(Card26Col::TanJun, r + 1)));
    }
    QVERIFY(column(card, 7).contains(QStringLiteral(" 1")));
    // The favourite is marked, and the win selection is made on it.
    const QStringList winAfter = column(win, 3);
    QVERIFY(winAfter != winBefore);
    const int favourite = column(card, 7).indexOf(QStringLiteral(" 1"));
    QVERIFY(winAfter.contains(card->model()->index(favourite, 1).data().toString()));

    if (const QByteArray dir = qgetenv("MAROVIX_SCREENSHOT_DIR"); !dir.isEmpty())
        form.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/quick-odds.png"));
}

MAROVIX_UI_TEST(TestFetch)
}  // namespace marovix::test_fetch

#include "TestFetch.moc"
