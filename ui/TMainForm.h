#pragma once
#include <QLabel>
#include <QMainWindow>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "core/app/MainAutoHost.h"
#include "core/app/MainModel.h"
#include "core/auto/Scheduler.h"
#include "core/common/MainGrids.h"
#include "core/settings/MainOptions.h"

class QAction;
class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QListWidget;

namespace marovix {

class TIpatLogForm;
class TextGridModel;

// The main window "Marovix　中央競馬版". Its controls carry the names the rest of the system knows
// them by (object names), so tests and later windows find them.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Runs the model's create step: the window is placed from the stored placement.
    TMainForm(MainModel& model, QWidget* parent = nullptr);
    ~TMainForm() override;

    // What the "JVﾃﾞｰﾀ取得" button opens (the download window).
    void setDownloadAction(std::function<void()> action) { m_downloadAction = std::move(action); }
    // InputFormBtn "買い目設定" opens the strategy window through `action`.
    void setKaimeSettingAction(std::function<void()> action) { m_kaimeSettingAction = std::move(action); }
    MainModel& model() { return m_model; }
    // Automatic operation's scheduler, ticked every second by SchedulerTimer.
    Scheduler& scheduler() { return *m_scheduler; }
    // Shows what the core holds now, every part.
    void refresh();
    // Repaints the part of the state that changed.
    void refresh(StatePart part);

protected:
    void showEvent(QShowEvent* event) override;
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
    QTimer* addTimer(const char* name, int intervalMs);
    void bindCheck(QCheckBox* box, MainOption option);
    void bindRadio(QButtonGroup* group, MainOption option);
    void showAbout();
    // Stakes, the combined list and the payout panel (TMainFormStakes.cpp).
    void addStakeControls(int betIndex, QWidget* page, QBoxLayout* layout);
    QWidget* buildCombinedTotals(QWidget* parent);
    QWidget* buildPayoutPanel();
    void connectStakeControls();
    void refreshStakeEdits();
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
    std::function<void()> m_kaimeSettingAction;
    bool m_shownOnce = false;
    std::vector<std::pair<GridId, TextGridModel*>> m_gridModels;
    std::vector<std::pair<QAction*, MainOption>> m_optionItems;
    QLabel* m_bakenLabel = nullptr;
    QTabWidget* m_pageControl1 = nullptr;
    QTabWidget* m_pageControl4 = nullptr;
};

}  // namespace marovix
