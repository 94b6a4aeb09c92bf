#pragma once
#include <QWidget>

namespace marovix {

// The window "検証"; created at start, shown on demand.
class TKenshoForm : public QWidget {
    Q_OBJECT
public:
    explicit TKenshoForm(QWidget* parent = nullptr);
};

}  // namespace marovix
