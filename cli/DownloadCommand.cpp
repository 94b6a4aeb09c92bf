// marovix-cli download: the stored-data download of the window "ＪＶデータ取込" without a window. The
// window's messages go to standard output and its failures to standard error (questions are answered
// Yes), its progress shows as a text bar, and a summary line ends the run. While JV-Link keeps answering
// "call again" the command says that it waits and sleeps between calls; Ctrl-C cancels like the cancel
// button. Exits 1 when the attempt failed (a JV-Link error, a day file that cannot be written, data that
// ended early, a LastTime that cannot be saved), 130 after Ctrl-C.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "cli/CliApp.h"
#include "cli/ConsoleDialogs.h"
#include "cli/ConsoleInterrupt.h"
#include "cli/FeedOptions.h"
#include "cli/WaitNotice.h"
#include "core/app/MainModel.h"
#include "core/common/TextFile.h"
#include "core/jv/JvMessage.h"
#include "core/jv/StoredDataDownload.h"
#include "core/settings/Settings.h"

namespace marovix {
namespace {

constexpr int kBarWidth = 30;

// The progress line: the bar of the phase in hand (files fetched, then files read) and the progress text. On a terminal
// it is redrawn in place; otherwise each new ProgressLabel is a line of its own.
class ProgressPrinter {
public:
    explicit ProgressPrinter(const StoredDataDownload& download) : m_download(download), m_tty(::isatty(1) != 0) {}

