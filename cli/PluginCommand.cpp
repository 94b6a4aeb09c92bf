// marovix-cli plugin --install DIR [--inetid ID] [--balance YEN]: installs the vote plug-in stand-in
// (VQMTohyoPlugIn2.exe) into DIR with its kaime/ and logs/ folders and its settings file. Settings
// already there are kept unless given again, so a reinstall never resets a running balance.
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "cli/CliApp.h"
#include "core/common/SystemFiles.h"
#include "core/common/TextFile.h"
#include "core/vote/VotePluginFiles.h"
#include "standins/voteplugin/PaperAccount.h"
#include "standins/voteplugin/PluginFolderLock.h"

namespace marovix {
namespace {

namespace fs = std::filesystem;

constexpr const char* DefaultInetId = "PAPER001";

struct PluginArgs;
int installPlugin(const PluginArgs& args, CliContext& context);

int fail(const std::string& reason, int code = 1) {
    std::fprintf(stderr, "marovix-cli plugin: %s\n", reason.c_str());
    return code;
}

bool isPlainId(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c < 0x7F; });
}

// A path of the standard library from a UTF-8 text (a narrow text would be read in the system's code page
// on Windows).
fs::path pathOf(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

// Copies the program beside its place and renames it over, so a plug-in running at the time keeps
// its file and the new one appears whole.
Status installProgram(const std::string& fromPath, const std::string& toPath) {
    std::error_code ec;
    const fs::path from = pathOf(fromPath), to = pathOf(toPath);
    const fs::path temp = pathOf(toPath + ".tmp~");
    fs::copy_file(from, temp, fs::copy_options::overwrite_existing, ec);
    if (!ec) fs::permissions(temp, fs::perms(0755), ec);
    if (!ec) fs::rename(temp, to, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return Error{toPath + ": " + ec.message()};
    }
    return Status::success();
}

struct PluginArgs {
    std::string install;
    std::optional<std::string> inetId;
    std::optional<std::string> balance;
};

CliRunner definePlugin(CLI::App& sub) {
    auto args = std::make_shared<PluginArgs>();
    sub.add_option("--install", args->install, "the folder to install the stand-in into")->required()->type_name("DIR");
    sub.add_option("--inetid", args->inetId, "the INETID it keeps (default: kept, or PAPER001)");
    sub.add_option("--balance", args->balance, "its balance in yen (default: kept, or 100000)");
    sub.callback([args] {
        if (args->install.empty()) throw CLI::ValidationError("--install", "an empty folder name is not allowed");
        if (args->inetId && !isPlainId(*args->inetId))
            throw CLI::ValidationError("--inetid", "takes visible ASCII characters without blanks");
        const auto& balance = args->balance;
        if (balance && (balance->empty() || balance->size() > 12 ||
                        !std::all_of(balance->begin(), balance->end(), [](char c) { return c >= '0' && c <= '9'; })))
            throw CLI::ValidationError("--balance", "takes a whole number of yen");
    });
    return [args](CliContext& context) { return installPlugin(*args, context); };
}

int installPlugin(const PluginArgs& args, CliContext& context) {
    const auto& inetId = args.inetId;
    const auto& balance = args.balance;
    const std::string program = joinPath(joinPath(context.executableFolder(), "voteplugin"), VotePluginProgramName);
    if (!fileExists(program)) return fail(program + ": the stand-in was not built");
    const std::string folder = absolutePath(args.install);
    if (Status made = makeDirectories(folder); !made) return fail(made.error());

    auto lock = PluginFolderLock::acquire(folder);
    if (!lock) return fail(lock.error());
    if (Status copied = installProgram(program, VotePluginProgramPath(folder)); !copied) return fail(copied.error());
    for (std::string_view sub : {VoteFileFolderName, PluginLogFolderName})
        if (Status made = makeDirectory(joinPath(folder, sub)); !made) return fail(made.error());
    PaperAccount account(folder);
    if (inetId || !account.hasInetId()) {
        if (Status written = account.setInetId(inetId.value_or(DefaultInetId)); !written) return fail(written.error());
    }
    if (balance || !account.hasBalance()) {
        const std::int64_t yen = balance ? std::stoll(*balance) : PaperAccount::InitialBalance;
        if (Status written = account.setBalance(yen); !written) return fail(written.error());
    }
    const auto current = account.balance();
    std::printf("folder: %s\nprogram: %s\nINETID: %s\nbalance: %s\n", folder.c_str(),
                VotePluginProgramPath(folder).c_str(), account.inetId().c_str(),
                current ? std::to_string(*current).c_str() : current.error().c_str());
    return 0;
}

const bool pluginCommandRegistered =
    registerCliCommand({"plugin", "install the paper-trading vote plug-in stand-in into a folder", definePlugin});

}  // namespace
}  // namespace marovix
