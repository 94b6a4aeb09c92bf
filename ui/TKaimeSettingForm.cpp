#include "ui/TKaimeSettingForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "core/app/MainModel.h"
#include "ui/QtText.h"
#include "ui/RaceFilterControls.h"
#include "ui/ScreenPlacement.h"
#include "ui/SimulationTab.h"
#include "ui/WidgetNames.h"

namespace marovix {
namespace {

using Part = KaimeSettingModel::Part;

void showSelection(QListWidget* list, const std::vector<bool>& selected) {
    QSignalBlocker block(list);
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setSelected(static_cast<std::size_t>(i) < selected.size() &&
                                   selected[static_cast<std::size_t>(i)]);
}

void showItems(QListWidget* list, const std::vector<std::string>& items) {
    QSignalBlocker block(list);
    QStringList texts;
    for (const std::string& item : items) texts << qs(item);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
    if (shown == texts) return;
    list->clear();
    list->addItems(texts);
}

QButtonGroup* radios(const QString& objectName, const QString& title, const QStringList& captions, QWidget* parent,
                     QBoxLayout* into, bool vertical = true, int firstId = 0) {
    auto* box = named(new QGroupBox(title, parent), objectName);
    QBoxLayout* layout = vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(box)) : new QHBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < captions.size(); ++i) {
        auto* radio = named(new QRadioButton(captions[i], box), objectName + QString::number(i));
        group->addButton(radio, firstId + i);
        layout->addWidget(radio);
    }
    into->addWidget(box);
    return group;
}

}  // namespace

TKaimeSettingForm::TKaimeSettingForm(MainModel& model, KenshoModel& kensho, TKenshoForm& kenshoForm, const Clock& clock,
                                     QWidget* parent)
    : QWidget(parent, Qt::Window), m_model(model.kaimeSetting()) {
    setObjectName(QStringLiteral("TKaimeSettingForm"));
    setWindowTitle(qs(KaimeSettingModel::kCaption));
    auto* layout = new QVBoxLayout(this);
    auto* tabs = m_tabs = named(new QTabWidget(this), QStringLiteral("PageControl1"));
    tabs->addTab(buildTargetsPage(), QStringLiteral("対象レース指定"));
    tabs->addTab(buildQuitPage(), QStringLiteral("自動運転終了指定"));
    tabs->addTab(buildRankPage(), QStringLiteral("順位指標指定"));
    tabs->addTab(buildPreMarkedPage(), QStringLiteral("事前馬番指定"));
    tabs->addTab(new SimulationTab(model, kensho, kenshoForm, clock, *tabs, tabs),
                 QStringLiteral("馬券シミュレーション"));
    layout->addWidget(tabs);
    resize(900, 620);
    const WindowPlacement placement = m_model.state().placement;
    move(placement.left, placement.top);
    m_subscription = m_model.subscribe([this](Part part) { refresh(part); });
    for (int part = 0; part < static_cast<int>(Part::Count); ++part) refresh(static_cast<Part>(part));
}

TKaimeSettingForm::~TKaimeSettingForm() = default;

QWidget* TKaimeSettingForm::buildTargetsPage() {
    auto* page = named(new QWidget, QStringLiteral("TaishoSheet"));
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    m_pickMethod = radios(QStringLiteral("PickMethodGroup"), QString(),
                          {QStringLiteral("レース属性指定"), QStringLiteral("個別レース指定")}, page, top, false);
    connect(m_pickMethod, &QButtonGroup::idClicked, this, [this](int id) { m_model.PickMethodGroupClick(id); });
    top->addStretch();
    layout->addLayout(top);
    auto* lists = new QHBoxLayout;
    m_filter = std::make_unique<RaceFilterControls>(page);
    for (int id = 0; id < kFilterListCount; ++id) {
        const auto listId = static_cast<FilterListId>(id);
        auto* column = new QVBoxLayout;
        column->addWidget(m_filter->caption(listId));
        QListWidget* list = m_filter->list(listId);
        list->setFixedWidth(90);
        connect(list, &QListWidget::itemClicked, this, [this, list, listId](QListWidgetItem* item) {
            m_model.filterListClick(listId, list->row(item), item->isSelected());
        });
        connect(list, &QListWidget::customContextMenuRequested, this,
                [this, listId] { m_model.filterListContextPopup(listId); });
        column->addWidget(list);
        lists->addLayout(column);
    }
    auto* raceColumn = new QVBoxLayout;
    raceColumn->addWidget(caption("個別レース", page));
    m_raceList0 = multiSelectList(QStringLiteral("RaceList0"), {}, page);
    m_raceList0->setFixedWidth(100);
    connect(m_raceList0, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { m_model.RaceList0Click(m_raceList0->row(item), item->isSelected()); });
    connect(m_raceList0, &QListWidget::customContextMenuRequested, this, [this] { m_model.RaceList0ContextPopup(); });
    raceColumn->addWidget(m_raceList0);
    lists->addLayout(raceColumn);
    layout->addLayout(lists);
    for (QSpinBox* edit : {m_filter->kyoriFrom, m_filter->kyoriTo}) {
        const bool from = edit == m_filter->kyoriFrom;
        connect(edit, &QSpinBox::valueChanged, this, [this, from](int value) { m_model.KyoriEditChange(from, value); });
    }
    layout->addLayout(m_filter->distanceRow);
    auto* note =
        caption("※自動運転時対象レースの指定を変更したときは下のボタンをクリックして反映させてください。", page);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* naviSet =
        named(new QPushButton(QStringLiteral("自動運転時対象レース指定反映"), page), QStringLiteral("NaviSetBtn"));
    connect(naviSet, &QPushButton::clicked, this, [this] { m_model.NaviSetBtnClick(); });
    layout->addWidget(naviSet);
    m_navRListBox = named(new QListWidget(page), QStringLiteral("NavRListBox"));
    m_navRListBox->setSortingEnabled(true);
    layout->addWidget(m_navRListBox, 1);
    return page;
}

