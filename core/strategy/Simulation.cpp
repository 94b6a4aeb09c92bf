#include "core/strategy/Simulation.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "core/common/Cp932.h"
#include "core/kaime/SelectionControls.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/results/PayoutRecord.h"
#include "core/session/DayLoad.h"
#include "core/strategy/SimulationRecord.h"

namespace marovix {
namespace {

constexpr const char* kRankFileName = "selecteduma.dat";

std::optional<int> digitsAt(std::string_view bytes, std::size_t position, std::size_t length) {
    if (bytes.size() < position + length) return std::nullopt;
    int value = 0;
    for (char c : bytes.substr(position, length)) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool hasRunnerData(const DaySession& session, RaceSlot slot) {
    return fieldNumber(session.day().runners[static_cast<std::size_t>(slot)][0], SeField::horseNumber) > 0;
}

}  // namespace

Result<SimulationSetup> readSimulationSetup(const AppFolders& folders, const SettingsSnapshot& settings) {
    SimulationSetup setup;
    setup.dataFolder = folders.dataFolder();
    setup.tcsvFolder = folders.tcsvFolder();
    setup.load = DayLoadSettings::read(settings);
    setup.options = readMainOptions(settings);
    setup.ozSpan = readOzSpan(settings);
    if (Status read = readMarkStrategy(settings, folders.path(kRankFileName), setup.marks); !read)
        return read.failure();
    setup.page = setup.options.value(MainOption::TabIndex);
    return setup;
}

std::optional<int> dayTextDate(std::string_view dayText) {
    const std::string bytes = utf8ToCp932(dayText);
    const auto year = digitsAt(bytes, 0, 4), month = digitsAt(bytes, 6, 2), day = digitsAt(bytes, 10, 2);
    if (!year || !month || !day) return std::nullopt;
    return *year * 10000 + *month * 100 + *day;
}

std::vector<std::string> simulationDays(const std::vector<std::string>& dateList, int from, int to) {
    std::vector<std::string> days;
    for (auto entry = dateList.rbegin(); entry != dateList.rend(); ++entry) {
        const std::optional<int> date = dayTextDate(*entry);
        if (date && *date >= from && *date <= to) days.push_back(*entry);
    }
    return days;
}

int firstWinPayout(std::string_view payoutRecord) {
    const std::vector<PayoutEntry> win = payoutEntries(payoutRecord, BetType::Tan);
    return win.empty() ? 0 : win.front().payout;
}

DayReplay replayDay(const SimulationSetup& setup, const std::string& dayText, const std::atomic<bool>& cancel,
                    std::atomic<int>& racesDone) {
    DayReplay replay;
    DayLoad load = loadDay(DayFiles::of(setup.dataFolder, dayText), setup.tcsvFolder, setup.load);
    replay.notes = std::move(load.notes);
    for (std::string& error : load.errors) replay.notes.push_back(std::move(error));
    const DaySession& session = load.session;
    const RaceStrategy strategy = setup.strategy();
    // One view from race to race of the day, as the window keeps its grids; every race refills all of it
    // that the evaluation reads. No window shows it, so its race cards get only the horse numbers.
    RaceView view;
    view.showsCards = false;
    for (RaceSlot slot : session.usedSlots()) {
        if (cancel.load(std::memory_order_relaxed)) {
            replay.complete = false;
            break;
        }
        replay.lastSlot = slot;
        ++replay.racesDone;
        if (hasRunnerData(session, slot)) {
            // Showing the race builds its selections; the build that follows in the window gives the same
            // grids again (they depend only on the marks, odds, stakes and payout), so it is not repeated.
            showRaceCards(session, slot, false, view);
            evaluateRace(session, slot, strategy, view);
            const RaceFigures figures = pageFigures(view.labels, setup.page);
            if (firstWinPayout(session.payout(slot)) > 0 && figures.count > 0)
                replay.lines.push_back(simulationLine(session.race(slot), figures));
        }
        racesDone.fetch_add(1, std::memory_order_relaxed);
    }
    return replay;
}

SimulationResult runSimulation(const SimulationSetup& setup, const std::vector<std::string>& days,
                               const SimulationControl& control) {
    std::atomic<bool> ownCancel{false};
    std::atomic<bool>& cancel = control.cancel ? *control.cancel : ownCancel;
    unsigned threads = control.threads;
    if (threads == 0) threads = std::thread::hardware_concurrency() >= 2 ? 2 : 1;
    threads = std::max(1u, std::min<unsigned>(threads, static_cast<unsigned>(std::max<std::size_t>(days.size(), 1))));

    std::mutex mutex;
    std::condition_variable done;
    std::vector<std::optional<DayReplay>> replays(days.size());
    std::atomic<std::size_t> next{0};
    std::atomic<int> racesDone{0};
    auto work = [&] {
        for (std::size_t day = next++; day < days.size(); day = next++) {
            if (cancel.load()) break;
            DayReplay replay;
            try {
                replay = replayDay(setup, days[day], cancel, racesDone);
            } catch (const std::exception& e) {
                // Out of memory in the middle of a day: the day ends here, as a cancel would end it.
                replay.complete = false;
                replay.notes.push_back(days[day] + "の集計を続けられませんでした。(" + e.what() + ")");
                cancel.store(true);
            }
            const std::lock_guard lock(mutex);
            replays[day] = std::move(replay);
            done.notify_all();
        }
        const std::lock_guard lock(mutex);
        done.notify_all();
    };
    std::vector<std::jthread> workers;
    for (unsigned i = 0; i < threads; ++i) workers.emplace_back(work);

    SimulationResult result;
    bool stopped = false;
    auto take = [&](DayReplay& replay, const std::string& day) {
        for (std::string& line : replay.lines) result.lines.push_back(std::move(line));
        for (std::string& note : replay.notes) result.notes.push_back(std::move(note));
        if (replay.lastSlot >= 0) {
            result.lastDay = day;
            result.lastSlot = replay.lastSlot;
        }
        result.racesDone += replay.racesDone;
        if (replay.complete)
            ++result.daysDone;
        else
            stopped = true;
    };
    std::size_t taken = 0;
    auto report = [&] {
        if (control.progress)
            control.progress(
                SimulationProgress{static_cast<int>(taken), static_cast<int>(days.size()), racesDone.load()});
    };
    while (taken < days.size() && !stopped) {
        {
            std::unique_lock lock(mutex);
            done.wait_for(lock, std::chrono::milliseconds(50), [&] { return replays[taken].has_value(); });
        }
        // Only this thread reads a slot once it holds a value; the workers never touch it again.
        bool tookDay = false;
        while (taken < days.size() && !stopped) {
            std::optional<DayReplay> replay;
            {
                const std::lock_guard lock(mutex);
                if (!replays[taken]) break;
                replay = std::move(replays[taken]);
            }
            take(*replay, days[taken]);
            ++taken;
            tookDay = true;
        }
        if (cancel.load() && !tookDay) {
            // Every thread stops after its current race: wait for them, then keep the days in order up to
            // the first one cut short.
            workers.clear();
            while (taken < days.size() && !stopped && replays[taken]) {
                take(*replays[taken], days[taken]);
                ++taken;
            }
            stopped = true;
        }
        report();
    }
    workers.clear();
    result.cancelled = result.daysDone < static_cast<int>(days.size());
    return result;
}

}  // namespace marovix
