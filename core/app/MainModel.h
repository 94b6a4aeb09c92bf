#pragma once
// The main window's handlers over its state. The window in ui/ (and the command line) shows the state,
// forwards its events to the handlers named after the window's controls, and repaints the part of the
// state each notice names. Everything is testable without a window.
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/app/MainState.h"
#include "core/app/ModalDialogs.h"
#include "core/auto/AutoRunState.h"
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
#include "core/race/GridRowSort.h"
#include "core/race/RaceSchedule.h"
#include "core/session/DaySession.h"
#include "core/session/RaceEvaluation.h"
#include "core/settings/AppFolders.h"
#include "core/strategy/KaimeSettingModel.h"
#include "core/strategy/Simulation.h"
#include "core/vote/BalanceWatch.h"

namespace marovix {

class Clock;
class Dialogs;
class DocumentOpener;
class OzGetTimeModel;
class JvLink;
class KenshoModel;
class Random;
class PluginRun;
class Registry;
class Settings;
class SettingsSnapshot;
struct SettingKey;
class Sound;
class MainStrategyHost;
class StoredDataDownload;
class VotePluginLauncher;
struct DayLoadSettings;
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
    // Parts of the model hold its address (the dialogs, the vote queue's host).
    MainModel(const MainModel&) = delete;
    MainModel& operator=(const MainModel&) = delete;

    // The state as the window shows it.
    const MainState& state() const { return m_state; }
    // Tells `listener` which parts of the state changed when a handler ends: each part once, in the order
    // they first changed, after the outermost handler (a handler that runs others sends their parts with
    // its own). Parts changed before a long operation lets pending events run are sent before they run.
    // REQUIRES: the model outlives the subscription.
    [[nodiscard]] Subscription subscribe(std::function<void(StatePart)> listener);
    // A handler is running (it may be letting pending events run): a timer's tick must wait, as it must
    // not run inside a half-done handler. The timer handlers of the model ignore a tick that comes then.
    bool busy() const { return m_handlerDepth > 0; }

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

    // The loaded meeting day with what its races carry: records, odds, payouts and their summaries, stake
    // inputs, and per race TohyoDone, OzFetched, NaviTarget and the schedule (all blank before the first
    // load). OzFetched is cleared when a day is loaded, as its slots hold other races. TohyoDone: the race's
    // vote was handed over (or simulation kept an automatic vote from the plug-in); loading a day restores
    // it from the vote blocks of the day logs that can hold votes of its races: those of the race day and
    // the two days before it (a vote is made on the race day or the day before, and a program writes to the
    // log of the day it started), and the program's own.
    const DaySession& session() const { return m_session; }
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
    // OzFetched of a race of the loaded day. The flag is kept by race key for the whole run: loading a day
    // (a new session) sets it again for each of its races fetched before, so selecting another day
    // neither clears nor mixes the flags.
    bool ozFetched(RaceSlot slot) const { return m_session.ozFetched(slot); }
    // Timer1 sets OzFetched of each race it is about to fetch (as the quick odds fetch does).
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
    // A vote that passed its checks waits in the vote queue until the run handed the day's vote file
    // before it has ended and no other program holds the vote lock; the queue is pumped at once and by
    // this tick (the window's one-second timer, the command line's polling, the scheduler). A tick that
    // comes while a handler is busy does nothing: the next one pumps.
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
    // SimBtn "ｼﾐｭﾚｰｼｮﾝ開始" of the tab "馬券シミュレーション" over the dates `from` to `to` (yyyymmdd): refused
    // while the shown day is today; after the user's Yes, the stored days of the range are replayed under
    // QuietFlag with the window's strategy (see runSimulation; `progress` is told on this thread), the
    // records saved whole as "tmpData.dat", `kensho` prepared and verified, and the window left on the
    // last race processed. No record (also after a cancel that came before the first): "対象データが
    // ありませんでした。" and the old work file stays.
    enum class SimulationOutcome { Refused, Declined, NoData, NotSaved, Verified };
    SimulationOutcome SimBtnClick(int from, int to, KenshoModel& kensho,
                                  const std::function<void(const SimulationProgress&)>& progress = {});
    // Stops a running simulation after its current race; the records made so far are kept.
    void cancelSimulation() { m_simulationCancel.store(true); }
    bool simulationRunning() const { return m_simulationRunning; }
    // Lets pending window events run inside long operations (the window wires processEvents).
    void setEventPump(std::function<void()> pump) { m_eventPump = std::move(pump); }
    // The results timer (Timer4), set when a day is selected from the timing settings as they are then
    // (every second before the first selection). The races' schedules are in the session's slots.
    const ResultsTimer& resultsTimer() const { return m_resultsTimer; }

