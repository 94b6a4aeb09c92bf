#pragma once
#include <QWidget>

#include <array>
#include <memory>

#include "core/strategy/KaimeSettingModel.h"
#include "ui/WindowViews.h"

class QButtonGroup;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QCheckBox;
class QTabWidget;

namespace marovix {

class Clock;
class KenshoModel;
class MainModel;
struct RaceFilterControls;
class TKenshoForm;

// The window "買い目設定" over its model; created at start, shown by InputFormBtn, hidden when closed.
class TKaimeSettingForm : public QWidget {
    Q_OBJECT
public:
    // The window over `model`'s strategy model; its tab "馬券シミュレーション" runs the simulation over the
    // stored days and shows its records in the verification window `kenshoForm`.
    // REQUIRES: the models, the verification window and the clock outlive the window.
    TKaimeSettingForm(MainModel& model, KenshoModel& kensho, TKenshoForm& kenshoForm, const Clock& clock,
                      QWidget* parent = nullptr);
    ~TKaimeSettingForm() override;

    // InputFormBtn: shown unless the model refuses (no race day selected).
    void open();

    QTabWidget* tabs() const { return m_tabs; }

protected:
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildTargetsPage();
    QWidget* buildQuitPage();
    QWidget* buildRankPage();
    QWidget* buildPreMarkedPage();
    void refresh(KaimeSettingModel::Part part);

    KaimeSettingModel& m_model;
    QTabWidget* m_tabs = nullptr;
    KaimeSettingModel::Subscription m_subscription;
    WindowViews<KaimeSettingIds::GridId, KaimeSettingIds::LabelId> m_views;
    QButtonGroup* m_pickMethod = nullptr;
    std::unique_ptr<RaceFilterControls> m_filter;
    QListWidget* m_raceList0 = nullptr;
    QListWidget* m_navRListBox = nullptr;
    QButtonGroup* m_naviQuit = nullptr;
    std::array<QLineEdit*, 2> m_naviQuitEdits{};
    std::array<QButtonGroup*, kMarkCount> m_sihyo{};
    std::array<QListWidget*, kMarkCount> m_ninLists{};
    std::array<QLineEdit*, 2> m_orgEdits{};
    QButtonGroup* m_sirusi = nullptr;
    std::array<QCheckBox*, kMarkCount> m_checkBoxes{};
    QListWidget* m_datList = nullptr;
};

}  // namespace marovix
