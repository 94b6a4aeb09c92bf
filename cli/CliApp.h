#pragma once
// marovix-cli: subcommands over the core, parsed with CLI11. Each subcommand lives in its own file and
// registers itself: it adds its options to its CLI11 sub-app and returns what runs it once they parsed.
//
// `marovix-cli --help`, `marovix-cli help` and `marovix-cli SUB --help` print the usage on standard
// output and exit 0. A bad argument exits 2 with a one-line reason and the usage on standard error,
// before anything is created. The global option --at "yyyy/mm/dd hh:nn:ss" starts the program's clock
// at that moment (it then runs on).
#include <CLI/CLI.hpp>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/common/DateTime.h"
#include "core/ports/Clock.h"

namespace marovix {

// What every subcommand shares: the program's folders and its clock.
class CliContext {
public:
    explicit CliContext(std::string executableFolder) : m_executableFolder(std::move(executableFolder)) {}

    const std::string& executableFolder() const { return m_executableFolder; }
    // The program's shared-data folder (Media/ with the alert sounds).
    std::string sharedDataFolder() const;
    // The local time, started at --at when given.
    const Clock& clock();
    void startClockAt(const DateTime& moment) { m_at = moment; }

private:
    std::string m_executableFolder;
    std::optional<DateTime> m_at;
    std::unique_ptr<Clock> m_clock;
};

using CliRunner = std::function<int(CliContext&)>;

struct CliCommand {
    std::string name;
    std::string description;
    // Adds the command's options to `sub`; the returned runner reads them after parsing.
    std::function<CliRunner(CLI::App& sub)> define;
};

// Registers a subcommand; call from a static initialiser in the command's file.
bool registerCliCommand(CliCommand command);

int runCli(int argc, char** argv);

// A command that cannot do its work: the message on standard error, and the exit code 1.
int commandFailed(const std::string& message);

// Options shared by several commands. Each refuses an empty value; folders are made absolute.
// --app-folder DIR: the application folder (default: the program's folder, filled in before running).
CLI::Option* addAppFolderOption(CLI::App& sub, std::string& folder);
// The application folder the command runs on: the option's value, or the program's folder.
std::string appFolderOf(const std::string& option, const CliContext& context);
// --feed DIR: the feed folder the JV-Link stand-in serves (default: the one in its own settings).
CLI::Option* addFeedOption(CLI::App& sub, std::string& folder);
// A moment written "yyyy/mm/dd hh:nn:ss" (the seconds part may be left out).
CLI::Option* addMomentOption(CLI::App& sub, const std::string& name, std::optional<DateTime>& moment,
                             const std::string& description);

// --day DAY: a meeting day as DateCombo lists it ("2025年03月01日"), or written "20250301" or "2025/03/01";
// `day` receives DateCombo's form.
CLI::Option* addDayOption(CLI::App& sub, std::string& day, const std::string& description);

// An option whose every text is checked by `parse` (text -> a Result): its error is the usage error.
template <class Target, class Parse>
CLI::Option* addParsedOption(CLI::App& sub, const std::string& name, Target& target, const std::string& typeName,
                             Parse parse, const std::string& description) {
    return sub.add_option(name, target, description)
        ->type_name(typeName)
        ->check(CLI::Validator(
            [parse](std::string& text) {
                auto parsed = parse(text);
                return parsed ? std::string() : parsed.error();
            },
            "", typeName));
}

}  // namespace marovix
