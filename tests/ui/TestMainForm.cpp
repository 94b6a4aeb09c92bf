// The real main window on a temporary application folder: captions, menus, grid headings,
// placement, first show and close.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include "core/app/MainModel.h"
#include "core/common/TextFile.h"
#include "tests/support/FakeMainPorts.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/UiTestRegistry.h"
#include "ui/QtText.h"
#include "ui/TIpatLogForm.h"
#include "ui/TMainForm.h"

namespace marovix::test_main_form {

namespace {

struct World : FakeMainPorts {
    TempFolder folder;
};

QStringList headings(QTableView* view) {
    QStringList out;
    for (int c = 0; c < view->model()->columnCount(); ++c)
        out << view->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    return out;
}

QStringList hiddenColumns(QTableView* view) {
    QStringList out;
    for (int c = 0; c < view->model()->columnCount(); ++c)
        if (view->isColumnHidden(c)) out << QString::number(c);
    return out;
}

// Renders a text in a font and tells whether it differs from the rendering of characters that no
// font has (which come out as empty boxes): a missing CJK font makes both look the same.
bool rendersWithRealGlyphs(const QString& text, const QFont& font) {
    auto render = [&font](const QString& s) {
        QImage image(400, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignVCenter, s);
        return image;
    };
    QString missing;
    for (int i = 0; i < text.size(); ++i) missing += QChar(0xE000 + i);  // private use: no glyphs
    QImage real = render(text);
    QImage boxes = render(missing);
    return real != boxes && real != render(QString());
}

}  // namespace

class TestMainForm : public QObject {
    Q_OBJECT
private slots:
    void captionsMenusAndGridHeadings();
    void placementComesFromLocateAndIsSavedOnClose();
    void placementOffEveryScreenIsClampedAndSavedClamped();
    void firstShowInitialisesJvLinkAndFillsTheLogWindow();
    void failingJvInitIsShownAndTheProgramStaysOpen();
    void japaneseCaptionsRenderWithRealGlyphs();
    void optionMenuWritesItsSettingAtOnce();
};

void TestMainForm::captionsMenusAndGridHeadings() {
    World world;
    MainModel model(world.folder.path(), world.folder.path(), world.ports());
    TMainForm form(model);
    QCOMPARE(form.windowTitle(), QStringLiteral("Marovix　中央競馬版"));

    QStringList menus;
    for (QAction* action : form.menuBar()->actions()) menus << action->text();
    QCOMPARE(menus, (QStringList{QStringLiteral("ﾌｧｲﾙ(&F)"), QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"),
                                 QStringLiteral("ﾌｫﾙﾀﾞ指定(&F)"), QStringLiteral("ﾍﾙﾌﾟ(&H)")}));
    QCOMPARE(form.findChild<QAction*>(QStringLiteral("FileExitItem"))->text(), QStringLiteral("終了(&X)"));
    QCOMPARE(form.findChild<QAction*>(QStringLiteral("HelpContentsItem"))->text(), QStringLiteral("使用解説書(&C)"));
    QCOMPARE(form.findChild<QAction*>(QStringLiteral("HelpAboutItem"))->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)..."));
    QCOMPARE(form.findChild<QAction*>(QStringLiteral("SimMode"))->text(), QStringLiteral("シミュレーションモード"));

    const std::pair<const char*, const char*> buttons[] = {{"KekkaGetBtn", "結果情報"}, {"SokuhoOddsBtn", "速報ｵｯｽﾞ"},
                                                           {"NextRaceBtn", "直前ﾚｰｽ"},  {"GetDMBtn", "ﾏｲﾆﾝｸﾞ"},
                                                           {"JVBtn", "JVﾃﾞｰﾀ取得"},     {"InputFormBtn", "買い目設定"},
                                                           {"QuitButton", "終了"},      {"HelpButton", "ヘルプ"}};
    for (auto [name, caption] : buttons) {
        auto* button = form.findChild<QPushButton*>(QString::fromUtf8(name));
        QVERIFY2(button, name);
        QCOMPARE(button->text(), QString::fromUtf8(caption));
    }
    for (const char* name : {"DateCombo", "DatList", "DLlabel", "BashoLabel", "RaceLabel", "Label1", "Label2", "Label3",
                             "RestTimeLabel", "NowTimLabel", "NowTimeRaceList", "StatusLine", "SimModeLabel"})
        QVERIFY2(form.findChild<QWidget*>(QString::fromUtf8(name)), name);
    for (const char* name : {"Timer1", "TimerNavi", "Timer4", "ZanDakaNaviTimer", "ZanDakaTimer", "FormDisableTimer",
                             "Timer2", "Timer3", "CurRaceTimer", "HenkoTimer"})
        QVERIFY2(form.findChild<QTimer*>(QString::fromUtf8(name)), name);

    auto* grid26 = form.findChild<QTableView*>(QStringLiteral("StringGrid26"));
    QCOMPARE(
        headings(grid26).mid(0, 8),
        (QStringList{QStringLiteral("枠"), QStringLiteral("馬"), QStringLiteral("馬名"), QStringLiteral("性齢"),
                     QStringLiteral("騎手"), QStringLiteral("斤量"), QStringLiteral("単OZ"), QStringLiteral("順")}));
    QCOMPARE(headings(grid26).mid(18), (QStringList{QStringLiteral("◎"), QStringLiteral("○"), QStringLiteral("▲")}));
    QCOMPARE(hiddenColumns(grid26),
             (QStringList{QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("11"),
                          QStringLiteral("12"), QStringLiteral("13"), QStringLiteral("14"), QStringLiteral("15"),
                          QStringLiteral("16"), QStringLiteral("17")}));
    for (const char* name : {"TanKaimeGrid", "FukKaimeGrid", "WRKaimeGrid", "URKaimeGrid", "WDKaimeGrid", "UTKaimeGrid",
                             "SRFKaimeGrid", "SRTKaimeGrid"}) {
        auto* grid = form.findChild<QTableView*>(QString::fromUtf8(name));
        QVERIFY2(grid, name);
        QCOMPARE(headings(grid).size(), 15);
        QCOMPARE(headings(grid).at(3), QStringLiteral("買い目"));
        QCOMPARE(hiddenColumns(grid),
                 (QStringList{QStringLiteral("4"), QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("11")}));
    }
    auto* all = form.findChild<QTableView*>(QStringLiteral("AllKaimeGrid"));
    QCOMPARE(headings(all).at(2), QStringLiteral("馬券種"));
    QCOMPARE(headings(all).at(4), QStringLiteral("連順位"));
    QCOMPARE(hiddenColumns(all), (QStringList{QStringLiteral("4"), QStringLiteral("8"), QStringLiteral("9"),
                                              QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("14")}));
    auto* card = form.findChild<QTableView*>(QStringLiteral("StringGrid1"));
    QCOMPARE(headings(card).size(), 22);
    QCOMPARE(headings(card).at(21), QStringLiteral("確ｵｯｽﾞ"));
    QCOMPARE(headings(form.findChild<QTableView*>(QStringLiteral("HyosuGrid"))).at(12), QStringLiteral("票数計"));
    QCOMPARE(headings(form.findChild<QTableView*>(QStringLiteral("OddsGrid"))).at(4), QStringLiteral("対応人気"));

    auto* pages = form.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    QVERIFY(!pages->isVisibleTo(&form));  // hidden until a day is loaded
    QCOMPARE(pages->tabText(0), QStringLiteral("買い目"));
    QCOMPARE(pages->tabText(1), QStringLiteral("出馬表"));
    QCOMPARE(pages->tabText(2), QStringLiteral("結果"));
    for (int tab = 3; tab <= 5; ++tab) QVERIFY(!pages->tabBar()->isTabVisible(tab));
    QCOMPARE(form.findChild<QWidget*>(QStringLiteral("SRTKaikataRadio"))->findChildren<QRadioButton*>().size(), 4);
    QCOMPARE(form.findChild<QRadioButton*>(QStringLiteral("SRTKaikataRadio3"))->text(), QStringLiteral("ﾌｫｰﾒｰｼｮﾝ"));
    QCOMPARE(form.findChild<QWidget*>(QStringLiteral("URKaikataRadio"))->findChildren<QRadioButton*>().size(), 2);
    QVERIFY(!form.findChild<QWidget*>(QStringLiteral("TanKaikataRadio")));
    auto* betPages = form.findChild<QTabWidget*>(QStringLiteral("PageControl4"));
    QStringList tabs;
    for (int i = 0; i < betPages->count(); ++i) tabs << betPages->tabText(i);
    QCOMPARE(tabs, (QStringList{QStringLiteral("一括"), QStringLiteral("単勝"), QStringLiteral("複勝"),
                                QStringLiteral("枠連"), QStringLiteral("馬連"), QStringLiteral("ワイド"),
                                QStringLiteral("馬単"), QStringLiteral("３連複"), QStringLiteral("３連単")}));
}

void TestMainForm::placementComesFromLocateAndIsSavedOnClose() {
    World world;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.width() >= 760 && screen.height() >= 760, "the offscreen screen is 800 x 800");
    {
        MainModel model(world.folder.path(), world.folder.path(), world.ports());
        TMainForm form(model);
        // No settings file yet: 10, 10, 1100, 750, as far as the screen holds it.
        QCOMPARE(form.geometry(), QRect(std::max(screen.left(), std::min(10, screen.right() + 1 - 1100)), 10,
                                        std::min(1100, screen.width()), 750));
    }
    QVERIFY(
        writeTextLines(world.folder.file("Marovix.ini"), {"[locate]", "top=40", "left=60", "width=700", "height=640"})
            .ok());
    MainModel model(world.folder.path(), world.folder.path(), world.ports());
    TMainForm form(model);
    QCOMPARE(form.geometry(), QRect(60, 40, 700, 640));
    form.show();
    form.setGeometry(70, 50, 1000, 700);  // moved by the user, wider than this screen: saved as it is
    form.close();
    auto lines = readTextLines(world.folder.file("Marovix.ini"));
    QVERIFY(lines.ok());
    QStringList text;
    for (const auto& line : *lines) text << qs(line);
    QVERIFY2(text.contains(QStringLiteral("top=50")) && text.contains(QStringLiteral("left=70")) &&
                 text.contains(QStringLiteral("width=1000")) && text.contains(QStringLiteral("height=700")),
             qPrintable(text.join(QLatin1Char('|'))));
}

