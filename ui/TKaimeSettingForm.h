#pragma once
#include <QWidget>

namespace marovix {

// The window "買い目設定"; created at start, shown on demand.
class TKaimeSettingForm : public QWidget {
    Q_OBJECT
public:
    explicit TKaimeSettingForm(QWidget* parent = nullptr);
};

}  // namespace marovix
