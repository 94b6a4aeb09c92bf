#pragma once
#include <QDialog>
#include <QSpinBox>
#include <array>

#include "core/app/MainModel.h"

namespace marovix {

// "投資金設定": the default stake of each bet type ("投資金額設定" in the options menu). Its edits start
// from the stored defaults; "OK" hands them to the model (which raises amounts below 100 and stores
// them) and closes.
class TKaimeSetForm : public QDialog {
    Q_OBJECT
public:
    explicit TKaimeSetForm(MainModel& model, QWidget* parent = nullptr);
    // The edit of a bet type (object name <prefix>AmountEdit, e.g. "TanAmountEdit").
    QSpinBox* amountEdit(BetType bet) const { return m_edits[static_cast<std::size_t>(bet)]; }

private:
    void okClick();

    MainModel& m_model;
    std::array<QSpinBox*, 8> m_edits{};
};

}  // namespace marovix
