// marovix-cli fetch odds|results|mining|changes|day-odds|timeseries --app-folder DIR [--feed FEED] --day
// DAY [--race N]: loads the day, shows race-list entry N as the main window does, and presses "速報ｵｯｽﾞ",
// "結果情報", "ﾏｲﾆﾝｸﾞ" or "変更情報" (the real-time fetch through the JV-Link stand-in serving FEED at the program's
// clock, --at, with the readings that follow it), or chooses the menu item "1日分の全オッズを一括取得" (the
// odds fetch of every race of the list) or "時系列オッズより取得(&T)" (the import from the time-series
// viewer's folder, Dir/jikeiretu, which loads the day again). Prints FetchStatusText (DLlabel), the
// messages, the error-log lines the fetch added and the race card as JSON; exits 1 when the fetch ended
// with an error in FetchStatusText, when a race of the list was not fetched (day-odds), or when the import
// was refused.
#include <cstdio>
#include <functional>
#include <map>

#include <nlohmann/json.hpp>

#include "cli/RaceView.h"
#include "cli/StateJson.h"

namespace marovix {
namespace {

struct FetchArgs {
    std::string what;
    std::string feed;
    RaceViewArgs view;
};

// A fetch and whether it got what it went for (true unless said otherwise below).
using FetchRunner = std::function<bool(MainModel&)>;

template <void (MainModel::*click)()>
bool pressButton(MainModel& model) {
    (model.*click)();
    return model.state().labels[LabelId::DLlabel].text.empty();
}

bool fetchDayOdds(MainModel& model) {
    model.N110Click();
    for (int race = 0; race < static_cast<int>(model.state().datList.size()); ++race)
        if (!model.session().ozFetched(race)) return false;
    return true;
}

const std::map<std::string, FetchRunner>& fetchRunners() {
    static const std::map<std::string, FetchRunner> runners = {
        {"odds", pressButton<&MainModel::SokuhoOddsBtnClick>},
        {"results", pressButton<&MainModel::KekkaGetBtnClick>},
        {"mining", pressButton<&MainModel::GetDMBtnClick>},
        {"changes", pressButton<&MainModel::GetKaisaiBtnClick>},
        {"day-odds", fetchDayOdds},
        {"timeseries", [](MainModel& model) { return model.T1Click(); }},
    };
    return runners;
}

CliRunner defineFetch(CLI::App& sub) {
    auto args = std::make_shared<FetchArgs>();
    sub.add_option(
           "what", args->what,
           "odds (速報ｵｯｽﾞ), results (結果情報), mining (ﾏｲﾆﾝｸﾞ), changes (変更情報: weather and going, scratches and "
           "post-time changes, then applied), day-odds (1日分の全オッズを一括取得: the odds "
           "of every race of the list) or timeseries (時系列オッズより取得: from the folder Dir/jikeiretu)")
        ->required()
        ->check(CLI::IsMember({"odds", "results", "mining", "changes", "day-odds", "timeseries"}));
    addAppFolderOption(sub, args->view.appFolder);
    addFeedOption(sub, args->feed);
    addDayOption(sub, args->view.day, "the meeting day, e.g. 2025年03月01日 or 20250301")->required();
    sub.add_option("--race", args->view.race, "the race-list entry to fetch for, from 0")
        ->check(CLI::NonNegativeNumber)
        ->capture_default_str();
    return [args](CliContext& context) {
        CliSession session(context, appFolderOf(args->view.appFolder, context), args->feed,
                           ConsoleDialogs::Options{false, true});
        if (!session.ready()) return 1;
        MainModel& model = session.model();
        if (args->what != "timeseries") model.firstShow();  // JVInit, as the window's first show
        if (int status = openRaceView(session, args->view, "fetch"); status != 0) return status;
        const std::size_t messagesBefore = session.dialogs().messages().size();
        const std::size_t errorLogBefore = model.errorLog().lines().size();
        const bool got = fetchRunners().at(args->what)(model);

        const std::string status = model.state().labels[LabelId::DLlabel].text;
        nlohmann::ordered_json json;
        json["fetch"] = args->what;
        json["DLlabel"] = status;
        const auto& messages = session.dialogs().messages();
        json["messages"] =
            std::vector<std::string>(messages.begin() + static_cast<std::ptrdiff_t>(messagesBefore), messages.end());
        const auto& errorLog = model.errorLog().lines();
        json["errorLog"] = std::vector<std::string>(
            errorLog.begin() + static_cast<std::ptrdiff_t>(std::min(errorLogBefore, errorLog.size())), errorLog.end());
        if (args->what == "odds") json["OzFetched"] = model.session().ozFetched(model.state().currentRace);
        if (args->what == "day-odds") {
            auto fetched = nlohmann::ordered_json::array();
            for (int race = 0; race < static_cast<int>(model.state().datList.size()); ++race)
                fetched.push_back(model.session().ozFetched(race));
            json["OzFetched"] = std::move(fetched);  // by race-list entry
        }
        if (args->what == "changes") {
            json["BashoLabel"] = model.state().labels[LabelId::BashoLabel].text;
            json["Label3"] = model.state().labels[LabelId::Label3].text;
            json["NowTimeRaceList"] = model.state().nowTimeRaceList;
        }
        json["StringGrid26"] = gridJson(model.state().stringGrid26.text());
        session.close();
        std::printf("%s\n", json.dump(1).c_str());
        return got ? 0 : 1;
    };
}

const bool fetchCommandRegistered =
    registerCliCommand({"fetch",
                        "fetch a race's odds, the day's results, its mining, its change information or the odds of "
                        "every race in real time, as the window's "
                        "\"速報ｵｯｽﾞ\", \"結果情報\", \"ﾏｲﾆﾝｸﾞ\", \"変更情報\" and \"1日分の全オッズを一括取得\" do, or "
                        "import the time-series odds "
                        "(\"時系列オッズより取得\"), and print the fetch's status and messages as JSON",
                        defineFetch});

}  // namespace
}  // namespace marovix
