// The real-time fetch handlers of the main window: quick odds, results and payouts, mining, and the
// fetches over the lists of automatic operation.
#include "core/app/MainModel.h"
#include "core/jv/FetchQueue.h"
#include "core/ports/Clock.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/race/RecordKeys.h"

namespace marovix {
namespace {

// Marks a fetch as running for as long as it lives.
class RunningFetch {
public:
    explicit RunningFetch(bool& running) : m_running(running) { m_running = true; }
    ~RunningFetch() { m_running = false; }
    RunningFetch(const RunningFetch&) = delete;
    RunningFetch& operator=(const RunningFetch&) = delete;

private:
    bool& m_running;
};

std::string raceLabelOf(const RaceRecord& race) {
    return fetchRaceLabel(fieldText(race, RaField::courseCode), fieldNumber(race, RaField::raceNumber));
}

}  // namespace

FetchPorts MainModel::fetchPorts() {
    return FetchPorts{m_ports.jvLink,
                      m_ports.dialogs,
                      m_readCancelled,
                      m_folders.dataFolder(),
                      [this](const std::string& text) {
                          m_state.labels[LabelId::DLlabel].text = text;
                          notify(StatePart::Labels);
                      },
                      [this](const std::string& text) { appendErrorLog(text); },
                      [this] { letEventsRun(); }};
}

std::optional<RaceSlot> MainModel::buttonFetchRace() const {
    if (!m_state.shownDay || m_state.currentEntry() < 0) return std::nullopt;
    return m_state.currentRace;
}

bool MainModel::ozFetched(RaceSlot slot) const { return m_session.ozFetched(slot); }

void MainModel::setOzFetched(RaceSlot slot) {
    if (slot >= 0 && slot < kRaceSlotCount) m_session.slot(slot).OzFetched = true;
}

void MainModel::SokuhoOddsBtnClick() {
    const HandlerScope scope(*this);
    const std::optional<RaceSlot> slot = buttonFetchRace();
    if (!slot || m_fetchRunning) return;
    const RaceRecord& race = m_session.race(*slot);
    const std::string key(RaceKey16(race));
    if (!usableFetchKey(key)) return;
    RunningFetch running(m_fetchRunning);
    {
        RealTimeFetcher fetcher(fetchPorts());
        if (fetcher.run(FetchOperation::QuickOdds, key, raceLabelOf(race)).readComplete())
            m_session.slot(*slot).OzFetched = true;
    }
    m_oddsReadSlot = *slot;
    OzReadBtnClick();
    if (!m_state.options.on(MainOption::NotRefresh)) showRace(*slot);
    KaimeMakeBtnClick();
}

bool MainModel::runDayFetch(
    const std::function<void(RealTimeFetcher&, const std::string&, const std::string&)>& fetch) {
    const std::optional<RaceSlot> slot = buttonFetchRace();
    if (!slot || m_fetchRunning) return false;
    const std::string key(DayKey8(m_session.race(0)));
    if (!usableFetchKey(key)) return false;
    RunningFetch running(m_fetchRunning);
    RealTimeFetcher fetcher(fetchPorts());
    fetch(fetcher, key, raceLabelOf(m_session.race(*slot)));
    return true;
}

void MainModel::KekkaGetBtnClick() {
    const HandlerScope scope(*this);
    const bool ran = runDayFetch([](RealTimeFetcher& fetcher, const std::string& key, const std::string& label) {
        fetcher.run(FetchOperation::Results, key, label);
    });
    if (ran) HrReadBtnClick();
}

void MainModel::GetDMBtnClick() {
    const HandlerScope scope(*this);
    const bool ran = runDayFetch([this](RealTimeFetcher& fetcher, const std::string& key, const std::string& label) {
        fetcher.setSilent(m_silentFetch);
        fetcher.run(FetchOperation::TimeMining, key, label);
        fetcher.run(FetchOperation::MatchMining, key, label);
    });
    if (!ran) return;
    LoadNotes notes;
    m_session.readMining(notes);
    logNotes(notes);
}

void MainModel::OzGetLoopBtnClick() {
    const HandlerScope scope(*this);
    if (m_fetchRunning || m_fetchQueueOdds.empty()) return;
    RunningFetch running(m_fetchRunning);
    const std::vector<std::string> queue = m_fetchQueueOdds;  // as it stands when the run begins
    RealTimeFetcher fetcher(fetchPorts());
    for (const std::string& line : queue) {
        const FetchQueueEntry entry = fetchQueueEntry(line);
        const FetchRun run = fetcher.run(FetchOperation::OddsList, entry.key, entry.raceLabel);
        if (run.readComplete() && run.closeResult == 0)
            appendDayLog({"-----", "■オッズ取得 " + entry.raceLabel + "R " + m_ports.clock.now().slashText()});
        m_oddsReadSlot = entry.slot;
        OzReadBtnClick();
    }
    if (!m_autoRunMode && m_state.currentRace >= 0) showRace(m_state.currentRace);
}

void MainModel::HRGetLoopBtnClick() {
    const HandlerScope scope(*this);
    if (m_fetchRunning || m_fetchQueueResults.empty()) return;
    RunningFetch running(m_fetchRunning);
    const std::vector<std::string> queue = m_fetchQueueResults;
    {
        RealTimeFetcher fetcher(fetchPorts());
        for (const std::string& line : queue) {
            const FetchQueueEntry entry = fetchQueueEntry(line);
            fetcher.run(FetchOperation::PayoutList, entry.key, entry.raceLabel);
        }
    }
    HrReadBtn2Click();
}

}  // namespace marovix
