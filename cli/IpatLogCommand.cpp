// marovix-cli ipat-log [--app-folder DIR] --day DAY: the window "自動運転稼働状況ログ" through its model.
// Its tab "自動運転ログ" shows the run log of that day (log/yyyymmdd.log), its tab "IPATログ" the vote
// plug-in's log of that race day after "更新". Both lists are printed as JSON; exits 1 when a log that
// exists could not be read.
#include <cstdio>

#include <nlohmann/json.hpp>

#include "cli/CliApp.h"
#include "cli/ConsoleDialogs.h"
#include "core/common/Result.h"
#include "core/common/TextFile.h"
#include "core/settings/AppFolders.h"
#include "core/settings/Settings.h"
#include "core/vote/IpatLogModel.h"

namespace marovix {
namespace {

struct IpatLogArgs {
    std::string appFolder;
    std::string day;
};

// "yyyymmdd" of a DayText "yyyy年mm月dd日".
std::string dateKey(const std::string& dayText) {
    std::string digits;
    for (char c : dayText)
        if (c >= '0' && c <= '9') digits += c;
    return digits;
}

CliRunner defineIpatLog(CLI::App& sub) {
    auto args = std::make_shared<IpatLogArgs>();
    addAppFolderOption(sub, args->appFolder);
    addDayOption(sub, args->day, "the race day, e.g. 2025年03月01日 or 20250301")->required();
    return [args](CliContext& context) {
        const std::string appFolder = appFolderOf(args->appFolder, context);
        Settings settings(appFolder, context.sharedDataFolder(), context.clock());
        ConsoleDialogs dialogs(ConsoleDialogs::Options{true, true});
        IpatLogModel model({settings, dialogs});
        const std::string day = dateKey(args->day);
        const std::string dayLog = AppFolders(appFolder).dayLogPath(day);
        if (fileExists(dayLog)) {
            auto lines = readTextLines(dayLog);
            if (lines)
                model.showDayLog(*lines);
            else
                dialogs.error(lines.error());
        }
        model.setRaceDay(day);
        model.LogUpdateBtnClick();
        nlohmann::ordered_json json;
        json["autoNaviList"] = model.state().autoNaviList.items;
        json["ipatLog"] = model.state().ipatLogListBox.items;
        std::printf("%s\n", json.dump(1).c_str());
        return dialogs.messages().empty() ? 0 : 1;
    };
}

const bool ipatLogCommandRegistered = registerCliCommand(
    {"ipat-log",
     "show the run log and the vote plug-in's log of a race day as the window \"自動運転稼働状況ログ\" does",
     defineIpatLog});

}  // namespace
}  // namespace marovix