    void update() {
        const DownloadProgress& progress = m_download.progress();
        const ProgressShare& bar =
            m_download.phase() == StoredDataDownload::Phase::Downloading ? progress.fetched : progress.read;
        if (progress.text == m_label && bar.done == m_position) return;
        m_label = progress.text;
        m_position = bar.done;
        if (m_label.empty()) return;
        const int filled = bar.total > 0 ? std::clamp(bar.done * kBarWidth / bar.total, 0, kBarWidth) : 0;
        const std::string line = "[" + std::string(filled, '#') + std::string(kBarWidth - filled, '.') + "] " + m_label;
        if (m_tty) {
            std::printf("\r%s\x1b[K", line.c_str());
            m_open = true;
        } else if (line != m_lastLine) {
            std::printf("%s\n", line.c_str());
        }
        m_lastLine = line;
        std::fflush(stdout);
    }
    // A note after the progress: on a terminal at the end of the line drawn in place, else a line of its own.
    void note(const std::string& text) {
        if (m_tty) {
            std::printf("\r%s  %s\x1b[K", m_lastLine.c_str(), text.c_str());
            m_open = true;
        } else {
            std::printf("%s\n", text.c_str());
        }
        std::fflush(stdout);
    }
    bool terminal() const { return m_tty; }
    // Ends a progress line drawn in place, so that a message starts on a line of its own.
    void breakLine() {
        if (m_open) std::printf("\n");
        m_open = false;
    }

private:
    const StoredDataDownload& m_download;
    bool m_tty;
    bool m_open = false;
    std::string m_label;
    int m_position = -1;
    std::string m_lastLine;
};

const char* outcomeText(StoredDataDownload::Outcome outcome) {
    switch (outcome) {
        case StoredDataDownload::Outcome::None: return "not started";
        case StoredDataDownload::Outcome::Completed: return "completed";
        case StoredDataDownload::Outcome::NothingNew: return "nothing new";
        case StoredDataDownload::Outcome::Cancelled: return "cancelled";
        case StoredDataDownload::Outcome::Failed: return "failed";
    }
    return "";
}

struct DownloadArgs {
    std::string appFolder, feed;
    std::optional<DateTime> from;
    bool setup = false;
    bool noFinalOdds = false;
};

CliRunner defineDownload(CLI::App& sub) {
    auto args = std::make_shared<DownloadArgs>();
    addAppFolderOption(sub, args->appFolder);
    addFeedOption(sub, args->feed);
    sub.add_flag("--setup", args->setup, "setup data (\"セットアップデータ\") instead of normal data");
    addMomentOption(sub, "--from", args->from, "from-moment (default: LastTime, or a year back)");
    sub.add_flag("--no-final-odds", args->noFinalOdds, "leave out the final odds (\"確定オッズ\")");
    return [args](CliContext& context) {
        const std::string appFolder = appFolderOf(args->appFolder, context);
        const std::string dataFolder = joinPath(appFolder, "Data");
        if (Status made = makeDirectories(dataFolder); !made) {
            std::fprintf(stderr, "%s\n", made.error().c_str());
            return 1;
        }

        const Clock& clock = context.clock();
        ConsoleDialogs dialogs;
        const StoredDataDownload* running = nullptr;
        dialogs.setIsFailure([&running](const std::string& text) {
            return running && !running->failure().empty() && text == running->failure();
        });
        // The damaged records the download skips are named in the error log, as the window's download does,
        // and so are the JV-Link calls that raised.
        ErrorLog errorLog(AppFolders(appFolder).errorLogPath());
        auto appendErrorLog = [&](const std::string& text) {
            if (Status saved = errorLog.append(text, clock.now()); !saved) dialogs.print(stderr, saved.error());
        };
        // What the stand-in finds wrong with its feed, as it meets it.
        auto jvLink = makeJvLink(
            args->feed, clock,
            [&dialogs](const std::string& problem) { dialogs.print(stderr, "JV-Link stand-in: " + problem); },
            [&](const std::string& fault) {
                dialogs.print(stderr, "JV-Link: " + fault);
                appendErrorLog(fault);
            });
        if (int result = jvLink->JVInit(MainModel::softwareId()); result != 0) {
            std::fprintf(stderr, "%s\n", ("JVInitエラー：" + JVMessage("JVInit", result)).c_str());
            return 1;
        }
        Settings settings(appFolder, context.sharedDataFolder(), clock);
        if (std::string problem = settings.fileProblem(); !problem.empty()) dialogs.print(stderr, problem);
        ReadCancelFlag readCancelled;
        StoredDataDownload download(
            DownloadPorts{*jvLink, dialogs, clock, settings, dataFolder, readCancelled, {}, appendErrorLog});
        running = &download;
        if (args->setup) download.setSetupData(true);
        if (args->from) download.setFrom(*args->from);
        if (args->noFinalOdds) download.setFinalOdds(false);

        ProgressPrinter printer(download);
        dialogs.setBeforePrint([&printer] { printer.breakLine(); });
        WaitNotice notice(std::chrono::seconds(printer.terminal() ? 1 : 10));
        download.changed = [&] {
            printer.update();
            notice.progressed();
        };
        // Ctrl-C is the cancel button, pressed at the next step of the read loop or the status timer.
        ConsoleInterrupt interrupt;
        bool cancelPressed = false;
        auto cancelOnInterrupt = [&] {
            if (!ConsoleInterrupt::requested() || cancelPressed) return;
            cancelPressed = true;
            download.ButtonCancelClick();
        };
        auto waitAMoment = [&](const std::string& call, int ms) {
            if (auto text = notice.waiting(call)) printer.note(*text);
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
            cancelOnInterrupt();
        };
        download.processEvents = cancelOnInterrupt;
        download.waitForData = [&](int result) {
            waitAMoment("JVRead " + std::to_string(result), StoredDataDownload::kCallAgainWaitMs);
        };
        // The window's status timer: one JVStatus every 10 ms. A tick that brings no progress leaves the
        // state as it was, so ticks in a row without a change are a wait for the download.
        const auto outcome =
            download.runUnattended([&] { waitAMoment("JVStatus", StoredDataDownload::kStatusIntervalMs); });
        printer.breakLine();

        const DownloadCounts& counts = download.counts();
        const bool failed = outcome == StoredDataDownload::Outcome::Failed;
        std::fprintf(failed ? stderr : stdout,
                     "download %s: %d files, %lld records read, %lld stored, %lld not taken, %lld corrupt; %llu bytes "
                     "written\n",
                     outcomeText(outcome), counts.filesRead, static_cast<long long>(counts.recordsRead),
                     static_cast<long long>(counts.recordsStored), static_cast<long long>(counts.recordsNotTaken),
                     static_cast<long long>(counts.recordsCorrupt),
                     static_cast<unsigned long long>(download.bytesWritten()));
        for (const auto& problem : download.problems()) std::fprintf(stderr, "skipped: %s\n", problem.c_str());
        if (failed) return 1;
        return outcome == StoredDataDownload::Outcome::Cancelled ? ConsoleInterrupt::kExitCode : 0;
    };
}

const bool downloadCommandRegistered = registerCliCommand(
    {"download",
     "stored-data download into DIR/Data through the JV-Link stand-in (from LastTime of DIR/Marovix.ini, or a "
     "year back with setup data on the first download)",
     defineDownload});

}  // namespace
}  // namespace marovix
