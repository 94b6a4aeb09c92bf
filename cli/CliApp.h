#pragma once
// marovix-cli: subcommands over the core. Each subcommand lives in its own file and registers itself.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/settings/AppFolders.h"

namespace marovix {

// The arguments after the subcommand name: "--name value" options, "--flag" switches.
class CliArgs {
public:
    CliArgs(std::vector<std::string> args, std::string executable);

    // The value of "--name VALUE"; nothing when absent.
    std::optional<std::string> option(const std::string& name) const;
    bool flag(const std::string& name) const;
    const std::vector<std::string>& raw() const { return m_args; }
    // AppFolder: --app-folder, else the executable's folder.
    std::string appFolder() const;
    // The executable's folder.
    std::string executableFolder() const;
    // The program's shared-data folder (holds Media/ with the alert sounds).
    std::string sharedDataFolder() const { return AppFolders::sharedDataFolder(executableFolder()); }
    // Names of options given that are not in `known` (for a clear usage error).
    std::vector<std::string> unknown(const std::vector<std::string>& knownOptions,
                                     const std::vector<std::string>& knownFlags) const;

private:
    std::vector<std::string> m_args;
    std::string m_executable;
};

struct CliCommand {
    std::string name;
    std::string usage;
    std::function<int(const CliArgs&)> run;
};

// Registers a subcommand; call from a static initialiser in the command's file.
bool registerCliCommand(CliCommand command);

int runCli(const std::vector<std::string>& args, const std::string& executable);

}  // namespace marovix
