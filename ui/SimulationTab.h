#pragma once
#include <QWidget>

class QDateEdit;
class QProgressDialog;
class QPushButton;
class QTabWidget;

namespace marovix {

class Clock;
class KenshoModel;
class MainModel;
class TKenshoForm;

// The tab "馬券シミュレーション" of the strategy window: the date range DateTimePicker1 and DateTimePicker2
// (one year before today and today when made, not stored) and SimBtn "ｼﾐｭﾚｰｼｮﾝ開始". While the simulation
// runs, the button is disabled, the window's tabs are hidden, the cursor is busy and a progress window
// counts the days and races, with a cancel that stops after the current race.
class SimulationTab : public QWidget {
    Q_OBJECT
public:
    SimulationTab(MainModel& model, KenshoModel& kensho, TKenshoForm& kenshoForm, const Clock& clock, QTabWidget& tabs,
                  QWidget* parent = nullptr);

private:
    void simClick();

    MainModel& m_model;
    KenshoModel& m_kensho;
    TKenshoForm& m_kenshoForm;
    QTabWidget& m_tabs;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QPushButton* m_simBtn = nullptr;
};

}  // namespace marovix
