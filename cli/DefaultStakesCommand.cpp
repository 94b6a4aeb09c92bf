// marovix-cli default-stakes [--app-folder DIR] [--stake BET=YEN ...]: the window "投資金設定" (menu item
// "投資金額設定"). Without --stake it prints the eight default stakes as JSON by bet-type prefix; with it,
// the edits of the bet types named take their amounts and "OK" is pressed as in the window (an amount
// below 100 becomes 100, the eight are stored; a day opened later starts with them), then the stored eight
// are printed. Exits 1 when they could not be stored.
#include <cstdio>

#include <nlohmann/json.hpp>

#include "cli/CliSession.h"
#include "cli/RaceActionArgs.h"
#include "core/kaime/StakeInputs.h"

namespace marovix {
namespace {

struct DefaultStakesArgs {
    std::string appFolder;
    std::vector<std::string> stakes;  // "BET=YEN"
};

// BET=YEN with YEN an amount the window's edit holds.
Result<std::pair<BetType, int>> defaultStake(std::string_view text) {
    auto input = parseStakeInput(text);
    if (!input) return input.failure();
    auto yen = parseYen(input->yen);
    if (!yen) return Error{yen.error() + " in '" + std::string(text) + "'", ErrorKind::Refused};
    return std::pair{input->bet, *yen};
}

CliRunner defineDefaultStakes(CLI::App& sub) {
    auto args = std::make_shared<DefaultStakesArgs>();
    addAppFolderOption(sub, args->appFolder);
    addParsedOption(sub, "--stake", args->stakes, "BET=YEN", defaultStake,
                    "the default stake of a bet type (" + betTypePrefixList() + "); then \"OK\"; repeatable");
    return [args](CliContext& context) {
        CliSession session(context, appFolderOf(args->appFolder, context), "", ConsoleDialogs::Options{false, true});
        if (!session.ready()) return 1;
        MainModel& model = session.model();
        if (!args->stakes.empty()) {
            BetAmounts amounts = model.defaultStakes();
            for (const std::string& stake : args->stakes) {
                const auto [bet, yen] = *defaultStake(stake);
                amounts[static_cast<std::size_t>(bet)] = yen;
            }
            model.KaimeSetFormOKClick(amounts);
            if (model.defaultStakes() != raisedDefaultStakes(amounts)) {
                session.printMessages();
                return 1;
            }
        }
        nlohmann::ordered_json json;
        const BetAmounts stored = model.defaultStakes();
        for (const BetTypeInfo& bet : kBetTypes)
            json[std::string(bet.prefix)] = stored[static_cast<std::size_t>(bet.type)];
        session.close();
        std::printf("%s\n", json.dump(1).c_str());
        return 0;
    };
}

const bool defaultStakesCommandRegistered = registerCliCommand(
    {"default-stakes",
     "show the eight default stakes of the window \"投資金設定\", or change them and press its \"OK\"",
     defineDefaultStakes});

}  // namespace
}  // namespace marovix
