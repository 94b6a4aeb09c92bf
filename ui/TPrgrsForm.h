#pragma once
#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include "core/app/MainModel.h"

namespace marovix {

// The progress pop-up shown while a day is loaded: border-less, always on top.
class TPrgrsForm : public QWidget {
    Q_OBJECT
public:
    // Follows the model's progress pop-up.
    explicit TPrgrsForm(MainModel& model, QWidget* parent = nullptr);
    // Shows the pop-up as the core describes it (text, second line, bar), or hides it.
    void show(const ProgressPopup& popup);
    QProgressBar* progressBar() const { return m_bar; }

private:
    QLabel* m_text;
    QLabel* m_secondLine;
    QProgressBar* m_bar;
    MainModel::Subscription m_subscription;
};

}  // namespace marovix