    // Change information (weather and going, scratches, post-time changes).
    // GetKaisaiBtn "変更情報": the day's change stream ("0B14" with DayKey8) into the change files, then
    // KaisaiReadBtn. Does nothing without a day and a selected race, or while a fetch runs.
    void GetKaisaiBtnClick();
    // KaisaiReadBtn "開催読込": the change files of the loaded day applied to it (ApplyChangeInfo); moved post
    // times recompute their races' schedules and rebuild the upcoming-race list; the shown race's card is
    // painted again.
    void KaisaiReadBtnClick();
    // HenkoTimer (every 5 minutes, on today's meeting): the change fetch between 08:30 and 17:00.
    void HenkoTimerTimer();

    // Race navigation and race-card sorting.
    // NextRaceBtn "直前ﾚｰｽ": shows the next race of today (the earliest posting later than now).
    void NextRaceBtnClick();
    // NextRBtn "直近R": NowTimeRaceList rebuilt from the loaded day, its current entry selected.
    void NextRBtnClick();
    // CurRaceTimer (every 30 s): NowTimeRaceList selects the race about to run.
    void CurRaceTimerTimer();
    // A click on the heading of column `column` of StringGrid26 or StringGrid1: a sorting heading flips
    // its direction and sorts its grid (GridRowSort.h); other headings do nothing.
    void raceCardHeadingClick(GridId grid, int column);

    // The IPAT balance and the log window.
    // IPTZanDakaBtn "IPAT残高": a balance query through the vote plug-in (" money"); ZanDakaTimer follows it.
    void IPTZanDakaBtnClick();
    // ZanDakaTimer (500 ms while a query runs): reads the balance file at 2.0 and 2.5 s; at 3.0 s the label
    // turns pale yellow, the day log gets the balance and, in automatic operation outside simulation mode,
    // the stop rule is tested: when it fires, automatic operation ends with QuietFlag raised.
    void ZanDakaTimerTimer();
    // The balance query that runs: its step counter (0 when idle). The automatic one (ZanDakaNaviTimer, at
    // the PreFetchTime of a target race not yet voted) is the scheduler's.
    int balanceQueryStep() const { return m_balanceQuery.step(); }
    // The plug-in run of the balance query has ended (or none was started).
    bool balanceRunEnded();
    // The last balance query read a balance file (the label shows its text).
    bool balanceFileRead() const { return m_balanceFileRead; }
    // N35 "自動運転ログ": the IPAT log is refreshed before the log window shows.
    void N35Click();
    // LogUpdateBtn "更新": the plug-in's log of the selected race day into IPATLogListBox; nothing without a
    // race day, and the list stays when the day has no log file.
    void LogUpdateBtnClick();
    // The log window's placement (section IpatLoglocate): applied when it is activated, stored when it
    // loses activation (a write that fails is shown).
    WindowPlacement ipatLogPlacement() const;
    void storeIpatLogPlacement(const WindowPlacement& placement);
    // Automatic operation (MainAutoOperation.cpp).
    // DispRaceAfterOZget "自動運転": toggles automatic operation. On: AutoNaviLabel green, the message, the
    // targets computed again, the switch's lines in the day log. Off: AutoNaviLabel grey, the lines, and
    // the message unless QuietFlag is raised (the balance watch switching it off).
    void DispRaceAfterOZgetClick();
    // Idle, Watching or Running at the clock's time.
    AutoRunState autoRunState() const;
    // Timer1 after its fetch: in automatic operation operateLabel red and FormDisableTimer started (I·1000 +
    // 15000 ms, I read now); with PlaySoundOpt the odds sound.
    void scheduledOddsFetchDone();
    // FormDisableTimer: operateLabel grey, the timer stopped.
    void FormDisableTimerTimer();
    // Timer2: NowTimLabel shows the clock "hh:nn:ss". Timer3: RestTimeLabel the time left to the current
    // race's post ("発走までの残り時間：hh:mm:ss", then "発走済み"), empty without a race.
    void Timer2Timer();
    void Timer3Timer();
    // Plays the sound file `key` names, asynchronously; a file that is not there is an error-log line.
    void playAlarm(const SettingKey& key);
    // N8 "データ自動取得時刻設定(&T)": the timing window's model, on this model's settings and ports (a new
    // one for each opening). Its timing takes effect at the next selection of a day.
    std::unique_ptr<OzGetTimeModel> N8Click();

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
    // every selection of a day and when automatic operation is switched on); false outside 0..35.
    bool naviTarget(RaceSlot slot) const;

    // How a grid cell is painted.
    CellStyle cellStyle(GridId grid, int column, int row) const;
    // The background of DatList's entry `index` (the selected entry is the one that shows CurrentRace).
    Rgb raceListColor(int index) const;

private:
    // Marks a handler as running for as long as it lives; the outermost one sends the parts that changed
    // when it ends.
    class HandlerScope {
    public:
        explicit HandlerScope(MainModel& model) : m_model(model) { ++m_model.m_handlerDepth; }
        ~HandlerScope() {
            if (--m_model.m_handlerDepth == 0) m_model.sendNotices();
        }
        HandlerScope(const HandlerScope&) = delete;
        HandlerScope& operator=(const HandlerScope&) = delete;