QWidget* TKaimeSettingForm::buildQuitPage() {
    auto* page = named(new QWidget, QStringLiteral("NaviQuitSheet"));
    auto* layout = new QVBoxLayout(page);
    auto* text = caption(
        "自動運転中にIPAT残高が目標金額に到達するか、指定金額を下回ったら自動運転を終了することができます。", page);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* box = named(new QGroupBox(QStringLiteral("自動運転終了指定"), page), QStringLiteral("NaviQuitGroup"));
    auto* grid = new QGridLayout(box);
    m_naviQuit = new QButtonGroup(box);
    const char* radioCaptions[] = {"指定しない", "IPAT残高が以下の金額を超えたら運転を終了する。(勝ち逃げ指定)",
                                   "IPAT残高が以下の金額を下回ったら運転を終了する。(損切り指定)"};
    const char* editCaptions[] = {"目標IPAT残高金額", "指定IPAT残高金額"};
    int row = 0;
    for (int sel = 1; sel <= 3; ++sel) {
        auto* radio = named(new QRadioButton(QString::fromUtf8(radioCaptions[sel - 1]), box),
                            QStringLiteral("NaviQuitRadio%1").arg(sel));
        m_naviQuit->addButton(radio, sel);
        grid->addWidget(radio, row++, 0, 1, 4);
        if (sel == 1) continue;
        const int which = sel - 2;
        grid->addWidget(caption(editCaptions[which], box), row, 1);
        auto* edit = named(new QLineEdit(box), QStringLiteral("NaviQuitEdit%1").arg(which + 1));
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,8}")), edit));
        edit->setMaxLength(KaimeSettingModel::kQuitAmountDigits);
        connect(edit, &QLineEdit::textEdited, this,
                [this, which](const QString& value) { m_model.NaviQuitEditChange(which, str(value)); });
        m_naviQuitEdits[static_cast<std::size_t>(which)] = edit;
        grid->addWidget(edit, row, 2);
        grid->addWidget(caption("円", box), row++, 3);
    }
    connect(m_naviQuit, &QButtonGroup::idClicked, this, [this](int sel) { m_model.NaviQuitRadioClick(sel); });
    layout->addWidget(box);
    auto* note = caption(
        "※この指定は自動運転の最中に随時変更することが可能です。指定を変更したタイミングで反映されます。", page);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch();
    return page;
}

