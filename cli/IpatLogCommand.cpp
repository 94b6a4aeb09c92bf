// marovix-cli ipat-log [--app-folder DIR] --day yyyymmdd: the window "自動運転稼働状況ログ" through its model.
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

Result<std::string> dateKey(std::string_view text) {
    const bool digits = text.size() == 8 && text.find_first_not_of("0123456789") == std::string_view::npos;
    if (!digits) return Error{"a day is written yyyymmdd, got '" + std::string(text) + "'"};
    return std::string(text);
}

CliRunner defineIpatLog(CLI::App& sub) {
    auto args = std::make_shared<IpatLogArgs>();
    addAppFolderOption(sub, args->appFolder);
    addParsedOption(sub, "--day", args->day, "yyyymmdd", dateKey, "the race day")->required();
    return [args](CliContext& context) {
        const std::string appFolder = appFolderOf(args->appFolder, context);
        Settings settings(appFolder, context.sharedDataFolder(), context.clock());
        ConsoleDialogs dialogs(ConsoleDialogs::Options{true, true});
        IpatLogModel model({settings, dialogs});
        const std::string dayLog = AppFolders(appFolder).dayLogPath(args->day);
        if (fileExists(dayLog)) {
            auto lines = readTextLines(dayLog);
            if (lines)
                model.showDayLog(*lines);
            else
                dialogs.error(lines.error());
        }
        model.setRaceDay(args->day);
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
