// marovix-cli replay --app-folder DIR --feed FEED --day DAY --from HH:MM:SS --to HH:MM:SS [--speed K]
// [--auto]: a race day replayed on a fast clock. The main window's scheduler runs over the same core and
// host as in the window, with the console's ports, the JV-Link stand-in serving FEED by the replay's
// clock and the vote plug-in of the settings (the paper-trading stand-in, `plugin --install`). The clock
// starts at --from on the day and runs K times faster than real time until --to (K = 0: as fast as the
// work allows); every second is handled once and in order. Each vote handed to the plug-in is waited for
// before the clock goes on, so a vote never waits on a clock that has run past its race. As in the window,
// the change information is fetched and applied every five minutes on today's meeting, so a post-time
// change moves its race's fetch and vote seconds. --auto switches
// automatic operation ("自動運転") on at the start. Prints each day-log line as it is appended and ends
// with a JSON summary; exits 1 when the day cannot be loaded.
#include <chrono>
#include <cstdio>
#include <thread>

#include <nlohmann/json.hpp>

#include "cli/CliSession.h"
#include "cli/ReplaySummary.h"
#include "core/app/MainAutoHost.h"
#include "core/auto/Scheduler.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"
#include "core/vote/VoteQueue.h"
#include "standins/voteplugin/PaperAccount.h"

