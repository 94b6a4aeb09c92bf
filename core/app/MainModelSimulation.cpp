// The simulation of the strategy window's tab "馬券シミュレーション" (SimBtn), run on the window's strategy.
#include "core/app/MainModel.h"
#include "core/common/TextFile.h"
#include "core/ports/Dialogs.h"
#include "core/settings/Settings.h"
#include "core/strategy/KenshoModel.h"
#include "core/strategy/SimulationRecord.h"

namespace marovix {
namespace {

constexpr const char* kTodayRefusal =
    "読み込まれているデータが開催当日のものです。\r\n"
    "馬券シミュレーションを行うときは過去開催日のデータを選択するか、開催日以外に実行してください。";
constexpr const char* kStartQuestion =
    "集計を始めます。PCのスペックによっては多くの時間がかかる場合がありますが開始してよろしいですか？";
constexpr const char* kNoData = "対象データがありませんでした。";

}  // namespace

MainModel::SimulationOutcome MainModel::SimBtnClick(int from, int to, KenshoModel& kensho,
                                                    const std::function<void(const SimulationProgress&)>& progress) {
    const HandlerScope scope(*this);
    // 1. Refused while today's meeting is shown.
    if (m_state.shownDay && isToday(*m_state.shownDay)) {
        m_ports.dialogs.beep();
        m_ports.dialogs.information(kTodayRefusal);
        return SimulationOutcome::Refused;
    }
    // 2. The user's confirmation.
    if (!m_ports.dialogs.confirm(kStartQuestion)) return SimulationOutcome::Declined;
    // 3., 6. QuietFlag raised and the run marked for the windows (button, tabs, cursor) until the end.
    struct RunScope {
        MainModel& model;
        bool quiet;
        explicit RunScope(MainModel& m) : model(m), quiet(m.m_quietFlag) {
            model.m_quietFlag = true;
            model.m_simulationRunning = true;
            model.m_simulationCancel.store(false);
        }
        ~RunScope() {
            model.m_quietFlag = quiet;
            model.m_simulationRunning = false;
        }
    } run(*this);
    // 4. The verification window prepared.
    kensho.prepareForSimulation();
    // 5. The window's strategy and page, copied for the replay.
    SimulationSetup setup;
    setup.dataFolder = m_folders.dataFolder();
    setup.tcsvFolder = m_folders.tcsvFolder();
    setup.load = DayLoadSettings::read(m_settings->snapshot());
    setup.options = m_state.options;
    setup.ozSpan = m_state.ozSpan;
    setup.marks = m_markStrategy;
    setup.page = m_state.options.value(MainOption::TabIndex);
    // 7. The stored days of the range, oldest first.
    const SimulationResult result = runSimulation(setup, simulationDays(m_state.dateCombo, from, to),
                                                  SimulationControl{[&](const SimulationProgress& done) {
                                                                        if (progress) progress(done);
                                                                        letEventsRun();
                                                                    },
                                                                    &m_simulationCancel, 0});
    logNotes(result.notes);
    // The window is left on the last race processed.
    if (!result.lastDay.empty()) {
        DateComboChange(result.lastDay);
        if (m_state.currentRace != result.lastSlot) showRace(result.lastSlot);
    }
    // 8. No record: the old work file stays.
    if (result.lines.empty()) {
        m_ports.dialogs.beep();
        m_ports.dialogs.information(kNoData);
        return SimulationOutcome::NoData;
    }
    if (Status saved = replaceFile(m_folders.path(kSimulationFileName), simulationFileBytes(result.lines)); !saved) {
        m_ports.dialogs.error("検証データ(tmpData.dat)を保存できませんでした。\r\n" + saved.error());
        return SimulationOutcome::NotSaved;
    }
    kensho.ReadDataBtnClick();
    return SimulationOutcome::Verified;
}

}  // namespace marovix