QWidget* TKaimeSettingForm::buildRankPage() {
    auto* page = named(new QWidget, QStringLiteral("JuniSheet"));
    auto* layout = new QVBoxLayout(page);
    auto* marks = named(new QGroupBox(QStringLiteral("自動投票対象馬指定"), page), QStringLiteral("GroupBox1"));
    auto* marksLayout = new QHBoxLayout(marks);
    const char* markNames[] = {"◎", "○", "▲"};
    QStringList indexItems{QStringLiteral("単人気"), QStringLiteral("ﾀｲﾑ型M"),  QStringLiteral("対戦型M"),
                           QStringLiteral("コンピ"), QStringLiteral("独自指1"), QStringLiteral("独自指2")};
    QStringList ranks;
    for (int r = 1; r <= KaimeSettingModel::kRankCount; ++r) ranks << QStringLiteral("%1位").arg(r, 2);
    for (int mark = 0; mark < kMarkCount; ++mark) {
        const QString markName = QString::fromUtf8(markNames[mark]);
        m_sihyo[static_cast<std::size_t>(mark)] =
            radios(QStringLiteral("SihyoRadio%1").arg(mark + 1), markName + QStringLiteral("指標"), indexItems, marks,
                   marksLayout);
        connect(m_sihyo[static_cast<std::size_t>(mark)], &QButtonGroup::idClicked, this,
                [this, mark](int item) { m_model.SihyoRadioClick(mark, item); });
        auto* column = new QVBoxLayout;
        column->addWidget(new QLabel(markName + QStringLiteral("指定"), marks));
        QListWidget* list = multiSelectList(QStringLiteral("NinList%1").arg(mark + 1), ranks, marks);
        list->setFixedWidth(70);
        connect(list, &QListWidget::itemClicked, this, [this, list, mark](QListWidgetItem* item) {
            m_model.NinListClick(mark, list->row(item) + 1, item->isSelected());
        });
        connect(list, &QListWidget::customContextMenuRequested, this,
                [this, mark] { m_model.NinListContextPopup(mark); });
        m_ninLists[static_cast<std::size_t>(mark)] = list;
        column->addWidget(list);
        marksLayout->addLayout(column);
    }
    layout->addWidget(marks, 1);
    auto* files = named(new QGroupBox(QStringLiteral("独自指数ファイル指定"), page), QStringLiteral("GroupBox2"));
    auto* filesLayout = new QGridLayout(files);
    const KaimeSettingIds::LabelId samples[] = {KaimeSettingIds::LabelId::SampleCSVLabel1,
                                                KaimeSettingIds::LabelId::SampleCSVLabel2};
    const KaimeSettingIds::LabelId indicators[] = {KaimeSettingIds::LabelId::Org1ExistsLabel,
                                                   KaimeSettingIds::LabelId::Org2ExistsLabel};
    for (int which = 0; which < 2; ++which) {
        filesLayout->addWidget(new QLabel(QStringLiteral("独自指数%1").arg(which + 1), files), which, 0);
        auto* edit = named(new QLineEdit(files), QStringLiteral("OrgEdit%1").arg(which + 1));
        edit->setMaxLength(KaimeSettingModel::kOwnIndexPrefixMaxLength);
        connect(edit, &QLineEdit::textEdited, this,
                [this, which](const QString& text) { m_model.OrgEditChange(which, str(text)); });
        m_orgEdits[static_cast<std::size_t>(which)] = edit;
        filesLayout->addWidget(edit, which, 1);
        filesLayout->addWidget(caption("＋yyyymmdd＋.csv", files), which, 2);
        auto* sample = named(new QLabel(files), QStringLiteral("SampleCSVLabel%1").arg(which + 1));
        filesLayout->addWidget(sample, which, 3);
        auto* indicator = named(new QLabel(files), QStringLiteral("Org%1ExistsLabel").arg(which + 1));
        indicator->setFixedSize(16, 16);
        indicator->setAutoFillBackground(true);
        filesLayout->addWidget(indicator, which, 4);
        m_views.addLabel(samples[which], sample);
        m_views.addLabel(indicators[which], indicator, false);
    }
    auto* explain = caption(
        "独自指数のファイル名を指定してください。指数の先頭文字を8文字以内で指定できます。"
        "ファイル名は先頭文字＋日付＋.csvとなります。",
        files);
    explain->setWordWrap(true);
    filesLayout->addWidget(explain, 2, 0, 1, 5);
    layout->addWidget(files);
    return page;
}

