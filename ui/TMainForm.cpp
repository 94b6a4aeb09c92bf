#include "ui/TMainForm.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/app/MainModel.h"
#include "core/common/BetType.h"
#include "core/common/MainLabels.h"
#include "core/common/ProgramInfo.h"
#include "core/kaime/SelectionControls.h"
#include "core/ports/Clock.h"
#include "core/race/GridRowSort.h"
#include "core/settings/SettingsTable.h"
#include "ui/QtText.h"
#include "ui/ScreenPlacement.h"
#include "ui/TAboutForm.h"
#include "ui/TOzGetTimeForm.h"
#include "ui/TextGridModel.h"
#include "ui/WidgetNames.h"
#include "ui/WindowViews.h"

namespace marovix {
namespace {

QString name(const char* text) { return QString::fromUtf8(text); }

QPushButton* button(const char* objectName, const char* caption, QWidget* parent) {
    return named(new QPushButton(name(caption), parent), name(objectName));
}

// A radio group of captions laid out in a row inside a titled box.
// A radio group of captions inside a titled box, `perRow` buttons to a row.
QButtonGroup* radioGroup(const QString& objectName, const QString& title, const QStringList& captions, QWidget* parent,
                         QLayout* into, int perRow = 8) {
    auto* box = named(new QGroupBox(title, parent), objectName);
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(4, 2, 4, 2);
    auto* group = new QButtonGroup(box);
    group->setObjectName(objectName + QStringLiteral("Group"));
    for (int i = 0; i < captions.size(); ++i) {
        auto* radio = new QRadioButton(captions[i], box);
        radio->setObjectName(objectName + QString::number(i));
        group->addButton(radio, i);
        layout->addWidget(radio, i / perRow, i % perRow);
    }
    into->addWidget(box);
    return group;
}

QStringList betTypeNames() {
    QStringList names;
    for (const auto& bet : kBetTypes) names << qs(std::string(bet.name));
    return names;
}

}  // namespace

TMainForm::TMainForm(MainModel& model, QWidget* parent) : QMainWindow(parent), m_model(model) {
    setObjectName(QStringLiteral("TMainForm"));
    setWindowTitle(qs(kProgramTitle));
    buildMenus();
    buildTopBar();
    buildCentre();
    connectStakeControls();
    wireSelectionPage();
    auto* status = named(new QStatusBar(this), QStringLiteral("StatusLine"));
    setStatusBar(status);  // shows the hints (status tips) of the controls
    addTimer("Timer1", 1000);
    addTimer("TimerNavi", 1000, &MainTimers::TimerNavi);
    addTimer("Timer4", 10 * 60 * 1000);
    addTimer("ZanDakaNaviTimer", 1000);  // the four scheduled timers are the scheduler's, ticked each second
    connectTick(addTimer("ZanDakaTimer", 500, &MainTimers::ZanDakaTimer), [this] { m_model.ZanDakaTimerTimer(); });
    connectTick(addTimer("FormDisableTimer", 1000), [this] { m_model.FormDisableTimerTimer(); });
    connectTick(addTimer("Timer2", 500, &MainTimers::Timer2), [this] { m_model.Timer2Timer(); });
    QTimer* timer3 = addTimer("Timer3", 1000);
    connectTick(timer3, [this] { m_model.Timer3Timer(); });
    timer3->start();
    connectTick(addTimer("CurRaceTimer", 30000, &MainTimers::CurRaceTimer), [this] { m_model.CurRaceTimerTimer(); });
    connectTick(addTimer("HenkoTimer", 300000, &MainTimers::HenkoTimer), [this] { m_model.HenkoTimerTimer(); });
    // The vote queue: waiting votes handed over, ended plug-in runs recorded, without blocking the window.
    QTimer* voteQueue = addTimer("VoteQueueTimer", 1000);
    connectTick(voteQueue, [this] { m_model.VoteQueueTimerTimer(); });
    voteQueue->start();
    // Automatic operation: every second since the last tick handled once, never inside a handler (nor
    // while a dialog a handler opened waits for the user).
    m_autoHost = std::make_unique<MainAutoHost>(m_model, [] { return QApplication::activeModalWidget() != nullptr; });
    m_scheduler = std::make_unique<Scheduler>(*m_autoHost);
    QTimer* scheduler = addTimer("SchedulerTimer", 1000);
    connect(scheduler, &QTimer::timeout, this, [this] { m_scheduler->tick(m_model.clock().now()); });
    scheduler->start();
    keepLabels();

    m_subscription = m_model.subscribe([this](StatePart part) { refresh(part); });
    // Long operations let the window repaint between their steps.
    m_model.setEventPump([] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    m_model.create();
    // What the window shows is what its close saves.
    const WindowPlacement place = onScreen(m_model.state().placement);
    setGeometry(place.left, place.top, place.width, place.height);
    refresh();
}

TMainForm::~TMainForm() = default;

QTimer* TMainForm::addTimer(const char* timerName, int intervalMs, bool MainTimers::*running) {
    auto* timer = named(new QTimer(this), name(timerName));
    timer->setInterval(intervalMs);
    if (running) m_dayTimers.emplace_back(timer, running);
    return timer;
}

void TMainForm::connectTick(QTimer* timer, std::function<void()> tick) {
    connect(timer, &QTimer::timeout, this, [this, tick = std::move(tick)] {
        if (!m_model.busy()) tick();
    });
}

void TMainForm::keepLabels() {
    for (std::size_t i = 0; i < m_labels.size(); ++i)
        m_labels[i] = findChild<QWidget*>(qs(labelName(static_cast<LabelId>(i))));
}

void TMainForm::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    file->setObjectName(QStringLiteral("FileMenu"));
    connect(named(file->addAction(QStringLiteral("自動運転ログ")), QStringLiteral("N35")), &QAction::triggered, this,
            [this] {
                m_model.N35Click();  // the IPAT log first, then the window
                if (m_logWindowAction) m_logWindowAction();
            });
    connect(named(file->addAction(QStringLiteral("時系列オッズより取得(&T)")), QStringLiteral("T1")),
            &QAction::triggered, this, [this] { m_model.T1Click(); });
    connect(named(file->addAction(QStringLiteral("1日分の全オッズを一括取得")), QStringLiteral("N110")),
            &QAction::triggered, this, [this] { m_model.N110Click(); });
    connect(named(file->addAction(QStringLiteral("終了(&X)")), QStringLiteral("FileExitItem")), &QAction::triggered,
            this, &QWidget::close);

    QMenu* options = menuBar()->addMenu(QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"));
    options->setObjectName(QStringLiteral("OptionMenu"));
    auto* autoRun = named(options->addAction(QStringLiteral("自動運転")), QStringLiteral("DispRaceAfterOZget"));
    autoRun->setCheckable(true);
    autoRun->setStatusTip(QStringLiteral("オッズ取得後、レースにフォーカスを移し投票を行う"));
    connect(autoRun, &QAction::triggered, this, [this] { m_model.DispRaceAfterOZgetClick(); });
    addOptionItem(options, "OzOverWriteOK", "手動でオッズ取得済でも指定時刻に自動取得を行う", MainOption::OverWriteOK);
    addOptionItem(options, "DupTohyoOK", "手動投票済みのレースでも自動投票を有効にする", MainOption::DupOK);
    addOptionItem(options, "PlaySoundOpt", "オッズ取得後、アラート音を鳴らす", MainOption::Sound1);
    addOptionItem(options, "PlaySoundTohyo", "自動投票実行後、アラーム音を鳴らす", MainOption::SoundTohyo);
    QMenu* exclude = options->addMenu(QStringLiteral("自動取得を除外するデータ"));
    addOptionItem(exclude, "NotGetMining", "マイニング", MainOption::NotGetMining);
    addOptionItem(exclude, "NotGetKekka", "結果情報", MainOption::NotGetKekka);
    addOptionItem(options, "SimMode", "シミュレーションモード", MainOption::SimMode);
    options->addSeparator();
    connect(named(options->addAction(QStringLiteral("データ自動取得時刻設定(&T)")), QStringLiteral("N8")),
            &QAction::triggered, this, &TMainForm::openOzGetTimeForm);
    named(options->addAction(QStringLiteral("投資金額設定")), QStringLiteral("KaimeSetItem"));

    QMenu* folders = menuBar()->addMenu(QStringLiteral("ﾌｫﾙﾀﾞ指定(&F)"));
    folders->setObjectName(QStringLiteral("FolderMenu"));
    connect(named(folders->addAction(QStringLiteral("VQM投票プラグイン２フォルダ指定")), QStringLiteral("VQM1")),
            &QAction::triggered, this, [this] { m_model.VQM1Click(); });
    connect(named(folders->addAction(QStringLiteral("Lumidexフォルダ指定")), QStringLiteral("N38")),
            &QAction::triggered, this, [this] { m_model.N38Click(); });
    connect(named(folders->addAction(QStringLiteral("時系列オッズフォルダ指定(&T)")), QStringLiteral("N12")),
            &QAction::triggered, this, [this] { m_model.N12Click(); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    connect(named(help->addAction(QStringLiteral("使用解説書(&C)")), QStringLiteral("HelpContentsItem")),
            &QAction::triggered, this, [this] { m_model.openManual(); });
    connect(named(help->addAction(QStringLiteral("IPATメニュー")), QStringLiteral("IPAT2")), &QAction::triggered, this,
            [this] { m_model.IPAT2Click(); });
    connect(named(help->addAction(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)...")), QStringLiteral("HelpAboutItem")),
            &QAction::triggered, this, &TMainForm::showAbout);
}

QAction* TMainForm::addOptionItem(QMenu* menu, const char* objectName, const char* caption, MainOption option) {
    auto* item = named(menu->addAction(name(caption)), name(objectName));
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, option](bool on) { m_model.setOption(option, on ? 1 : 0); });
    m_optionItems.emplace_back(item, option);
    return item;
}

void TMainForm::buildTopBar() {
    // Two rows on the left (buttons and date list; the race header), the clock, the upcoming races
    // and the simulation-mode indicator on the right.
    auto* bar = named(new QToolBar(QStringLiteral("SpeedBar"), this), QStringLiteral("SpeedBar"));
    bar->setMovable(false);
    addToolBar(Qt::TopToolBarArea, bar);
    auto* area = new QWidget(bar);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(2, 2, 2, 2);
    auto* buttons = new QHBoxLayout;
    struct FetchButton {
        const char* objectName;
        const char* caption;
        void (MainModel::*click)();
    };
    for (const FetchButton& fetch : {FetchButton{"KekkaGetBtn", "結果情報", &MainModel::KekkaGetBtnClick},
                                     FetchButton{"SokuhoOddsBtn", "速報ｵｯｽﾞ", &MainModel::SokuhoOddsBtnClick},
                                     FetchButton{"NextRaceBtn", "直前ﾚｰｽ", &MainModel::NextRaceBtnClick},
                                     FetchButton{"GetDMBtn", "ﾏｲﾆﾝｸﾞ", &MainModel::GetDMBtnClick}}) {
        QPushButton* widget = button(fetch.objectName, fetch.caption, area);
        if (fetch.click)
            connect(widget, &QPushButton::clicked, this, [this, click = fetch.click] { (m_model.*click)(); });
        buttons->addWidget(widget);
    }
    auto* jvButton = button("JVBtn", "JVﾃﾞｰﾀ取得", area);
    connect(jvButton, &QPushButton::clicked, this, [this] {
        if (m_downloadAction) m_downloadAction();
    });
    buttons->addWidget(jvButton);
    auto* inputForm = button("InputFormBtn", "買い目設定", area);
    inputForm->setToolTip(QStringLiteral("入力フォームを開きます"));
    connect(inputForm, &QPushButton::clicked, this, [this] {
        if (m_kaimeSettingAction) m_kaimeSettingAction();
    });
    buttons->addWidget(inputForm);
    m_dateCombo = named(new QComboBox(area), QStringLiteral("DateCombo"));
    m_dateCombo->setMaxVisibleItems(36);
    m_dateCombo->setMinimumWidth(160);
    connect(m_dateCombo, &QComboBox::activated, this,
            [this](int index) { m_model.DateComboChange(str(m_dateCombo->itemText(index))); });
    buttons->addWidget(m_dateCombo);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 0);

    auto* header = named(new QWidget(area), QStringLiteral("Panel21"));
    header->setAttribute(Qt::WA_StyledBackground, true);
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(0, 0, 0, 0);
    for (const char* label : {"BashoLabel", "RaceLabel", "Label1", "Label2", "Label3", "RestTimeLabel"})
        headerLayout->addWidget(named(new QLabel(header), name(label)));
    headerLayout->addStretch();
    grid->addWidget(header, 1, 0);

    auto* right = named(new QWidget(area), QStringLiteral("Panel16"));
    auto* rightLayout = new QGridLayout(right);
    rightLayout->setContentsMargins(2, 0, 2, 0);
    rightLayout->addWidget(named(new QLabel(right), QStringLiteral("NowTimLabel")), 0, 0);
    rightLayout->addWidget(new QLabel(QStringLiteral("直近R"), right), 1, 0);
    auto* upcoming = named(new QListWidget(right), QStringLiteral("NowTimeRaceList"));
    upcoming->setMaximumHeight(44);
    upcoming->setMaximumWidth(140);
    rightLayout->addWidget(upcoming, 0, 1, 2, 1);
    grid->addWidget(right, 0, 1, 2, 1);

    auto* side = new QGridLayout;
    auto* simCaption = new QLabel(QStringLiteral("SimMode"), area);
    side->addWidget(simCaption, 0, 0);
    side->addWidget(named(new QLabel(QStringLiteral("●"), area), QStringLiteral("SimModeLabel")), 0, 1);
    // The indicators of automatic operation: "自動投票" green while it runs, "操作注意" red after a fetch.
    side->addWidget(new QLabel(QStringLiteral("自動投票"), area), 2, 0);
    side->addWidget(named(new QLabel(QStringLiteral("●"), area), QStringLiteral("AutoNaviLabel")), 2, 1);
    side->addWidget(new QLabel(QStringLiteral("操作注意"), area), 2, 2);
    side->addWidget(named(new QLabel(QStringLiteral("●"), area), QStringLiteral("operateLabel")), 2, 3);
    auto* help = button("HelpButton", "ヘルプ", area);
    connect(help, &QPushButton::clicked, this, [this] { m_model.openManual(); });
    auto* version = button("VerButton1", "ﾊﾞｰｼﾞｮﾝ情報", area);
    connect(version, &QPushButton::clicked, this, &TMainForm::showAbout);
    auto* quit = button("QuitButton", "終了", area);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    side->addWidget(quit, 0, 2);
    side->addWidget(help, 1, 0, 1, 2);
    side->addWidget(version, 1, 2);
    grid->addLayout(side, 0, 2, 2, 1);
    grid->setColumnStretch(0, 1);
    bar->addWidget(area);
}

QTableView* TMainForm::makeGrid(GridId grid, QWidget* parent) {
    auto* view = named(new QTableView(parent), qs(std::string(gridName(grid))));
    auto* model = new TextGridModel(
        m_model.state().grid(grid), [this, grid](int column, int row) { return m_model.cellStyle(grid, column, row); },
        view);
    m_gridModels.emplace_back(grid, model);
    view->setModel(model);
    styleGridView(view, m_model.cellStyle(grid, 0, 0));
    if (grid == GridId::StringGrid26 || grid == GridId::StringGrid1) {
        // A click on a sorting heading sorts the card; the hand over the headings that sort and the marks.
        connect(view->horizontalHeader(), &QHeaderView::sectionClicked, this,
                [this, grid](int column) { m_model.raceCardHeadingClick(grid, column); });
        view->horizontalHeader()->setSectionsClickable(true);
        for (QWidget* area : {static_cast<QWidget*>(view->horizontalHeader()), view->viewport()}) {
            area->setMouseTracking(true);
            area->installEventFilter(this);
        }
        m_cardViews.emplace_back(grid, view);
    }
    return view;
}

void TMainForm::bindCheck(QCheckBox* box, MainOption option) {
    connect(box, &QCheckBox::clicked, this, [this, option](bool on) { m_model.setOption(option, on ? 1 : 0); });
    m_optionChecks.emplace_back(box, option);
}

void TMainForm::bindRadio(QButtonGroup* group, MainOption option) {
    connect(group, &QButtonGroup::idClicked, this, [this, option](int id) { m_model.setOption(option, id); });
    m_optionRadios.emplace_back(group, option);
}

QWidget* TMainForm::buildBetTypePage(int betIndex, QTableView* grid) {
    const BetTypeInfo& bet = kBetTypes[static_cast<std::size_t>(betIndex)];
    const QString prefix = qs(std::string(bet.prefix));
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* controls = new QHBoxLayout;
    auto* check = named(new QCheckBox(qs(std::string(bet.name)), page), prefix + QStringLiteral("CheckBox"));
    bindCheck(check, static_cast<MainOption>(static_cast<int>(MainOption::BuyTan) + betIndex));
    controls->addWidget(check);
    // The odds filter: edit names follow the keys (Toz1A -> Toz1editA).
    for (int side = 0; side < 2; ++side) {
        const int index = betIndex * 2 + side;
        QString key = qs(std::string(ozSpanKey(index).key));
        QString editName = key;
        editName.replace(QStringLiteral("oz1"), QStringLiteral("oz1edit"));
        auto* edit = named(new QLineEdit(page), editName);
        m_ozSpanEdits[static_cast<std::size_t>(index)] = edit;
        edit->setMaximumWidth(90);
        connect(edit, &QLineEdit::textEdited, this,
                [this, index](const QString& text) { m_model.setOzSpanEdit(index, str(text)); });
        if (side == 1) controls->addWidget(new QLabel(QStringLiteral("～"), page));
        controls->addWidget(edit);
    }
    controls->addStretch();
    layout->addLayout(controls);
    if (const BetPageOptions* options = betPageOptions(bet.type)) {
        // The buying method on a row of its own, the multi boxes under it.
        auto* method = new QHBoxLayout;
        QStringList methods;
        for (std::string_view m : options->methods)
            if (!m.empty()) methods << qs(std::string(m));
        bindRadio(radioGroup(prefix + QStringLiteral("KaikataRadio"), QStringLiteral("買い方"), methods, page, method),
                  options->kaikata);
        auto* multis = new QVBoxLayout;
        for (const auto& [caption, option] : options->multi) {
            if (caption.empty()) continue;
            auto* multi = new QCheckBox(qs(std::string(caption)), page);
            multi->setObjectName(qs(std::string(multiBoxName(option))));
            for (std::size_t i = 0; i < kMultiBoxes.size(); ++i)
                if (kMultiBoxes[i].option == option) m_multiBoxes[i] = multi;
            bindCheck(multi, option);
            multis->addWidget(multi);
        }
        auto* multiRow = new QGridLayout;
        for (int i = 0; i < multis->count(); ++i) multiRow->addWidget(multis->itemAt(i)->widget(), i / 2, i % 2);
        delete multis;
        method->addLayout(multiRow);
        method->addStretch();
        layout->addLayout(method);
    }
    addStakeControls(betIndex, page, layout);
    layout->addWidget(grid);
    return page;
}

QWidget* TMainForm::buildSelectionPage() {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    auto* marks = new QHBoxLayout;
    marks->addStretch();
    for (int i = 1; i <= 3; ++i) {
        for (auto [caption, name] : {std::pair{"全", "AllCkBtn%1"}, std::pair{"CL", "AllDlBtn%1"}}) {
            auto* b = named(new QPushButton(qs(caption), page), qs(name).arg(i));
            b->setFixedWidth(34);
            marks->addWidget(b);
        }
    }
    left->addLayout(marks);
    QTableView* card = makeGrid(GridId::StringGrid26, page);
    // The short race card shows every column: the marks are what the user clicks.
    int cardWidth = 4;
    for (const ColumnLayout& column : gridLayout(GridId::StringGrid26)) cardWidth += std::max(column.width, 0);
    card->setMinimumWidth(cardWidth + card->verticalScrollBar()->sizeHint().width());
    left->addWidget(card);
    bindRadio(radioGroup(QStringLiteral("ShihyoSetRadio"), QStringLiteral("買い目構築方法"),
                         {QStringLiteral("順位指標指定"), QStringLiteral("事前馬番指定"), QStringLiteral("手動")}, page,
                         left),
              MainOption::ShihyoSet);
    layout->addLayout(left, 2);

    auto* right = new QVBoxLayout;
    auto* top = new QHBoxLayout;
    m_bakenLabel = named(new QLabel(page), QStringLiteral("BakenLabel"));
    top->addWidget(m_bakenLabel);
    bindRadio(radioGroup(QStringLiteral("KakesikiRadio"), QStringLiteral("馬券種"), betTypeNames(), page, top, 4),
              MainOption::KaimemakeKakesiki);
    right->addLayout(top);

    m_pageControl4 = named(new QTabWidget(page), QStringLiteral("PageControl4"));
    auto* all = new QWidget;
    auto* allLayout = new QVBoxLayout(all);
    auto* allControls = new QHBoxLayout;
    bindRadio(
        radioGroup(QStringLiteral("HaibunRadio"), QStringLiteral("資金配分"),
                   {QStringLiteral("均等"), QStringLiteral("比例"), QStringLiteral("均一"), QStringLiteral("期配")},
                   all, allControls),
        MainOption::HaibunSet);
    allControls->addWidget(button("AllBakenBTn", "全選択", all));
    allControls->addWidget(button("NoBakenBtn", "全解除", all));
    allControls->addStretch();
    allLayout->addLayout(allControls);
    allLayout->addWidget(buildCombinedTotals(all));
    allLayout->addWidget(makeGrid(GridId::AllKaimeGrid, all));
    m_pageControl4->addTab(all, QStringLiteral("一括"));
    for (int i = 0; i < 8; ++i) {
        const BetTypeInfo& bet = kBetTypes[static_cast<std::size_t>(i)];
        QTableView* grid = makeGrid(kaimeGridOf(bet.type), page);
        m_pageControl4->addTab(buildBetTypePage(i, grid), qs(std::string(bet.name)));
    }
    connect(m_pageControl4, &QTabWidget::currentChanged, this,
            [this](int index) { m_model.PageControl4Change(index); });
    right->addWidget(m_pageControl4);
    auto* voteRow = new QHBoxLayout;
    auto* tohyou = button("TohyouBtn", "投票", page);
    connect(tohyou, &QPushButton::clicked, this, [this] { m_model.TohyouBtnClick(); });
    voteRow->addWidget(tohyou);
    QPushButton* balance = button("IPTZanDakaBtn", "IPAT残高", page);
    connect(balance, &QPushButton::clicked, this, [this] { m_model.IPTZanDakaBtnClick(); });
    voteRow->addWidget(balance);
    voteRow->addWidget(named(new QLabel(page), QStringLiteral("IPATBalanceLabel")));
    voteRow->addWidget(named(new QLabel(page), QStringLiteral("TohyoStatusLabel")));
    voteRow->addStretch();
    right->addLayout(voteRow);
    layout->addLayout(right, 3);
    return page;
}

void TMainForm::buildCentre() {
    auto* centre = new QWidget(this);
    auto* centreLayout = new QHBoxLayout(centre);
    auto* panel6 = named(new QWidget(centre), QStringLiteral("Panel6"));
    panel6->setFixedWidth(130);
    auto* leftLayout = new QVBoxLayout(panel6);
    m_datList = named(new QListWidget(panel6), QStringLiteral("DatList"));
    QFont mono(QStringLiteral("Noto Sans Mono CJK JP"));
    mono.setStyleHint(QFont::Monospace);
    m_datList->setFont(mono);
    m_datList->setStyleSheet(
        QStringLiteral("QListWidget::item { padding-left: 2px; }"
                       "QListWidget::item:selected { background: #0000FF; color: white; }"));
    connect(m_datList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { m_model.DatListClick(m_datList->row(item)); });
    leftLayout->addWidget(m_datList);
    auto* status = named(new QLabel(panel6), QStringLiteral("DLlabel"));
    status->setWordWrap(true);  // FetchStatusText is often longer than the race list is wide
    leftLayout->addWidget(status);
    centreLayout->addWidget(panel6);

    m_pageControl1 = named(new QTabWidget(centre), QStringLiteral("PageControl1"));
    m_pageControl1->addTab(buildSelectionPage(), QStringLiteral("買い目"));
    auto* card = new QWidget;
    (new QVBoxLayout(card))->addWidget(makeGrid(GridId::StringGrid1, card));
    m_pageControl1->addTab(card, QStringLiteral("出馬表"));
    // The payout panel scrolls rather than widening the window.
    auto* payoutScroll = new QScrollArea;
    payoutScroll->setWidget(buildPayoutPanel());
    payoutScroll->setWidgetResizable(true);
    m_pageControl1->addTab(payoutScroll, QStringLiteral("結果"));
    m_pageControl1->addTab(new QWidget, QStringLiteral("買い目"));
    auto* odds = new QWidget;
    (new QVBoxLayout(odds))->addWidget(makeGrid(GridId::OddsGrid, odds));
    m_pageControl1->addTab(odds, QStringLiteral("オッズ"));
    auto* votes = new QWidget;
    (new QVBoxLayout(votes))->addWidget(makeGrid(GridId::HyosuGrid, votes));
    m_pageControl1->addTab(votes, QStringLiteral("票数"));
    // The second selection page and the odds and vote-count pages have no visible tab header.
    for (int tab = 3; tab <= 5; ++tab) m_pageControl1->tabBar()->setTabVisible(tab, false);
    m_pageControl1->setVisible(false);  // until a day is loaded
    centreLayout->addWidget(m_pageControl1, 1);
    centreLayout->addStretch(0);
    setCentralWidget(centre);
}

void TMainForm::refresh() {
    for (int part = 0; part < static_cast<int>(StatePart::Count); ++part) refresh(static_cast<StatePart>(part));
    refreshGrids({GridId::HyosuGrid, GridId::OddsGrid});
}

void TMainForm::refresh(StatePart part) {
    switch (part) {
        case StatePart::DayList:
        case StatePart::ShownDay: refreshDateCombo(); break;
        case StatePart::RaceList: refreshRaceList(); break;
        case StatePart::RaceCard: refreshGrids({GridId::StringGrid26, GridId::StringGrid1}); break;
        case StatePart::Selections:
            refreshGrids({GridId::TanKaimeGrid, GridId::FukKaimeGrid, GridId::WRKaimeGrid, GridId::URKaimeGrid,
                          GridId::WDKaimeGrid, GridId::UTKaimeGrid, GridId::SRFKaimeGrid, GridId::SRTKaimeGrid});
            break;
        case StatePart::CombinedList: refreshGrids({GridId::AllKaimeGrid}); break;
        case StatePart::Options:
            refreshOptions();
            refreshStakeEdits();
            break;
        case StatePart::Balance: {
            // The busy cursor on the label and the button while a query runs.
            const Qt::CursorShape shape = m_model.state().balanceBusy ? Qt::WaitCursor : Qt::ArrowCursor;
            for (const char* busy : {"IPATBalanceLabel", "IPTZanDakaBtn"})
                if (auto* widget = findChild<QWidget*>(name(busy))) widget->setCursor(shape);
            refreshLabels();
            break;
        }
        case StatePart::Labels:
        case StatePart::Clock: refreshLabels(); break;
        case StatePart::UpcomingRaces: {
            auto* list = findChild<QListWidget*>(QStringLiteral("NowTimeRaceList"));
            QSignalBlocker block(list);
            list->clear();
            for (const auto& entry : m_model.state().nowTimeRaceList) list->addItem(qs(entry));
            list->setCurrentRow(m_model.state().nowTimeRaceSelected);
            if (list->currentItem()) list->scrollToItem(list->currentItem());
            break;
        }
        case StatePart::Timers: refreshTimers(); break;
        case StatePart::Payouts: refreshPayoutPanel(); break;
        case StatePart::LogLines:
        case StatePart::IpatLog:
        case StatePart::Progress:
        case StatePart::Count: break;
    }
}

void TMainForm::refreshDateCombo() {
    const MainState& state = m_model.state();
    QSignalBlocker block(m_dateCombo);
    QStringList items;
    for (const auto& day : state.dateCombo) items << qs(day);
    if (m_dateCombo->count() != items.size() ||
        std::any_of(items.begin(), items.end(), [&](const QString& t) { return m_dateCombo->findText(t) < 0; })) {
        m_dateCombo->clear();
        m_dateCombo->addItems(items);
    }
    m_dateCombo->setCurrentIndex(state.shownDay ? m_dateCombo->findText(qs(*state.shownDay)) : -1);
    m_pageControl1->setVisible(state.racePagesVisible);
}

void TMainForm::refreshRaceList() {
    const MainState& state = m_model.state();
    QSignalBlocker block(m_datList);
    m_datList->clear();
    for (const auto& entry : state.datList) m_datList->addItem(qs(entry));
    for (int i = 0; i < m_datList->count(); ++i)
        m_datList->item(i)->setBackground(QColor(QRgb(m_model.raceListColor(i))));
    m_datList->setCurrentRow(state.currentEntry());
}

void TMainForm::refreshTimers() {
    const MainTimers& timers = m_model.state().timers;
    for (const auto& [timer, running] : m_dayTimers) {
        const bool on = timers.*running;
        if (on && !timer->isActive()) timer->start();
        if (!on) timer->stop();
    }
    // FormDisableTimer runs with the interval set when the red period started; a fetch inside the red
    // period starts it again, so the period lasts its full length after the last fetch.
    auto* formDisable = findChild<QTimer*>(QStringLiteral("FormDisableTimer"));
    if (timers.FormDisableTimer && (!formDisable->isActive() || timers.formDisableStarts != m_formDisableStarts)) {
        formDisable->setInterval(timers.formDisableIntervalMs);
        formDisable->start();
    }
    m_formDisableStarts = timers.formDisableStarts;
    if (!timers.FormDisableTimer) formDisable->stop();
}

void TMainForm::refreshGrids(std::initializer_list<GridId> grids) {
    for (auto& [id, model] : m_gridModels) {
        if (std::find(grids.begin(), grids.end(), id) == grids.end()) continue;
        model->refresh();
        applyColumnWidths(qobject_cast<QTableView*>(model->parent()), model->grid());
    }
}

void TMainForm::refreshOptions() {
    const MainOptions& options = m_model.state().options;
    findChild<QAction*>(QStringLiteral("DispRaceAfterOZget"))->setChecked(m_model.autoRunMode());
    for (auto& [item, option] : m_optionItems) item->setChecked(options.on(option));
    for (auto& [box, option] : m_optionChecks) box->setChecked(options.on(option));
    for (auto& [group, option] : m_optionRadios)
        if (QAbstractButton* b = group->button(options.value(option))) b->setChecked(true);
    const auto& ozSpan = m_model.state().ozSpan;
    for (std::size_t i = 0; i < ozSpan.size(); ++i) {
        const QString text = qs(ozSpan[i]);
        if (QLineEdit* edit = m_ozSpanEdits[i]; edit && edit->text() != text) edit->setText(text);
    }
    int tab = options.value(MainOption::TabIndex);
    if (tab >= 0 && tab < m_pageControl4->count() && m_pageControl4->currentIndex() != tab) {
        QSignalBlocker block(m_pageControl4);
        m_pageControl4->setCurrentIndex(tab);
    }
    refreshMultiBoxes();
}

void TMainForm::wireSelectionPage() {
    for (int mark = 0; mark < 3; ++mark) {
        connect(findChild<QPushButton*>(QStringLiteral("AllCkBtn%1").arg(mark + 1)), &QPushButton::clicked, this,
                [this, mark] { m_model.AllCkBtnClick(mark); });
        connect(findChild<QPushButton*>(QStringLiteral("AllDlBtn%1").arg(mark + 1)), &QPushButton::clicked, this,
                [this, mark] { m_model.AllDlBtnClick(mark); });
    }
    auto* card = findChild<QTableView*>(QStringLiteral("StringGrid26"));
    connect(card, &QTableView::clicked, this,
            [this](const QModelIndex& index) { m_model.StringGrid26Click(index.column(), index.row() + 1); });
    // A "消" click keeps the grid's top row.
    auto* win = findChild<QTableView*>(qs(std::string(gridName(GridId::TanKaimeGrid))));
    connect(win, &QTableView::clicked, this, [this, win](const QModelIndex& index) {
        const int top = win->verticalScrollBar()->value();
        m_model.TanKaimeGridClick(index.column(), index.row() + 1);
        win->verticalScrollBar()->setValue(top);
    });
}

void TMainForm::refreshMultiBoxes() {
    const auto& visible = m_model.state().multiBoxVisible;
    for (std::size_t i = 0; i < kMultiBoxes.size(); ++i)
        if (QCheckBox* box = m_multiBoxes[i]) box->setVisible(visible[i]);
}

void TMainForm::refreshLabels() {
    const MainLabels& labels = m_model.state().labels;
    for (int i = 0; i < static_cast<int>(LabelId::Count); ++i) {
        const auto id = static_cast<LabelId>(i);
        QWidget* widget = m_labels[static_cast<std::size_t>(i)];
        if (!widget) continue;
        paintLabel(widget, labels[id], id != LabelId::SimModeLabel);  // the indicator keeps its "●"
    }
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        for (const auto& [grid, view] : m_cardViews) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            int column = -1, row = -1;
            if (watched == view->horizontalHeader()) {
                column = view->horizontalHeader()->logicalIndexAt(at);
                row = 0;
            } else if (watched == view->viewport()) {
                const QModelIndex index = view->indexAt(at);
                column = index.column();
                row = index.isValid() ? index.row() + 1 : -1;
            } else {
                continue;
            }
            static_cast<QWidget*>(watched)->setCursor(
                row >= 0 && handCursorCell(grid, column, row) ? Qt::PointingHandCursor : Qt::ArrowCursor);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::openOzGetTimeForm() {
    TOzGetTimeForm form(m_model.N8Click(), this);
    form.exec();
}

void TMainForm::showAbout() {
    TAboutForm about(qs(kVersionText), this);
    about.exec();
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_shownOnce) return;
    m_shownOnce = true;
    m_model.firstShow();
    refresh();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    QRect frame = geometry();
    m_model.closeRequest(WindowPlacement{frame.top(), frame.left(), frame.width(), frame.height()});
    refresh();
    event->accept();
}

}  // namespace marovix
