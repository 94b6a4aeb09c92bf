// marovix-cli fetch odds|results|mining --app-folder DIR --feed FEED --day DAYTEXT [--race N]: loads the
// day, shows race-list entry N as the main window does, and presses "速報ｵｯｽﾞ", "結果情報" or "ﾏｲﾆﾝｸﾞ": the
// real-time fetch through the JV-Link stand-in serving FEED at the program's clock (--at), with the
// readings that follow it. Prints FetchStatusText (DLlabel), the messages, the error-log lines the fetch
// added and the race card as JSON; exits 1 when the fetch ended with an error in FetchStatusText.
#include <cstdio>
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

const std::map<std::string, void (MainModel::*)()>& fetchButtons() {
    static const std::map<std::string, void (MainModel::*)()> buttons = {
        {"odds", &MainModel::SokuhoOddsBtnClick},
        {"results", &MainModel::KekkaGetBtnClick},
        {"mining", &MainModel::GetDMBtnClick},
    };
    return buttons;
}

CliRunner defineFetch(CLI::App& sub) {
    auto args = std::make_shared<FetchArgs>();
    sub.add_option("what", args->what, "odds (速報ｵｯｽﾞ), results (結果情報) or mining (ﾏｲﾆﾝｸﾞ)")
        ->required()
        ->check(CLI::IsMember({"odds", "results", "mining"}));
    addAppFolderOption(sub, args->view.appFolder);
    addFeedOption(sub, args->feed);
    sub.add_option("--day", args->view.day, "the meeting day as DateCombo lists it, e.g. 2025年03月01日")
        ->required()
        ->type_name("DAYTEXT");
    sub.add_option("--race", args->view.race, "the race-list entry to fetch for, from 0")
        ->check(CLI::NonNegativeNumber)
        ->capture_default_str();
    return [args](CliContext& context) {
        CliSession session(context, appFolderOf(args->view.appFolder, context), args->feed,
                           ConsoleDialogs::Options{false, true});
        if (!session.created()) {
            for (const auto& message : session.dialogs().messages()) std::fprintf(stderr, "%s\n", message.c_str());
            return 1;
        }
        MainModel& model = session.model();
        model.firstShow();  // JVInit, as the window's first show
        if (int status = openRaceView(session, args->view, "fetch"); status != 0) return status;
        const std::size_t messagesBefore = session.dialogs().messages().size();
        const std::size_t errorLogBefore = model.errorLog().lines().size();
        (model.*fetchButtons().at(args->what))();

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
        if (args->what == "odds") json["OzFetched"] = model.ozFetched(model.state().currentRace);
        json["StringGrid26"] = gridJson(model.state().stringGrid26.text());
        session.close();
        std::printf("%s\n", json.dump(1).c_str());
        return status.empty() ? 0 : 1;
    };
}

const bool registered = registerCliCommand(
    {"fetch",
     "fetch a race's odds, the day's results or its mining in real time, as the window's \"速報ｵｯｽﾞ\", \"結果情報\" "
     "and \"ﾏｲﾆﾝｸﾞ\" do, and print the fetch's status and messages as JSON",
     defineFetch});

}  // namespace
}  // namespace marovix
