#include "ui/TAboutForm.h"

#include "core/common/ProgramInfo.h"
#include "ui/QtText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace marovix {

TAboutForm::TAboutForm(const QString& versionText, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    auto* layout = new QVBoxLayout(this);
    auto* product = new QLabel(qs(kProgramTitle), this);
    product->setObjectName(QStringLiteral("ProductName"));
    auto* version = new QLabel(versionText, this);
    version->setObjectName(QStringLiteral("Version"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(product);
    layout->addWidget(version);
    layout->addWidget(buttons);
}

}  // namespace marovix
