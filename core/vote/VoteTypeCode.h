#pragma once
// The bet types as the vote file writes them: their codes and the shape of their combinations.
#include <array>
#include <optional>
#include <string_view>

#include "core/common/BetType.h"

namespace marovix {

struct VoteBetType {
    BetType type;
    std::string_view code;  // the bet-type field of a vote line: "TAN", "FUKU", ...
    int numbers;            // horses or brackets in one combination: 1, 2 or 3
    int digits;             // digits of each number in the combination field: 1 for brackets, else 2
    int highest;            // highest number: 8 brackets, 18 horses
    bool ordered;           // numbers in finishing order (any order, never repeated); else ascending
    bool repeats;           // one number may stand twice (a bracket pair 1-1)
};

// In the order of kBetTypes (see betTypeInfo).
inline constexpr std::array<VoteBetType, 8> kVoteBetTypes = {{
    {BetType::Tan, "TAN", 1, 2, 18, false, false},
    {BetType::Fuk, "FUKU", 1, 2, 18, false, false},
    {BetType::WR, "WAKU", 2, 1, 8, false, true},
    {BetType::UR, "UMAFUKU", 2, 2, 18, false, false},
    {BetType::WD, "WIDE", 2, 2, 18, false, false},
    {BetType::UT, "UMATAN", 2, 2, 18, true, false},
    {BetType::SRF, "SANFUKU", 3, 2, 18, false, false},
    {BetType::SRT, "SANTAN", 3, 2, 18, true, false},
}};

inline constexpr const VoteBetType& voteBetType(BetType type) { return kVoteBetTypes[static_cast<int>(type)]; }

// The bet type of a selection row's bet-type text ("単勝" ... "３連単", the "３" full-width; blanks
// around it ignored); nullptr for any other text.
const VoteBetType* voteBetTypeOfText(std::string_view betTypeText);
// The bet type of a vote-file code (exact, upper case); nullptr for any other text.
const VoteBetType* voteBetTypeOfCode(std::string_view code);

// The vote-file code of a selection row's bet-type text: "単勝" gives "TAN", "馬連" "UMAFUKU".
// Nothing for a text that names no bet type.
std::optional<std::string_view> VoteTypeCode(std::string_view betTypeText);

}  // namespace marovix
