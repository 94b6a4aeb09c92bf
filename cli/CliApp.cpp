#include "cli/CliApp.h"

#include <cstdio>
#include <map>

#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"
#include "core/race/MeetingDays.h"
#include "core/settings/AppFolders.h"
#include "platform/ProgramClock.h"
#include "platform/WindowsFolder.h"

namespace marovix {
namespace {

std::map<std::string, CliCommand>& commands() {
    static std::map<std::string, CliCommand> table;
    return table;
}

std::string absoluteFolder(const std::string& folder) { return absolutePath(folder); }

// A folder option may not be empty: "" would silently mean the current folder.
const CLI::Validator kNotEmpty(
    [](std::string& value) {
        return value.empty() ? std::string("an empty folder name is not allowed") : std::string();
    },
    "", "NotEmpty");

std::string executableFolder(const char* argv0) {
    std::string self = executablePath();
    if (self.empty()) self = absolutePath(argv0);
    return folderOf(self);
}

}  // namespace

std::string CliContext::sharedDataFolder() const { return windowsFolder(m_executableFolder); }

const Clock& CliContext::clock() {
    if (!m_clock) m_clock = programClock(m_at);
    return *m_clock;
}

int commandFailed(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
}

bool registerCliCommand(CliCommand command) {
    std::string name = command.name;
    commands()[name] = std::move(command);
    return true;
}

CLI::Option* addAppFolderOption(CLI::App& sub, std::string& folder) {
    return sub.add_option("--app-folder", folder, "application folder (default: the program's folder)")
        ->check(kNotEmpty)
        ->type_name("DIR");
}

std::string appFolderOf(const std::string& option, const CliContext& context) {
    return option.empty() ? context.executableFolder() : absoluteFolder(option);
}

CLI::Option* addFeedOption(CLI::App& sub, std::string& folder) {
    return sub
        .add_option("--feed", folder,
                    "feed folder the JV-Link stand-in serves (default: the one in the stand-in's settings)")
        ->check(kNotEmpty)
        ->type_name("DIR");
}

CLI::Option* addMomentOption(CLI::App& sub, const std::string& name, std::optional<DateTime>& moment,
                             const std::string& description) {
    return sub
        .add_option_function<std::string>(
            name,
            [&moment, name](const std::string& text) {
                moment = DateTime::parseSlash(text);
                if (!moment) throw CLI::ValidationError(name, "needs \"yyyy/mm/dd hh:nn:ss\", got '" + text + "'");
            },
            description)
        ->type_name("\"yyyy/mm/dd hh:nn:ss\"");
}

CLI::Option* addDayOption(CLI::App& sub, std::string& day, const std::string& description) {
    return sub
        .add_option_function<std::string>(
            "--day",
            [&day](const std::string& text) {
                std::string digits;
                for (char c : text)
                    if (c != '/') digits += c;
                const bool key =
                    digits.size() == 8 && digits.find_first_not_of("0123456789") == std::string::npos &&
                    (digits.size() == text.size() || (text.size() == 10 && text[4] == '/' && text[7] == '/'));
                if (key) {
                    day = digits.substr(0, 4) + "年" + digits.substr(4, 2) + "月" + digits.substr(6, 2) + "日";
                } else if (isDayText(text)) {
                    day = text;
                } else {
                    throw CLI::ValidationError(
                        "--day", "needs a day written 2025年03月01日, 20250301 or 2025/03/01, got '" + text + "'");
                }
            },
            description)
        ->type_name("DAY");
}

int runCli(int argc, char** argv) {
    CliContext context(executableFolder(argv[0]));
    CLI::App app("marovix-cli: the Marovix core from the command line", "marovix-cli");
    app.require_subcommand(1);
    app.fallthrough();
    std::optional<DateTime> at;
    addMomentOption(app, "--at", at, "start the program's clock at this moment (it then runs on)");
    app.add_subcommand("help", "print this help");

    std::map<CLI::App*, CliRunner> runners;
    for (auto& [name, command] : commands()) {
        CLI::App* sub = app.add_subcommand(name, command.description);
        runners[sub] = command.define(*sub);
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);  // usage on standard output, 0
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        // One line: the reason; then the usage of the (sub)command that failed; exit 2.
        const auto rest = app.remaining();
        if (app.get_subcommands().empty() && !rest.empty())
            std::fprintf(stderr, "marovix-cli: unknown command '%s'\n", rest.front().c_str());
        else
            std::fprintf(stderr, "marovix-cli: %s\n", e.what());
        const auto subs = app.get_subcommands();
        const std::string usage = subs.empty() ? app.help() : subs.back()->help(app.get_name());
        std::fprintf(stderr, "%s", usage.c_str());
        return 2;
    }
    if (app.got_subcommand("help")) {
        // The program's own usage, not the help subcommand's.
        std::printf("%s", app.get_formatter()->make_help(&app, "marovix-cli", CLI::AppFormatMode::Normal).c_str());
        return 0;
    }
    if (at) context.startClockAt(*at);
    for (auto& [sub, runner] : runners)
        if (sub->parsed()) return runner(context);
    return 2;
}

}  // namespace marovix
