#include "ui/TKenshoForm.h"

namespace marovix {

TKenshoForm::TKenshoForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TKenshoForm"));
    setWindowTitle(QStringLiteral("検証"));
}

}  // namespace marovix
