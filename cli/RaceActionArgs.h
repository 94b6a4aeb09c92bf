#pragma once
// The texts of the options with which `show` and `vote` act on a race as a user of the main window does:
// bet types by their prefix, stake inputs, rows struck out and the buttons over the marks. Each parse
// says in one line what is wrong with a text, for the command's usage error.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/common/BetType.h"
#include "core/common/Result.h"

namespace marovix {

// "tan", "fuk", "wr", "ur", "wd", "ut", "srf", "srt" (the bet types' prefixes, any case).
std::optional<BetType> betTypeOfPrefix(std::string_view text);
// The prefixes as the options write them: "tan,fuk,wr,ur,wd,ut,srf,srt".
std::string betTypePrefixList();

// --bet-types: "all" (the button "全選択"), "none" ("全解除"), or a list of prefixes: the bet types that
// take part, every other one not.
struct BetTypeChoice {
    enum class Kind { All, None, Exactly };
    Kind kind = Kind::Exactly;
    std::array<bool, kBetTypes.size()> ticked{};  // for Exactly, in bet-type order
};
Result<BetTypeChoice> parseBetTypes(std::string_view text);

// --stake BET=YEN: the text typed into the bet type's stake edit, a whole number of yen.
struct StakeInput {
    BetType bet = BetType::Tan;
    std::string yen;
};
Result<StakeInput> parseStakeInput(std::string_view text);
// A stake written as a number (the default-stake window): from 0 up to the largest int.
Result<int> parseYen(std::string_view text);

// --strike PAGE:ROW: a click on the "消" column of row ROW (from 1) of the page's grid. Only the grids of
// page 0 (一括, AllKaimeGrid) and page 1 (単勝, TanKaimeGrid) take such a click.
struct StrikeCell {
    int page = 0;
    int row = 0;
};
Result<StrikeCell> parseStrikeCell(std::string_view text);

// --mark-button: the buttons over the mark columns, "AllCkBtn1".."AllCkBtn3" ("全": the mark on every
// runner) and "AllDlBtn1".."AllDlBtn3" ("CL": the mark off every runner), for ◎ ○ ▲ in turn.
struct MarkButton {
    bool all = true;  // AllCkBtn; false: AllDlBtn
    int mark = 0;     // 0 ◎, 1 ○, 2 ▲
};
Result<MarkButton> parseMarkButton(std::string_view text);

}  // namespace marovix
