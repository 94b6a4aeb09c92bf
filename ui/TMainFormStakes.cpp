// The main window's stake controls, the summary labels of the selection tabs and of the combined list,
// the combined list's "消" column, the participation buttons, the default-stake window and the payout
// panel of the tab "結果". Every rule is the model's; these functions lay out, forward and show.
#include <QAction>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

#include "core/kaime/StakeInputs.h"
#include "core/results/PayoutPanel.h"
#include "core/settings/MainOptions.h"
#include "ui/QtText.h"
#include "ui/TKaimeSetForm.h"
#include "ui/TMainForm.h"

namespace marovix {
namespace {

QString tohyoEditName(BetType bet) { return qs(std::string(betTypeInfo(bet).prefix)) + QStringLiteral("tohyoEdit"); }

// A caption followed by the named label that shows a value of the state.
void addValueLabel(QGridLayout* grid, int column, const QString& caption, LabelId id, QWidget* parent) {
    grid->addWidget(new QLabel(caption, parent), 0, column);
    auto* value = new QLabel(parent);
    value->setObjectName(qs(labelName(id)));
    value->setMinimumWidth(64);
    value->setFrameShape(QFrame::Panel);
    value->setFrameShadow(QFrame::Sunken);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(value, 1, column);
}

// The names of the payout panel's labels: <prefix>Kekka<n>, <prefix>Ninki<n>, <prefix>Haito<n>, n from 1.
QString payoutLabelName(BetType bet, int row, int entry) {
    static const char* rows[] = {"Kekka", "Ninki", "Haito"};
    return qs(std::string(betTypeInfo(bet).prefix)) + QString::fromLatin1(rows[row]) + QString::number(entry + 1);
}

}  // namespace

void TMainForm::addStakeControls(int betIndex, QWidget* page, QBoxLayout* layout) {
    const auto bet = static_cast<BetType>(betIndex);
    auto* row = new QWidget(page);
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("入力投票金額"), row), 0, 0);
    auto* edit = new QLineEdit(row);
    edit->setObjectName(tohyoEditName(bet));
    m_tohyoEdits[static_cast<std::size_t>(bet)] = edit;
    edit->setValidator(new QIntValidator(0, 99999999, edit));
    edit->setMaximumWidth(90);
    edit->setAlignment(Qt::AlignRight);
    connect(edit, &QLineEdit::textEdited, this,
            [this, bet](const QString& text) { m_model.tohyoEditChange(bet, str(text)); });
    grid->addWidget(edit, 1, 0);
    const std::pair<const char*, BetLabel> labels[] = {{"買い点数", BetLabel::Tensu},
                                                       {"投票金額", BetLabel::Toshi},
                                                       {"予想回収率", BetLabel::YosoKaishu},
                                                       {"合成オッズ", BetLabel::GO},
                                                       {"結果回収額", BetLabel::Kaishu}};
    int column = 1;
    for (const auto& [caption, which] : labels) addValueLabel(grid, column++, qs(caption), betLabel(bet, which), row);
    grid->setColumnStretch(column, 1);
    layout->addWidget(row);
}

QWidget* TMainForm::buildCombinedTotals(QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char*, LabelId> labels[] = {{"総買い点数", LabelId::SoTensuLabel},
                                                      {"総投票金額", LabelId::SoTohyoGakuLabel},
                                                      {"予想回収率", LabelId::YosoKaisyuLabel},
                                                      {"合成オッズ", LabelId::SoGOLabel},
                                                      {"結果回収額", LabelId::KaishuLabel}};
    int column = 0;
    for (const auto& [caption, id] : labels) addValueLabel(grid, column++, qs(caption), id, row);
    // The combined list's own count, investment and rate are emptied with every rebuild and never filled:
    // they exist for their names only.
    for (LabelId id : {LabelId::TensuLabel, LabelId::ToshiLabel, LabelId::YosoKaishuLabel}) {
        auto* hidden = new QLabel(row);
        hidden->setObjectName(qs(labelName(id)));
        hidden->hide();
    }
    // "保存" and "再読込" have no action.
    for (auto [objectName, caption] : {std::pair{"SaveKaiBtn", "保存"}, {"LoadKaiBtn", "再読込"}}) {
        auto* inert = new QPushButton(qs(caption), row);
        inert->setObjectName(qs(objectName));
        inert->setEnabled(false);
        grid->addWidget(inert, 1, column++);
    }
    grid->setColumnStretch(column, 1);
    return row;
}