    private:
        MainModel& m_model;
    };
    void lookUpCompanionFolders();
    void loadSettings(const SettingsSnapshot& settings);
    void showAutoNaviList();
    void reportWrite(const Status& status);
    // Notes that a part changed; it is sent when the outermost handler ends (at once outside handlers).
    void notify(StatePart part);
    // Sends the parts noted so far, each once.
    void sendNotices();
    void letEventsRun();
    void vote(bool automatic);
    // The day's TohyoDone from the day logs (see session()).
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
    void rebuildUpcomingRaces();
    void computeSchedules(const DayLoadSettings& settings);
    // The races' schedules again from their post times (a post time changed), with the timing read when
    // the day was selected: a timing changed since moves nothing until a day is selected again.
    void placeSchedules();
    void applyChangeInfo();
    // Ends automatic operation from the balance watch (QuietFlag raised, so no message shows).
    void endAutoRunQuietly();
    // NaviSetBtn of the window "買い目設定": the targets from its tab "対象レース指定".
    void computeTargets();
    // The header labels of the shown race (BashoLabel ... OzGetTimeLabel, TaishoRLabel).
    void showRaceHeader(RaceSlot slot);
    friend class MainStrategyHost;
    void makeKaimeSetting();
    // The marks and selections of the shown race again, after the strategy or the pre-marked table changed.
    void markShownRaceAgain();
    void showPayoutPanel();
    void loadRaceStakes();
    // The strategy of the shown race's marks and selections: the window's controls and the marks' strategy.
    RaceStrategy strategy() const { return RaceStrategy{m_state.options, m_state.ozSpan, m_markStrategy}; }
    // SetSihyoBtn: the marks of the shown race. KaimeMakeBtn: the eight builders, then KaimeMixBtn.
    void SetSihyoBtnClick();
    void KaimeMakeBtnClick();
    // What a selection control's click runs after its value was stored (nothing for other options).
    void selectionOptionClicked(MainOption option);
    // The strategy behind the marks, from the settings and the rank file.
    void loadMarkStrategy(const SettingsSnapshot& settings);
    // The load's problems: each into the error log.
    void logNotes(const LoadNotes& notes);
    // AllBakenBTn (`buy`) and NoBakenBtn: every bet type's box takes `buy`, then the selections are rebuilt.
    void setEveryBetType(bool buy);
    // The real-time fetches: their ports, and the race a button fetch is for (a day loaded and a race
    // selected).
    FetchPorts fetchPorts();
    std::optional<RaceSlot> buttonFetchRace() const;
    // Runs `fetch` with a fetcher for the whole day of the current race (results, mining) and returns
    // true, unless no race is selected, a fetch is running or the day's key is unusable.
    bool runDayFetch(
        const std::function<void(RealTimeFetcher&, const std::string& dayKey, const std::string& raceLabel)>& fetch);
    // HrReadBtn and HrReadBtn2: the readings; true when the current race's payout has just arrived.
    bool readRecordsAndPayouts();
    CellStyle kaimeGridStyle(GridId grid, int column, int row) const;

    AppFolders m_folders;
    std::string m_windowsFolder;
    // The ports, the dialogs among them sending the notices collected before a dialog shows.
    ModalDialogs m_modalDialogs;
    MainPorts m_ports;
    std::unique_ptr<Settings> m_settings;
    MainState m_state;
    Notifier<StatePart> m_notices;
    ReadCancelFlag m_readCancelled;
    bool m_created = false;
    bool m_autoRunMode = false;
    ErrorLog m_errorLog;
    std::unique_ptr<DayLog> m_dayLog;
    DaySession m_session;
    RaceSlot m_oddsReadSlot = 0;
    std::unique_ptr<VoteQueueHost> m_voteHost;
    std::unique_ptr<VoteQueue> m_voteQueue;
    std::optional<int> m_lastVote;
    std::set<std::string> m_ozFetchedRaces;  // RaceKey16 of every race OzFetched this run
    std::vector<std::string> m_fetchQueueOdds;
    std::vector<std::string> m_fetchQueueResults;
    bool m_silentFetch = false;
    bool m_fetchRunning = false;
    MarkStrategy m_markStrategy;
    RaceCardSort m_raceCardSort;
    BalanceQuery m_balanceQuery;
    std::string m_balanceInetId;
    bool m_balanceFileRead = false;
    std::unique_ptr<PluginRun> m_balanceRun;
    RaceSlot m_previousRace = -1;
    bool m_quietFlag = false;
    std::function<void()> m_eventPump;
    std::atomic<bool> m_simulationCancel{false};
    bool m_simulationRunning = false;
    // Handlers running (nested), and the parts they changed, in the order they first changed.
    int m_handlerDepth = 0;
    std::vector<StatePart> m_changedParts;
    ResultsTimer m_resultsTimer;
    ScheduleTiming m_scheduleTiming;

    std::unique_ptr<MainStrategyHost> m_strategyHost;
    std::unique_ptr<KaimeSettingModel> m_kaimeSetting;

    friend struct MainModelTestAccess;  // tests fill the grids without the builders
};

}  // namespace marovix