void TestMainForm::placementOffEveryScreenIsClampedAndSavedClamped() {
    World world;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(writeTextLines(world.folder.file("Marovix.ini"),
                           {"[locate]", "top=-99999", "left=50", "width=600", "height=999999999"})
                .ok());
    {
        MainModel model(world.folder.path(), world.folder.path(), world.ports());
        TMainForm form(model);
        QCOMPARE(form.geometry(), QRect(50, screen.top(), 600, screen.height()));
        form.close();
    }
    auto lines = readTextLines(world.folder.file("Marovix.ini"));
    QVERIFY(lines.ok());
    QCOMPARE(QStringList({qs((*lines)[1]), qs((*lines)[2]), qs((*lines)[3]), qs((*lines)[4])}),
             QStringList({QStringLiteral("top=%1").arg(screen.top()), QStringLiteral("left=50"),
                          QStringLiteral("width=600"), QStringLiteral("height=%1").arg(screen.height())}));
}

void TestMainForm::firstShowInitialisesJvLinkAndFillsTheLogWindow() {
    World world;
    MainModel model(world.folder.path(), world.folder.path(), world.ports());
    TMainForm form(model);
    TIpatLogForm log(model);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(world.jvLink.calls().front().name, std::string("JVInit"));
    auto* list = log.findChild<QListWidget*>(QStringLiteral("AutoNaviList"));
    QCOMPARE(list->count(), 2);
    QVERIFY(list->item(1)->text().startsWith(QStringLiteral("■利用開始 2024/01/06 09:30:00")));
    QCOMPARE(list->currentRow(), 1);
    form.show();  // a second show does not initialise again
    QCOMPARE(world.jvLink.callCount("JVInit"), 1);
}