QWidget* TMainForm::buildPayoutPanel() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("PayoutPanel"));
    auto* layout = new QGridLayout(panel);
    for (const BetTypeInfo& bet : kBetTypes) {
        const int index = static_cast<int>(bet.type);
        auto* box = new QGroupBox(qs(std::string(payoutPanelHeading(bet.type))), panel);
        box->setObjectName(qs(std::string(bet.prefix)) + QStringLiteral("PayoutBox"));
        auto* grid = new QGridLayout(box);
        const int entries = static_cast<int>(m_model.state().payoutPanel.of(bet.type).size());
        auto& kept = m_payoutLabels[static_cast<std::size_t>(index)];
        kept.assign(static_cast<std::size_t>(entries), {});
        for (int row = 0; row < 3; ++row) {
            grid->addWidget(new QLabel(qs(std::string(kPayoutPanelRows[static_cast<std::size_t>(row)])), box), row, 0);
            for (int entry = 0; entry < entries; ++entry) {
                auto* value = new QLabel(box);
                value->setObjectName(payoutLabelName(bet.type, row, entry));
                kept[static_cast<std::size_t>(entry)][static_cast<std::size_t>(row)] = value;
                value->setMinimumWidth(row == 2 ? 72 : 56);
                value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                grid->addWidget(value, row, entry + 1);
            }
        }
        grid->setColumnStretch(entries + 1, 1);
        layout->addWidget(box, index / 2, index % 2);
    }
    layout->setRowStretch(4, 1);
    return panel;
}

void TMainForm::connectStakeControls() {
    connect(findChild<QPushButton*>(QStringLiteral("AllBakenBTn")), &QPushButton::clicked, this,
            [this] { m_model.AllBakenBTnClick(); });
    connect(findChild<QPushButton*>(QStringLiteral("NoBakenBtn")), &QPushButton::clicked, this,
            [this] { m_model.NoBakenBtnClick(); });
    // "資金配分" rebuilds the selections: the model's handler instead of the plain option.
    auto* haibun = findChild<QButtonGroup*>(QStringLiteral("HaibunRadioGroup"));
    disconnect(haibun, &QButtonGroup::idClicked, this, nullptr);
    connect(haibun, &QButtonGroup::idClicked, this, [this](int id) { m_model.HaibunRadioClick(id); });
    // Column 0 of the combined list toggles "消"; the list keeps its top row.
    auto* all = findChild<QTableView*>(QStringLiteral("AllKaimeGrid"));
    connect(all, &QTableView::clicked, this, [this, all](const QModelIndex& index) {
        const int top = all->verticalScrollBar()->value();
        m_model.AllKaimeGridClick(index.column(), index.row() + 1);
        all->verticalScrollBar()->setValue(top);
    });
    connect(findChild<QAction*>(QStringLiteral("KaimeSetItem")), &QAction::triggered, this,
            &TMainForm::openKaimeSetForm);
}

void TMainForm::refreshStakeEdits() {
    const auto& edits = m_model.state().tohyoEdit;
    for (std::size_t bet = 0; bet < edits.size(); ++bet) {
        const QString text = qs(edits[bet]);
        if (QLineEdit* edit = m_tohyoEdits[bet]; edit && edit->text() != text) edit->setText(text);
    }
}

void TMainForm::refreshPayoutPanel() {
    const PayoutPanel& panel = m_model.state().payoutPanel;
    for (const BetTypeInfo& bet : kBetTypes) {
        const auto& entries = panel.of(bet.type);
        const auto& labels = m_payoutLabels[static_cast<std::size_t>(bet.type)];
        for (std::size_t entry = 0; entry < entries.size() && entry < labels.size(); ++entry) {
            const PayoutPanelEntry& shown = entries[entry];
            const std::string* texts[] = {&shown.combination, &shown.popularity, &shown.payout};
            for (std::size_t row = 0; row < 3; ++row) labels[entry][row]->setText(qs(*texts[row]));
        }
    }
}

void TMainForm::openKaimeSetForm() {
    TKaimeSetForm form(m_model, this);
    form.exec();
}

}  // namespace marovix