namespace marovix {
namespace {

// The longest a replay waits for one plug-in run to end.
constexpr auto kRunWait = std::chrono::seconds(60);
// The change information's timer (HenkoTimer) ticks every five minutes from the day's load.
constexpr int kHenkoTimerSeconds = 300;

struct ReplayArgs {
    std::string appFolder;
    std::string feed;
    std::string day;
    std::string from;
    std::string to;
    double speed = 1;
    bool automatic = false;
};

// The replay's clock: the second the loop is at.
class ReplayClock : public Clock {
public:
    DateTime now() const override { return m_now; }
    void set(const DateTime& now) { m_now = now; }

private:
    DateTime m_now;
};

// Waits until `ended()` holds, at most kRunWait, running `poll` every 2 ms meanwhile.
template <class Ended, class Poll>
void waitForPlugIn(Ended ended, Poll poll) {
    const auto start = std::chrono::steady_clock::now();
    while (!ended() && std::chrono::steady_clock::now() - start < kRunWait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        poll();
    }
}

// "hh:nn:ss" as seconds of the day.
Result<int> secondsOfDay(const std::string& text) {
    int h = 0, m = 0, s = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%2d:%2d:%2d%c", &h, &m, &s, &tail) != 3 || text.size() != 8 || h > 23 || m > 59 ||
        s > 59)
        return Error{"時刻は hh:nn:ss で指定してください: " + text};
    return h * 3600 + m * 60 + s;
}

// The date of a DayText "yyyy年mm月dd日".
std::optional<DateTime> dateOfDayText(const std::string& dayText) {
    std::string digits;
    for (char c : dayText)
        if (c >= '0' && c <= '9') digits += c;
    auto date = DateTime::parseCompact(digits);
    if (!date || date->dayText() != dayText) return std::nullopt;
    return date;
}

// The host of the window, counting the automatic votes that were refused before or in the queue.
class ReplayHost : public MainAutoHost {
public:
    explicit ReplayHost(MainModel& model) : MainAutoHost(model), m_model(model) {}
    void voteAutomatically() override {
        const std::optional<int> before = m_model.lastVote();
        MainAutoHost::voteAutomatically();
        if (m_model.lastVote() != before)
            queued.push_back(*m_model.lastVote());
        else
            ++refusedAtChecks;
    }
    std::vector<int> queued;
    int refusedAtChecks = 0;

private:
    MainModel& m_model;
};

nlohmann::ordered_json balanceOf(const std::string& pluginFolder) {
    if (pluginFolder.empty()) return nullptr;
    auto balance = PaperAccount(pluginFolder).balance();
    if (!balance) return balance.error();
    return *balance;
}

CliRunner defineReplay(CLI::App& sub) {
    auto args = std::make_shared<ReplayArgs>();
    addAppFolderOption(sub, args->appFolder);
    addFeedOption(sub, args->feed);
    addDayOption(sub, args->day, "the meeting day, e.g. 2025年03月01日 or 20250301")->required();
    auto time = [](const std::string& text) { return secondsOfDay(text); };
    addParsedOption(sub, "--from", args->from, "HH:MM:SS", time, "the clock at the start")->required();
    addParsedOption(sub, "--to", args->to, "HH:MM:SS", time, "the last second replayed")->required();
    sub.add_option("--speed", args->speed, "times faster than real time; 0: as fast as the work allows")
        ->check(CLI::NonNegativeNumber)
        ->capture_default_str();
    sub.add_flag("--auto", args->automatic, "switch automatic operation (自動運転) on at the start");
    return [args](CliContext& context) {
        const auto date = dateOfDayText(args->day);
        const int from = *secondsOfDay(args->from);
        const int to = *secondsOfDay(args->to);
        if (!date || to < from) {
            std::fprintf(stderr, "replay: %s\n",
                         !date ? ("開催日の指定が正しくありません: " + args->day).c_str()
                               : "--to は --from より後の時刻を指定してください");
            return 2;
        }
        ReplayClock clock;
        const DateTime start = date->addSeconds(from);
        clock.set(start);
        CliSession session(context, appFolderOf(args->appFolder, context), args->feed,
                           ConsoleDialogs::Options{false, true}, &clock);
        if (!session.ready()) return 1;
        MainModel& model = session.model();
        // Each day-log line as it is appended.
        std::size_t printed = model.state().autoNaviList.size();
        auto printNew = [&] {
            const auto& lines = model.state().autoNaviList;
            for (; printed < lines.size(); ++printed) std::printf("%s\n", lines[printed].c_str());
            std::fflush(stdout);
        };
        const std::size_t firstLine = printed;
        auto subscription = model.subscribe([&](StatePart part) {
            if (part == StatePart::LogLines) printNew();
        });
        model.firstShow();
        const std::string pluginFolder =
            Settings(model.appFolder(), context.sharedDataFolder(), clock).readStoredText(settings::DirVQMTohyo2);
        const nlohmann::ordered_json balanceBefore = balanceOf(pluginFolder);
        if (!session.dayListed(args->day, "replay")) return 1;
        model.DateComboChange(args->day);
        if (model.state().datList.empty()) {
            session.printMessages();
            return 1;
        }
        if (args->automatic) model.DispRaceAfterOZgetClick();

        ReplayHost host(model);
        Scheduler scheduler(host);
        const auto wallStart = std::chrono::steady_clock::now();
        for (int second = from; second <= to; ++second) {
            const DateTime now = date->addSeconds(second);
            if (args->speed > 0) {
                const auto due = wallStart + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                                 std::chrono::duration<double>((second - from) / args->speed));
                std::this_thread::sleep_until(due);
            }
            clock.set(now);
            if (second > from && (second - from) % kHenkoTimerSeconds == 0 && model.state().timers.HenkoTimer)
                model.HenkoTimerTimer();
            scheduler.tick(now);
            model.Timer3Timer();
            // A balance query the scheduler started: its plug-in run is waited for, then its follow-up runs
            // through (3 s of ZanDakaTimer in the window; the replay's clock does not wait for them).
            if (model.balanceQueryStep() > 0) {
                waitForPlugIn([&] { return model.balanceRunEnded(); }, [] {});
                while (model.balanceQueryStep() > 0) model.ZanDakaTimerTimer();
            }
            // The plug-in runs handed over are waited for before the clock goes on.
            model.VoteQueueTimerTimer();
            waitForPlugIn(
                [&] { return model.voteQueue().waitingCount() == 0 && model.voteQueue().runningCount() == 0; },
                [&] { model.VoteQueueTimerTimer(); });
        }
        const double wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        const auto& lines = model.state().autoNaviList;
        ReplaySummary summary = ReplaySummary::of(std::vector<std::string>(
            lines.begin() + static_cast<std::ptrdiff_t>(std::min(firstLine, lines.size())), lines.end()));
        summary.votesRefused = host.refusedAtChecks;
        for (int id : host.queued)
            if (model.voteQueue().outcome(id) != VoteOutcome::HandedOver) ++summary.votesRefused;
        session.close();
        printNew();
        nlohmann::ordered_json json;
        json["races"] = model.state().datListSlots.size();
        int targets = 0;
        for (RaceSlot slot : model.state().datListSlots) targets += model.naviTarget(slot) ? 1 : 0;
        json["targets"] = targets;
        json.update(summary.json());
        json["votesQueued"] = host.queued.size();
        json["balanceBefore"] = balanceBefore;
        json["balanceAfter"] = balanceOf(pluginFolder);
        json["secondsHandled"] = scheduler.counts().handled;
        json["wallSeconds"] = wallSeconds;
        json["messages"] = session.dialogs().messages();
        std::printf("%s\n", json.dump(1).c_str());
        return 0;
    };
}

const bool replayCommandRegistered = registerCliCommand(
    {"replay",
     "replay a race day on a fast clock: the window's scheduler fetches odds and, with --auto, votes each target "
     "race at its seconds through the vote plug-in; prints the day-log lines and a JSON summary",
     defineReplay});

}  // namespace
}  // namespace marovix
