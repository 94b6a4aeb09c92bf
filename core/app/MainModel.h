#pragma once
// The main window's handlers over its state. The window in ui/ (and the command line) shows the state,
// forwards its events to the handlers named after the window's controls, and repaints the part of the
// state each notice names. Everything is testable without a window.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app/MainState.h"
#include "core/auto/SchedulerDay.h"
#include "core/common/CellStyle.h"
#include "core/common/Notifier.h"
#include "core/common/Result.h"
#include "core/jv/ReadCancelFlag.h"
#include "core/jv/RealTimeFetch.h"
#include "core/kaime/MarkStrategy.h"
#include "core/kaime/StakeInputs.h"
#include "core/logs/DayLog.h"
#include "core/logs/ErrorLog.h"
#include "core/odds/DayOdds.h"
#include "core/race/RaceCard.h"
#include "core/race/RaceDay.h"
#include "core/race/RaceSchedule.h"
#include "core/results/DayPayouts.h"
#include "core/results/PayoutSummary.h"
#include "core/settings/AppFolders.h"
#include "core/strategy/KaimeSettingModel.h"

namespace marovix {

class Clock;
class Dialogs;
class DocumentOpener;
class JvLink;
class Random;
class Registry;
class Settings;
struct SettingKey;
class Sound;
class MainStrategyHost;
class StoredDataDownload;
class VotePluginLauncher;
class VoteQueue;
class VoteQueueHost;

// The outside world as the main window reaches it.
struct MainPorts {
    JvLink& jvLink;
    Dialogs& dialogs;
    const Clock& clock;
    const Registry& registry;
    Sound& sound;
    DocumentOpener& opener;
    Random& random;
    VotePluginLauncher& launcher;
};

class MainModel {
public:
    using Subscription = Notifier<StatePart>::Subscription;

    // `appFolder` is the executable's folder (or the --app-folder override); `windowsFolder` the
    // program's shared-data folder holding Media/. The ports must outlive the model.
    MainModel(std::string appFolder, std::string windowsFolder, MainPorts ports);
    ~MainModel();

    // The state as the window shows it.
    const MainState& state() const { return m_state; }
    // Tells `listener` which part of the state changed after each handler. REQUIRES: the model outlives
    // the subscription.
    [[nodiscard]] Subscription subscribe(std::function<void(StatePart)> listener);

    // The main window's create step. A settings file that cannot be read is reported first (the run goes
    // on with the defaults). A data folder that cannot be created is reported (system error text) and the
    // remaining steps are skipped; the result says whether every step ran.
    bool create();
    bool created() const { return m_created; }
    // First show: JVInit with the software identifier; a failure is shown and the program goes on.
    void firstShow();
    // Close request (always granted): saves the placement and closes the day's run log.
    void closeRequest(const WindowPlacement& current);
    // Opens Marovix.pdf of the application folder, or reports that it is missing.
    void openManual();

    const AppFolders& folders() const { return m_folders; }
    // The clock the handlers read.
    const Clock& clock() const { return m_ports.clock; }
    const std::string& appFolder() const { return m_folders.appFolder(); }
    static std::string softwareId();

    // A menu tick, radio group or check box changed: the control takes the value and its setting is
    // written at once unless the setting is only read at start; a write failure is shown and the
    // control keeps its new state. The selection's controls then run their click (see
    // selectionOptionClicked): ShihyoSetRadio the marks and KaimeMakeBtn; a buying method, multi box or
    // participation box KaimeMakeBtn (the exacta's and trifecta's methods RefSpanBtn first).
    void setOption(MainOption option, int value);
    // An odds-range edit changed (index in the order Toz1A, Toz1B, Foz1A, ... SRToz1B): stored at once,
    // then KaimeMakeBtn.
    void setOzSpanEdit(int index, std::string text);
    static const SettingKey& ozSpanKey(int index);
    // "自動運転" (automatic operation): not kept in the settings, off at every start.
    bool autoRunMode() const { return m_autoRunMode; }

