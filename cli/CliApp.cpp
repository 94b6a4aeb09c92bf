#include "cli/CliApp.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace marovix {
namespace {

std::map<std::string, CliCommand>& commands() {
    static std::map<std::string, CliCommand> table;
    return table;
}

void printUsage() {
    std::fprintf(stderr, "usage: marovix-cli COMMAND [options]\ncommands:\n");
    for (const auto& [name, command] : commands()) std::fprintf(stderr, "  %s\n", command.usage.c_str());
}

}  // namespace

CliArgs::CliArgs(std::vector<std::string> args, std::string executable)
    : m_args(std::move(args)), m_executable(std::move(executable)) {}

std::optional<std::string> CliArgs::option(const std::string& name) const {
    for (std::size_t i = 0; i + 1 < m_args.size(); ++i)
        if (m_args[i] == name) return m_args[i + 1];
    return std::nullopt;
}

bool CliArgs::flag(const std::string& name) const {
    return std::find(m_args.begin(), m_args.end(), name) != m_args.end();
}

std::string CliArgs::appFolder() const {
    if (auto folder = option("--app-folder")) return std::filesystem::absolute(*folder).lexically_normal().string();
    return executableFolder();
}

std::string CliArgs::executableFolder() const {
    std::error_code ec;
    auto self = std::filesystem::canonical("/proc/self/exe", ec);
    if (ec) self = std::filesystem::absolute(m_executable);
    return self.parent_path().string();
}

std::vector<std::string> CliArgs::unknown(const std::vector<std::string>& knownOptions,
                                          const std::vector<std::string>& knownFlags) const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < m_args.size(); ++i) {
        const auto& a = m_args[i];
        if (std::find(knownOptions.begin(), knownOptions.end(), a) != knownOptions.end()) {
            ++i;
            continue;
        }
        if (std::find(knownFlags.begin(), knownFlags.end(), a) != knownFlags.end()) continue;
        out.push_back(a);
    }
    return out;
}

bool registerCliCommand(CliCommand command) {
    std::string name = command.name;
    commands()[name] = std::move(command);
    return true;
}

int runCli(const std::vector<std::string>& args, const std::string& executable) {
    if (args.empty() || args[0] == "--help" || args[0] == "help") {
        printUsage();
        return args.empty() ? 2 : 0;
    }
    auto it = commands().find(args[0]);
    if (it == commands().end()) {
        std::fprintf(stderr, "marovix-cli: unknown command '%s'\n", args[0].c_str());
        printUsage();
        return 2;
    }
    return it->second.run(CliArgs(std::vector<std::string>(args.begin() + 1, args.end()), executable));
}

}  // namespace marovix
