#include "ui/TKaimeSettingForm.h"

namespace marovix {

TKaimeSettingForm::TKaimeSettingForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TKaimeSettingForm"));
    setWindowTitle(QStringLiteral("買い目設定"));
}

}  // namespace marovix