    // AppendErrorLog of a fetch error; a failure to save is shown.
    void appendErrorLog(const std::string& text);
    // AppendDayLog: adds lines to the run log (saved when `save`) and shows them in the log window.
    void appendDayLog(const std::vector<std::string>& lines, bool save = true);
    const ErrorLog& errorLog() const { return m_errorLog; }

    // MakeDataListBtn: DateCombo lists the meeting days of the data folder, newest first; none selected.
    void MakeDataListBtnClick();
    // JVBtn: the stored-data download of the window "ＪＶデータ取込", bound to this model's ports, settings
    // and cancel flag. Its FormClose runs downloadWindowClosed().
    std::unique_ptr<StoredDataDownload> JVBtnClick();
    // The download window closed: the race list is emptied, the race pages hidden, the day list rebuilt.
    void downloadWindowClosed();

    // LoadRaceDay: the user chose a day in DateCombo. Loads the day's race data and shows its first race.
    void DateComboChange(const std::string& dayText);
    // ShowRace: the user clicked entry `index` of DatList. Makes the entry's race slot CurrentRace and
    // shows it. An index outside the list does nothing.
    void DatListClick(int index);
    // N38 "Lumidexフォルダ指定": chooses the computer-index companion's folder.
    void N38Click();

    // The loaded meeting day (all blank before the first load).
    const RaceDay& raceDay() const { return m_day; }
    // The odds of the loaded day's races.
    const DayOdds& dayOdds() const { return m_odds; }
    // OzReadBtn: reads the odds of race slot OddsReadSlot into its OddsTable.
    void OzReadBtnClick();
    // OddsReadSlot: the race slot the odds reading fills; set by its callers.
    void setOddsReadSlot(RaceSlot slot) { m_oddsReadSlot = slot; }
    // T1 "時系列オッズより取得(&T)": imports the odds nearest to post time from the time-series viewer's
    // folder into the day's odds files, then loads the day again. False when it was refused (no viewer
    // folder chosen, no day shown), which it has said.
    bool T1Click();
    // N12 "時系列オッズフォルダ指定(&T)": chooses the time-series viewer's folder.
    void N12Click();
    // N110 "1日分の全オッズを一括取得": the quick odds fetch of every race of the day in turn.
    void N110Click();
    // SokuhoOddsBtn "速報ｵｯｽﾞ": the quick odds fetch of the current race ("0B30" with its race key); a
    // complete read sets its OzFetched. Then its odds are read (OddsReadSlot := the race), the race is
    // shown again as a click in DatList does unless Disp/NotRefresh is on, and the selections are built.
    // Does nothing without a day and a selected race whose key is usable, or while a fetch runs.
    void SokuhoOddsBtnClick();
    // KekkaGetBtn "結果情報": the results and payouts of the day ("0B12" with the day key of slot 0), then
    // HrReadBtn. Race and runner records go only into the day's existing files. Same conditions.
    void KekkaGetBtnClick();
    // GetDMBtn "ﾏｲﾆﾝｸﾞ": the day's time-type mining ("0B13"), then its match-type mining ("0B17"), each
    // with its own close (a failure of the first does not prevent the second), then ReadMining. Under
    // SilentFetch neither beeps. Same conditions.
    void GetDMBtnClick();
    // OzGetLoopBtn: the odds fetch of each race of FetchQueueOdds in order; after a complete read and close
    // the day log gets "-----" and "■オッズ取得 " + race + "R " + the time, and each race's odds are read.
    // At the end the current race is shown again unless automatic operation is on.
    void OzGetLoopBtnClick();
    // HRGetLoopBtn: the payout fetch of each race of FetchQueueResults, then HrReadBtn2. An empty list does
    // nothing.
    void HRGetLoopBtnClick();
    // FetchQueueOdds and FetchQueueResults: lines of RaceKey16 + the slot as "%2d" (see FetchQueue.h).
    void setFetchQueueOdds(std::vector<std::string> lines) { m_fetchQueueOdds = std::move(lines); }
    void setFetchQueueResults(std::vector<std::string> lines) { m_fetchQueueResults = std::move(lines); }
    // OzFetched: the race's odds were fetched (cleared when a day is loaded, as its slots hold other races).
    bool ozFetched(RaceSlot slot) const;
    // Timer1 sets OzFetched of each race it is about to fetch.
    void setOzFetched(RaceSlot slot);
    // SilentFetch: raised by automatic operation while it runs the mining fetch.
    bool silentFetch() const { return m_silentFetch; }
    void setSilentFetch(bool silent) { m_silentFetch = silent; }
    // A real-time fetch is running (another one started meanwhile, from an event it lets run, is ignored:
    // it would close the running stream).
    bool fetchRunning() const { return m_fetchRunning; }

