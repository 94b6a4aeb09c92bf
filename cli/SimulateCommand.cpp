// marovix-cli simulate --app-folder DIR --from YYYYMMDD --to YYYYMMDD [--page P]: the simulation of the tab
// "馬券シミュレーション" without a window. The stored days of the range are replayed with the strategy of the
// settings file (the page of PageControl4 chooses the figures unless --page names one), and the records
// replace "tmpData.dat". On a terminal a progress line counts the days and races; Ctrl-C stops after the
// current race and keeps the records made. Prints a JSON summary; exits 1 with a message when there is
// nothing to simulate.
#include <unistd.h>

#include <cstdio>

#include <nlohmann/json.hpp>

#include "cli/CliApp.h"
#include "cli/ConsoleInterrupt.h"
#include "core/common/TextFile.h"
#include "core/race/MeetingDays.h"
#include "core/settings/Settings.h"
#include "core/strategy/Simulation.h"
#include "core/strategy/SimulationRecord.h"

namespace marovix {
namespace {

struct SimulateArgs {
    std::string appFolder;
    int from = 0;
    int to = 0;
    std::optional<int> page;
};

Result<int> yyyymmdd(std::string_view text) {
    if (text.size() == 8 && text.find_first_not_of("0123456789") == std::string_view::npos) {
        const int value = std::stoi(std::string(text));
        const int month = value / 100 % 100, day = value % 100;
        if (month >= 1 && month <= 12 && day >= 1 && day <= 31) return value;
    }
    return Error{"needs a date YYYYMMDD, got '" + std::string(text) + "'", ErrorKind::Refused};
}

CliRunner defineSimulate(CLI::App& sub) {
    auto args = std::make_shared<SimulateArgs>();
    addAppFolderOption(sub, args->appFolder);
    addParsedOption(sub, "--from", args->from, "YYYYMMDD", yyyymmdd, "first day of the range")->required();
    addParsedOption(sub, "--to", args->to, "YYYYMMDD", yyyymmdd, "last day of the range")->required();
    sub.add_option("--page", args->page, "figures of page P of the selections (0 the combined list, 1-8 a bet type)")
        ->check(CLI::Range(0, 8))
        ->type_name("P");
    return [args](CliContext& context) {
        const AppFolders folders(appFolderOf(args->appFolder, context));
        if (!directoryExists(folders.dataFolder()))
            return commandFailed("データフォルダ(" + folders.dataFolder() +
                                 ")がありません。対象データがありませんでした。");
        Settings store(folders.appFolder(), context.sharedDataFolder(), context.clock());
        Result<SimulationSetup> setup = readSimulationSetup(folders, store.snapshot());
        if (!setup) return commandFailed(setup.error());
        if (args->page) setup->page = *args->page;
        const std::vector<std::string> days =
            simulationDays(listMeetingDays(folders.dataFolder()), args->from, args->to);
        if (days.empty())
            return commandFailed("指定の期間に開催日のデータがありません。対象データがありませんでした。");

        const ConsoleInterrupt interrupt;
        std::atomic<bool> cancel{false};
        const bool terminal = ::isatty(2) != 0;
        const SimulationResult result =
            runSimulation(*setup, days,
                          SimulationControl{[&](const SimulationProgress& done) {
                                                if (ConsoleInterrupt::requested()) cancel.store(true);
                                                if (terminal)
                                                    std::fprintf(stderr, "\r開催日 %d/%d  レース %d", done.daysDone,
                                                                 done.dayCount, done.racesDone);
                                            },
                                            &cancel, 0});
        if (terminal) std::fprintf(stderr, "\n");
        for (const std::string& note : result.notes) std::fprintf(stderr, "%s\n", note.c_str());
        if (result.lines.empty()) return commandFailed("対象データがありませんでした。");
        const std::string path = folders.path(kSimulationFileName);
        if (Status saved = replaceFile(path, simulationFileBytes(result.lines)); !saved)
            return commandFailed("検証データ(tmpData.dat)を保存できませんでした。" + saved.error());
        nlohmann::ordered_json json;
        json["file"] = path;
        json["days"] = result.daysDone;
        json["races"] = result.racesDone;
        json["records"] = result.lines.size();
        json["cancelled"] = result.cancelled;
        json["lastDay"] = result.lastDay;
        std::printf("%s\n", json.dump(1).c_str());
        return result.cancelled ? ConsoleInterrupt::kExitCode : 0;
    };
}

const bool simulateCommandRegistered =
    registerCliCommand({"simulate",
                        "replay the strategy over the stored days of a date range and write \"tmpData.dat\" (the tab "
                        "\"馬券シミュレーション\")",
                        defineSimulate});

}  // namespace
}  // namespace marovix
