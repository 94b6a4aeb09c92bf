// marovix-cli balance --app-folder DIR [--day DAY]: presses "IPAT残高" as the main window does: the vote
// plug-in of Dir/VQMTohyo2 is started hidden with " money", its balance file is read 2.0 and 2.5 seconds
// later (ZanDakaTimer, every 500 ms), and at 3.0 seconds the query ends with its day-log line. With --day the
// day is loaded first, so that automatic operation's day is the one named. Prints the balance label, the
// INET-ID's log lines and the messages as JSON; exits 1 when no balance file came.
#include <chrono>
#include <cstdio>
#include <thread>

#include <nlohmann/json.hpp>

#include "cli/CliSession.h"

namespace marovix {
namespace {

constexpr auto kTick = std::chrono::milliseconds(500);

struct BalanceArgs {
    std::string appFolder;
    std::string day;
};

CliRunner defineBalance(CLI::App& sub) {
    auto args = std::make_shared<BalanceArgs>();
    addAppFolderOption(sub, args->appFolder);
    addDayOption(sub, args->day, "a meeting day to load first, e.g. 2025年03月01日 or 20250301");
    return [args](CliContext& context) {
        CliSession session(context, appFolderOf(args->appFolder, context), "", ConsoleDialogs::Options{false, true});
        if (!session.ready()) return 1;
        MainModel& model = session.model();
        if (!args->day.empty()) {
            if (!session.dayListed(args->day, "balance")) return 1;
            model.DateComboChange(args->day);
        }
        const std::size_t logBefore = model.state().autoNaviList.size();
        const std::size_t errorsBefore = model.errorLog().lines().size();
        model.IPTZanDakaBtnClick();
        while (model.balanceQueryStep() > 0) {
            std::this_thread::sleep_for(kTick);
            model.ZanDakaTimerTimer();
        }
        const auto& log = model.state().autoNaviList;
        nlohmann::ordered_json json;
        json["IPATBalanceLabel"] = model.state().labels[LabelId::IPATBalanceLabel].text;
        json["balanceFileRead"] = model.balanceFileRead();
        json["dayLog"] = std::vector<std::string>(
            log.begin() + static_cast<std::ptrdiff_t>(std::min(logBefore, log.size())), log.end());
        json["messages"] = session.dialogs().messages();
        const auto& errors = model.errorLog().lines();
        json["errorLog"] = std::vector<std::string>(
            errors.begin() + static_cast<std::ptrdiff_t>(std::min(errorsBefore, errors.size())), errors.end());
        const bool read = model.balanceFileRead();
        session.close();
        std::printf("%s\n", json.dump(1).c_str());
        return read ? 0 : 1;
    };
}

const bool balanceCommandRegistered = registerCliCommand(
    {"balance",
     "ask the vote plug-in for the IPAT balance as the window's \"IPAT残高\" does and print it as JSON (exit 1 "
     "when no balance file came)",
     defineBalance});

}  // namespace
}  // namespace marovix