    // TohyouBtn "投票": votes the selections of the showing page for the current race, after the checks
    // and the user's confirmation.
    void TohyouBtnClick();
    // AutoTohyoBtn "投票auto" (never visible): the vote of automatic operation; refusals go to the day log.
    void AutoTohyoBtnClick();
    // TohyoDone: the race's vote was handed over (or simulation kept an automatic vote from the plug-in).
    // Loading a day restores it from the vote blocks of the day logs that can hold votes of its races:
    // those of the race day and the two days before it (a vote is made on the race day or the day before,
    // and a program writes to the log of the day it started), and the program's own.
    bool tohyoDone(RaceSlot slot) const;
    // A vote that passed its checks waits in the vote queue until the run handed the day's vote file
    // before it has ended and no other program holds the vote lock; the queue is pumped at once and by
    // this tick (the window's one-second timer, the command line's polling, the scheduler).
    void VoteQueueTimerTimer();
    // The number of the last vote put into the queue (nothing before the first).
    std::optional<int> lastVote() const { return m_lastVote; }
    const VoteQueue& voteQueue() const { return *m_voteQueue; }
    // Gives up a waiting vote (its day-log line is written); false when it no longer waits.
    bool withdrawVote(int id);
    // VQM1 "VQM投票プラグイン２フォルダ指定": chooses the vote plug-in's folder.
    void VQM1Click();
    // IPAT2 "IPATメニュー": the IPAT service's page in the default browser.
    void IPAT2Click();
    // QuietFlag: while raised, the information dialogs of loading and showing races are not shown.
    bool quietFlag() const { return m_quietFlag; }
    void setQuietFlag(bool raised) { m_quietFlag = raised; }
    // Lets pending window events run inside long operations (the window wires processEvents).
    void setEventPump(std::function<void()> pump) { m_eventPump = std::move(pump); }
    // True while a handler lets pending events run: a timer tick arriving then is inside that handler.
    bool pumpingEvents() const { return m_pumpDepth > 0; }
    // The schedule of each race slot and the results timer (Timer4), set when a day is selected from the
    // timing settings as they are then (all blank before the first selection).
    const DaySchedules& raceSchedules() const { return m_schedules; }
    const ResultsTimer& resultsTimer() const { return m_resultsTimer; }

