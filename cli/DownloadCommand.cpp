// marovix-cli download: the stored-data download of the window "ＪＶデータ取込" without a window. The
// window's messages go to standard output (questions are answered Yes), its progress shows as a text bar,
// and a summary line ends the run. Exits 1 when JV-Link reports an error or a day file cannot be written.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include "cli/CliApp.h"
#include "cli/ConsoleDialogs.h"
#include "cli/FeedOptions.h"
#include "core/app/MainModel.h"
#include "core/common/TextFile.h"
#include "core/jv/JvMessage.h"
#include "core/jv/StoredDataDownload.h"
#include "core/settings/Settings.h"

namespace marovix {
namespace {

constexpr int kBarWidth = 30;

// The progress line: the bar of the phase in hand and ProgressLabel. On a terminal it is redrawn in
// place; otherwise each new ProgressLabel is a line of its own.
class ProgressPrinter {
public:
    explicit ProgressPrinter(const StoredDataDownload& download) : m_download(download), m_tty(::isatty(1) != 0) {}

    void update() {
        const GetDataFormState& state = m_download.state();
        const ProgressBarState& bar =
            m_download.phase() == StoredDataDownload::Phase::Downloading ? state.ProgressBar1 : state.ProgressBar2;
        if (state.ProgressLabel == m_label && bar.position == m_position) return;
        m_label = state.ProgressLabel;
        m_position = bar.position;
        if (m_label.empty()) return;
        const int filled = bar.maximum > 0 ? std::clamp(bar.position * kBarWidth / bar.maximum, 0, kBarWidth) : 0;
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
        std::error_code ec;
        std::filesystem::create_directories(dataFolder, ec);
        if (ec) {
            std::fprintf(stderr, "%s: %s\n", dataFolder.c_str(), ec.message().c_str());
            return 1;
        }

        const Clock& clock = context.clock();
        auto jvLink = makeFeedJvLink(args->feed, clock);
        if (int result = jvLink->JVInit(MainModel::softwareId()); result != 0) {
            std::fprintf(stderr, "%s\n", ("JVInitエラー：" + JVMessage("JVInit", result)).c_str());
            return 1;
        }
        Settings settings(appFolder, context.sharedDataFolder(), clock);
        ConsoleDialogs dialogs;
        ReadCancelFlag readCancelled;
        StoredDataDownload download(DownloadPorts{*jvLink, dialogs, clock, settings, dataFolder, readCancelled, {}});
        if (args->setup) download.setSetupData(true);
        if (args->from) download.setDateTimePicker1(*args->from);
        if (args->noFinalOdds) download.setCheckBox1(false);

        ProgressPrinter printer(download);
        dialogs.setBeforePrint([&printer] { printer.breakLine(); });
        download.changed = [&printer] { printer.update(); };
        // The window's status timer: one JVStatus every 10 ms.
        const auto outcome = download.runUnattended(
            [] { std::this_thread::sleep_for(std::chrono::milliseconds(StoredDataDownload::kStatusIntervalMs)); });
        printer.breakLine();

        const DownloadCounts& counts = download.counts();
        std::printf(
            "download %s: %d files, %lld records read, %lld stored, %lld not taken, %lld corrupt; %llu bytes "
            "written\n",
            outcomeText(outcome), counts.filesRead, static_cast<long long>(counts.recordsRead),
            static_cast<long long>(counts.recordsStored), static_cast<long long>(counts.recordsNotTaken),
            static_cast<long long>(counts.recordsCorrupt), static_cast<unsigned long long>(download.bytesWritten()));
        for (const auto& problem : download.problems()) std::fprintf(stderr, "skipped: %s\n", problem.c_str());
        return outcome == StoredDataDownload::Outcome::Failed ? 1 : 0;
    };
}

const bool registered = registerCliCommand(
    {"download",
     "stored-data download into DIR/Data through the JV-Link stand-in (from LastTime of DIR/Marovix.ini, or a "
     "year back with setup data on the first download)",
     defineDownload});

}  // namespace
}  // namespace marovix