void TestMainForm::failingJvInitIsShownAndTheProgramStaysOpen() {
    World world;
    world.jvLink.queueInit(-101);
    MainModel model(world.folder.path(), world.folder.path(), world.ports());
    TMainForm form(model);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(world.dialogs.informations.size(), std::size_t(1));
    QCOMPARE(qs(world.dialogs.informations[0]), QStringLiteral("JVInitエラー：sid が設定されていません。(-101)"));
    QVERIFY(form.isVisible());
}

void TestMainForm::japaneseCaptionsRenderWithRealGlyphs() {
    World world;
    MainModel model(world.folder.path(), world.folder.path(), world.ports());
    TMainForm form(model);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY2(!QFontDatabase::families(QFontDatabase::Japanese).isEmpty(), "no Japanese font is installed");
    auto* button = form.findChild<QPushButton*>(QStringLiteral("JVBtn"));
    QVERIFY(rendersWithRealGlyphs(QStringLiteral("中央競馬版"), button->font()));
    QVERIFY(rendersWithRealGlyphs(button->text(), button->font()));
}

void TestMainForm::optionMenuWritesItsSettingAtOnce() {
    World world;
    MainModel model(world.folder.path(), world.folder.path(), world.ports());
    TMainForm form(model);
    auto* sim = form.findChild<QAction*>(QStringLiteral("SimMode"));
    QVERIFY(!sim->isChecked());
    QCOMPARE(model.state().labels[LabelId::SimModeLabel].color, std::optional<Rgb>(0x808080u));
    sim->trigger();
    QVERIFY(sim->isChecked());
    QCOMPARE(model.state().labels[LabelId::SimModeLabel].color, std::optional<Rgb>(0x00FF00u));
    QVERIFY(form.findChild<QLabel*>(QStringLiteral("SimModeLabel"))->styleSheet().contains(QStringLiteral("#00ff00")));
    auto lines = readTextLines(world.folder.file("Marovix.ini"));
    QVERIFY(lines.ok());
    QVERIFY(std::find(lines->begin(), lines->end(), "SimMode=1") != lines->end());
}

MAROVIX_UI_TEST(TestMainForm)
}  // namespace marovix::test_main_form

#include "TestMainForm.moc"