QWidget* TKaimeSettingForm::buildPreMarkedPage() {
    auto* page = named(new QWidget, QStringLiteral("UmaSetSheet"));
    auto* layout = new QVBoxLayout(page);
    auto* importRow = new QHBoxLayout;
    importRow->addWidget(caption("CSVファイルから", page));
    m_sirusi = radios(QStringLiteral("SirusiRadio"), QString(),
                      {QStringLiteral("◎"), QStringLiteral("○"), QStringLiteral("▲")}, page, importRow, false);
    connect(m_sirusi, &QButtonGroup::idClicked, this, [this](int mark) { m_model.SirusiRadioClick(mark); });
    importRow->addWidget(caption("の馬を読み込む⇒", page));
    auto* read = named(new QPushButton(QStringLiteral("読込"), page), QStringLiteral("ReadCSVBtn"));
    connect(read, &QPushButton::clicked, this, [this] { m_model.ReadCSVBtnClick(); });
    importRow->addWidget(read);
    importRow->addStretch();
    layout->addLayout(importRow);
    const char* boxes[] = {"◎の指定馬は[順位指標指定]の◎指定馬を援用する",
                           "○の指定馬は[順位指標指定]の○指定馬を援用する",
                           "▲の指定馬は[順位指標指定]の▲指定馬を援用する"};
    for (int mark = 0; mark < kMarkCount; ++mark) {
        auto* box =
            named(new QCheckBox(QString::fromUtf8(boxes[mark]), page), QStringLiteral("CheckBox%1").arg(mark + 1));
        connect(box, &QCheckBox::clicked, this, [this, mark](bool ticked) { m_model.CheckBoxClick(mark, ticked); });
        m_checkBoxes[static_cast<std::size_t>(mark)] = box;
        layout->addWidget(box);
    }
    auto* body = new QHBoxLayout;
    m_datList = named(new QListWidget(page), QStringLiteral("DatList"));
    m_datList->setFixedWidth(100);
    connect(m_datList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { m_model.DatListClick(m_datList->row(item)); });
    body->addWidget(m_datList);
    QTableView* grid = m_views.addGrid(KaimeSettingIds::GridId::StringGrid26, QStringLiteral("StringGrid26"),
                                       m_model.state().stringGrid26, {}, page);
    connect(grid, &QTableView::clicked, this,
            [this](const QModelIndex& index) { m_model.StringGrid26Click(index.column(), index.row() + 1); });
    body->addWidget(grid, 1);
    layout->addLayout(body, 1);
    return page;
}

void TKaimeSettingForm::refresh(Part part) {
    const KaimeSettingState& state = m_model.state();
    switch (part) {
        case Part::Targets: {
            if (QAbstractButton* b = m_pickMethod->button(static_cast<int>(state.targets.pickWay))) b->setChecked(true);
            m_filter->show(state.targets.filter);
            showItems(m_raceList0, state.raceList0);
            showSelection(m_raceList0, state.targets.raceList0);
            break;
        }
        case Part::NavRList: showItems(m_navRListBox, state.navRListBox); break;
        case Part::NaviQuit: {
            if (QAbstractButton* b = m_naviQuit->button(static_cast<int>(state.naviQuit.sel))) b->setChecked(true);
            const std::int64_t amounts[] = {state.naviQuit.goal, state.naviQuit.floor};
            for (std::size_t which = 0; which < 2; ++which)
                if (m_naviQuitEdits[which]->text() != QString::number(amounts[which]))
                    m_naviQuitEdits[which]->setText(QString::number(amounts[which]));
            break;
        }
        case Part::Strategy:
            for (std::size_t mark = 0; mark < kMarkCount; ++mark) {
                if (QAbstractButton* b = m_sihyo[mark]->button(state.strategy.index[mark])) b->setChecked(true);
                const auto& ranks = state.strategy.ranks[mark];
                showSelection(m_ninLists[mark], std::vector<bool>(ranks.begin() + 1, ranks.end()));
                QSignalBlocker block(m_checkBoxes[mark]);
                m_checkBoxes[mark]->setChecked(state.strategy.borrowIndex[mark]);
            }
            break;
        case Part::OwnIndexFiles:
            for (std::size_t which = 0; which < 2; ++which)
                if (str(m_orgEdits[which]->text()) != state.ownIndexPrefix[which])
                    m_orgEdits[which]->setText(qs(state.ownIndexPrefix[which]));
            m_views.paintLabels(state.labels);
            break;
        case Part::RaceList: {
            showItems(m_datList, state.datList.items);
            QSignalBlocker block(m_datList);
            m_datList->setCurrentRow(state.datList.selected);
            break;
        }
        case Part::Grid: m_views.refreshGrid(KaimeSettingIds::GridId::StringGrid26); break;
        case Part::Import:
            if (QAbstractButton* b = m_sirusi->button(state.sirusiRadio)) b->setChecked(true);
            break;
        case Part::Count: break;
    }
}

void TKaimeSettingForm::open() {
    if (!m_model.InputFormBtnClick()) return;
    show();
    keepOnScreen(*this);  // the design's place (left 700) runs off a small screen
    raise();
}

void TKaimeSettingForm::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    WindowPlacement placement = m_model.state().placement;
    placement.top = y();
    placement.left = x();
    m_model.setPlacement(placement);
}

void TKaimeSettingForm::closeEvent(QCloseEvent* event) {
    m_model.FormClose();
    hide();
    event->ignore();  // the window lives for the whole run; closing only hides it
}

}  // namespace marovix
