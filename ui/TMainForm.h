#pragma once
#include <QLabel>
#include <QMainWindow>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "core/app/MainAutoHost.h"
#include "core/app/MainModel.h"
#include "core/auto/Scheduler.h"
#include "core/common/MainGrids.h"
#include "core/common/MainLabels.h"
#include "core/kaime/SelectionControls.h"
#include "core/settings/MainOptions.h"

class QAction;
class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;

namespace marovix {

class TIpatLogForm;
class TextGridModel;

// The main window "Marovix　中央競馬版". Its controls carry the names the rest of the system knows
// them by (object names), so tests and later windows find them. It keeps a pointer to every control it
// repaints and repaints only the part of the state each notice names.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Runs the model's create step: the window is placed from the stored placement.
    TMainForm(MainModel& model, QWidget* parent = nullptr);
    ~TMainForm() override;

    // What the "JVﾃﾞｰﾀ取得" button opens (the download window).
    void setDownloadAction(std::function<void()> action) { m_downloadAction = std::move(action); }
    // What the menu item "自動運転ログ" (N35) shows after the model refreshed the IPAT log.
    void setLogWindowAction(std::function<void()> action) { m_logWindowAction = std::move(action); }
    // InputFormBtn "買い目設定" opens the strategy window through `action`.
    void setKaimeSettingAction(std::function<void()> action) { m_kaimeSettingAction = std::move(action); }
    MainModel& model() { return m_model; }
    // Automatic operation's scheduler, ticked every second by SchedulerTimer.
    Scheduler& scheduler() { return *m_scheduler; }
    // Shows what the core holds now, every part.
    void refresh();
    // Repaints the part of the state that changed.
    void refresh(StatePart part);
    // Runs `tick` at each timeout of `timer`, unless a handler of the model is busy (letting pending events
    // run inside a long operation): a tick never runs inside a half-done handler; the next one comes.
    void connectTick(QTimer* timer, std::function<void()> tick);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildTopBar();
    void buildCentre();
    QTableView* makeGrid(GridId grid, QWidget* parent);
    void refreshGrids(std::initializer_list<GridId> grids);
    void refreshOptions();
    void refreshLabels();
    QWidget* buildSelectionPage();
    QWidget* buildBetTypePage(int betIndex, QTableView* grid);
    QAction* addOptionItem(QMenu* menu, const char* name, const char* caption, MainOption option);
    QTimer* addTimer(const char* name, int intervalMs, bool MainTimers::*running = nullptr);
    // The named labels, found once when the window has been built.
    void keepLabels();
    void bindCheck(QCheckBox* box, MainOption option);
    void bindRadio(QButtonGroup* group, MainOption option);
    void showAbout();
    // N8: the timing window, modal, a new one each time.
    void openOzGetTimeForm();
    // Stakes, the combined list and the payout panel (TMainFormStakes.cpp).
    void addStakeControls(int betIndex, QWidget* page, QBoxLayout* layout);
    QWidget* buildCombinedTotals(QWidget* parent);
    QWidget* buildPayoutPanel();
    void connectStakeControls();
    void refreshStakeEdits();
    void refreshDateCombo();
    void refreshRaceList();
    void refreshTimers();
    void refreshPayoutPanel();
    void openKaimeSetForm();
    // The selection page's mark buttons and grid clicks; the multi boxes shown as the core says.
    void wireSelectionPage();
    void refreshMultiBoxes();

    MainModel& m_model;
    MainModel::Subscription m_subscription;
    std::unique_ptr<MainAutoHost> m_autoHost;
    std::unique_ptr<Scheduler> m_scheduler;
    std::function<void()> m_downloadAction;
    std::function<void()> m_logWindowAction;
    std::function<void()> m_kaimeSettingAction;
    int m_formDisableStarts = 0;  // the model's FormDisableTimer starts the timer has seen
    // The two race-card views, for their hand cursors.
    std::vector<std::pair<GridId, QTableView*>> m_cardViews;
    bool m_shownOnce = false;
    std::vector<std::pair<GridId, TextGridModel*>> m_gridModels;
    // The controls each part repaints.
    std::vector<std::pair<QAction*, MainOption>> m_optionItems;
    std::vector<std::pair<QCheckBox*, MainOption>> m_optionChecks;
    std::vector<std::pair<QButtonGroup*, MainOption>> m_optionRadios;
    std::array<QLineEdit*, 16> m_ozSpanEdits{};  // Toz1editA, Toz1editB, Foz1editA, ... SRToz1editB
    std::array<QLineEdit*, 8> m_tohyoEdits{};    // TantohyoEdit ... SRTtohyoEdit
    std::array<QCheckBox*, kMultiBoxes.size()> m_multiBoxes{};
    std::array<QWidget*, MainLabels::kCount> m_labels{};  // by LabelId; null for a label the window lacks
    // The payout panel's labels per bet type and entry: combination, popularity, payout.
    std::array<std::vector<std::array<QLabel*, 3>>, 8> m_payoutLabels;
    // The timers the handlers start and stop, with their flag in MainTimers.
    std::vector<std::pair<QTimer*, bool MainTimers::*>> m_dayTimers;
    QComboBox* m_dateCombo = nullptr;
    QListWidget* m_datList = nullptr;
    QLabel* m_bakenLabel = nullptr;
    QTabWidget* m_pageControl1 = nullptr;
    QTabWidget* m_pageControl4 = nullptr;
};

}  // namespace marovix
