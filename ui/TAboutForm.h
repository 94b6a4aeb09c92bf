#pragma once
#include <QDialog>

namespace marovix {

// "ﾊﾞｰｼﾞｮﾝ情報": the program's name and version.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    TAboutForm(const QString& versionText, QWidget* parent = nullptr);
};

}  // namespace marovix
