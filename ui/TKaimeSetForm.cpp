#include "ui/TKaimeSetForm.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

#include "ui/QtText.h"

namespace marovix {

TKaimeSetForm::TKaimeSetForm(MainModel& model, QWidget* parent) : QDialog(parent), m_model(model) {
    setObjectName(QStringLiteral("TKaimeSetForm"));
    setWindowTitle(QStringLiteral("投資金設定"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const BetAmounts amounts = m_model.defaultStakes();
    for (const BetTypeInfo& bet : kBetTypes) {
        auto* edit = new QSpinBox(this);
        edit->setObjectName(qs(std::string(bet.prefix)) + QStringLiteral("AmountEdit"));
        edit->setRange(0, std::numeric_limits<int>::max());
        edit->setSingleStep(100);
        edit->setSuffix(QStringLiteral(" 円"));
        edit->setValue(amounts[static_cast<std::size_t>(bet.type)]);
        form->addRow(qs(std::string(bet.name)), edit);
        m_edits[static_cast<std::size_t>(bet.type)] = edit;
    }
    layout->addLayout(form);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TKaimeSetForm::okClick);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

void TKaimeSetForm::okClick() {
    BetAmounts amounts{};
    for (std::size_t i = 0; i < amounts.size(); ++i) amounts[i] = m_edits[i]->value();
    m_model.KaimeSetFormOKClick(amounts);
    accept();
}

}  // namespace marovix