    // Stakes, the combined list and payouts.
    // TantohyoEditChange ... SRTtohyoEditChange: the stake edit of `bet` shows `text`; its amount is
    // stored for the current race, the bet type's grid is allocated again and judged, and the combined
    // list rebuilt.
    void tohyoEditChange(BetType bet, std::string text);
    // "資金配分": the allocation method (0 "均等" ... 3 "期配") is stored and the selections rebuilt.
    void HaibunRadioClick(int method);
    // "全選択" / "全解除": all eight bet types take part, or none; the eight settings are stored and the
    // selections rebuilt. A write that fails is shown and ends the action.
    void AllBakenBTnClick();
    void NoBakenBtnClick();
    // A click in AllKaimeGrid at (column, row of the grid, row 0 the heading row): column 0 of a data row
    // toggles "消" and the overall totals are computed again.
    void AllKaimeGridClick(int column, int row);
    // The overall totals of the combined list.
    void SogoKaiKeiBtnClick();
    // The active page of PageControl4 changed: stored, and BakenLabel shows its caption.
    void PageControl4Change(int index);
    // The eight default stakes (KaimeSet/DefaultAmountTan ...) for the window "投資金設定".
    BetAmounts defaultStakes() const;
    // That window's "OK": amounts below 100 become 100, the eight defaults are stored (a failed write is
    // shown and ends the action) and the current race is selected again when the day has races. The new
    // defaults take effect when a day is next opened.
    void KaimeSetFormOKClick(BetAmounts amounts);
    // HrReadBtn "払戻取込": the day's race and runner records read again, then its payout file into the
    // payout slots, then the payout summary (CalcBtn).
    void HrReadBtnClick();
    // HrReadBtn2 "払戻取込2": the same; when a race is shown and its payout has just arrived in this
    // reading, the race is selected again, which shows its results.
    void HrReadBtn2Click();
    // CalcBtn: the payout summary of all 36 race slots from the payout slots. A slot's summary is formed
    // when first asked for, from the payout slots as this handler found them.
    void CalcBtnClick();
    // The day's payout slots and their summaries.
    const DayPayouts& payouts() const { return m_payouts; }
    const PayoutSummary& payoutSummary(RaceSlot slot) const;
    // Marks and selections.
    // The strategy behind the marks: Sihyo sel1..sel3, the ranks of "selecteduma.dat" and SetUma, read
    // when the main window is created.
    const MarkStrategy& markStrategy() const { return m_markStrategy; }
    // AllCkBtn1..3 "全" / AllDlBtn1..3 "CL": mark `mark` (0 ◎, 1 ○, 2 ▲) put on every body row of
    // StringGrid26 / taken off, then KaimeMakeBtn.
    void AllCkBtnClick(int mark);
    void AllDlBtnClick(int mark);
    // A click on cell (column, row) of StringGrid26: a mark cell (columns 18-20) of a runner row toggles
    // its mark, then KaimeMakeBtn; other cells do nothing.
    void StringGrid26Click(int column, int row);
    // A click on cell (column, row) of TanKaimeGrid: column 0 of a data row toggles "消", then KaimeMakeBtn.
    void TanKaimeGridClick(int column, int row);
    // RefSpanBtn / RefreshMultiBtn: which multi check boxes of the exacta and trifecta pages show.
    void RefSpanBtnClick();

    // The window "買い目設定" over this main window's day (exists for the whole run).
    KaimeSettingModel& kaimeSetting() { return *m_kaimeSetting; }
    // NaviTarget: the race is a target of automatic operation (NaviSetBtn of that window, also run at
    // every selection of a day); false outside 0..35.
    bool naviTarget(RaceSlot slot) const;

