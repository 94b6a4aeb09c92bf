#pragma once
#include <QWidget>

class QTabWidget;

namespace marovix {

class Clock;
class KenshoModel;
class MainModel;
class TKenshoForm;

// The window "買い目設定"; created at start, shown on demand. Its tab "馬券シミュレーション" starts the
// simulation, whose records the verification window `kensho` shows.
class TKaimeSettingForm : public QWidget {
    Q_OBJECT
public:
    TKaimeSettingForm(MainModel& model, KenshoModel& kensho, TKenshoForm& kenshoForm, const Clock& clock,
                      QWidget* parent = nullptr);

    QTabWidget* tabs() const { return m_tabs; }

private:
    QTabWidget* m_tabs = nullptr;
};

}  // namespace marovix