    // How a grid cell is painted.
    CellStyle cellStyle(GridId grid, int column, int row) const;
    // The background of DatList's entry `index` (the selected entry is the one that shows CurrentRace).
    Rgb raceListColor(int index) const;

private:
    void lookUpCompanionFolders();
    void loadSettings();
    void showAutoNaviList();
    void reportWrite(const Status& status);
    void notify(StatePart part);
    void letEventsRun();
    void vote(bool automatic);
    // The day's TohyoDone from the day logs (see tohyoDone).
    void restoreTohyoDone();
    // TohyoStatusLabel from the vote queue's status.
    void showVoteStatus();
    class VoteHost;
    void makeVoteQueue();
    void inform(const std::string& text);  // beep and an information message, unless QuietFlag
    bool isToday(const std::string& dayText) const;
    void stopDayTimers();
    // ShowRace for a race slot, as a click on the entry that shows it (nothing when no entry does).
    void showRace(RaceSlot slot);
    // The steps of LoadRaceDay and ShowRace whose subsystems come later do nothing until they land.
    void readPayouts();
    // Step 8 of LoadRaceDay: the odds of every slot, each odds file read once.
    void readDayOdds();
    void rebuildUpcomingRaces();
    void computeSchedules();
    void resetDefaultStakes();
    void applyChangeInfo();
    void computeTargets();
    friend class MainStrategyHost;
    void makeKaimeSetting();
    // The marks and selections of the shown race again, after the strategy or the pre-marked table changed.
    void markShownRaceAgain();
    void showPayoutPanel();
    void loadRaceStakes();
    // SetSihyoBtn: the marks of the shown race. KaimeMakeBtn: the eight builders, then KaimeMixBtn.
    void SetSihyoBtnClick();
    void KaimeMakeBtnClick();
    // What a selection control's click runs after its value was stored (nothing for other options).
    void selectionOptionClicked(MainOption option);
    // The strategy behind the marks, from the settings and the rank file.
    void loadMarkStrategy();
    // After a bet type's builder filled its grid: stakes, synthetic odds and the hit judgement.
    void finishBetGrid(BetType bet);
    void KaimeMixBtnClick();
    // AllBakenBTn (`buy`) and NoBakenBtn: every bet type's box takes `buy`, then the selections are rebuilt.
    void setEveryBetType(bool buy);
    CardOdds cardOdds(RaceSlot slot) const;
    // OzGetTimeLabel: the announcement time of the race's O1 record, "hh:nn"; "  :  " without one.
    std::string oddsAnnouncementLabel(RaceSlot slot) const;
    // The real-time fetches: their ports, and the race a button fetch is for (a day loaded and a race
    // selected).
    FetchPorts fetchPorts();
    std::optional<RaceSlot> buttonFetchRace() const;
    // Runs `fetch` with a fetcher for the whole day of the current race (results, mining) and returns
    // true, unless no race is selected, a fetch is running or the day's key is unusable.
    bool runDayFetch(
        const std::function<void(RealTimeFetcher&, const std::string& dayKey, const std::string& raceLabel)>& fetch);
    // Stakes and payouts.
    bool readPayoutFile();  // true when the current race's payout has just arrived
    void rereadRaceRecords();
    const std::string& currentPayout() const;
    CellStyle kaimeGridStyle(GridId grid, int column, int row) const;

    AppFolders m_folders;
    std::string m_windowsFolder;
    MainPorts m_ports;
    std::unique_ptr<Settings> m_settings;
    MainState m_state;
    Notifier<StatePart> m_notices;
    ReadCancelFlag m_readCancelled;
    bool m_created = false;
    bool m_autoRunMode = false;
    ErrorLog m_errorLog;
    std::unique_ptr<DayLog> m_dayLog;
    RaceDay m_day;
    DayOdds m_odds;
    std::unique_ptr<OddsFileIndex> m_oddsFiles;
    RaceSlot m_oddsReadSlot = 0;
    std::array<bool, kRaceSlotCount> m_tohyoDone{};
    std::unique_ptr<VoteQueueHost> m_voteHost;
    std::unique_ptr<VoteQueue> m_voteQueue;
    std::optional<int> m_lastVote;
    std::array<bool, kRaceSlotCount> m_ozFetched{};
    std::vector<std::string> m_fetchQueueOdds;
    std::vector<std::string> m_fetchQueueResults;
    bool m_silentFetch = false;
    bool m_fetchRunning = false;
    MarkStrategy m_markStrategy;
    RaceSlot m_previousRace = -1;
    bool m_quietFlag = false;
    std::function<void()> m_eventPump;
    int m_pumpDepth = 0;
    DaySchedules m_schedules;
    ResultsTimer m_resultsTimer;
    StakeInputs m_stakeInputs;
    DayPayouts m_payouts;
    // Formed on demand: a day load summarises only the races that are looked at.
    mutable std::array<std::optional<PayoutSummary>, kRaceSlotCount> m_payoutSummaries;

    std::array<bool, kRaceSlotCount> m_naviTarget{};
    std::unique_ptr<MainStrategyHost> m_strategyHost;
    std::unique_ptr<KaimeSettingModel> m_kaimeSetting;

    friend struct MainModelTestAccess;  // tests fill the grids without the builders
};

}  // namespace marovix
