#pragma once
// The eight JRA bet types, always in this order, with what differs between them.
#include <array>
#include <string_view>

namespace marovix {

enum class BetType { Tan, Fuk, WR, UR, WD, UT, SRF, SRT };

struct BetTypeInfo {
    BetType type;
    std::string_view prefix;  // control and settings prefix: "Tan", "Fuk", "WR", ...
    std::string_view name;    // "単勝", "複勝", ...
};

inline constexpr std::array<BetTypeInfo, 8> kBetTypes = {{
    {BetType::Tan, "Tan", "単勝"},
    {BetType::Fuk, "Fuk", "複勝"},
    {BetType::WR, "WR", "枠連"},
    {BetType::UR, "UR", "馬連"},
    {BetType::WD, "WD", "ワイド"},
    {BetType::UT, "UT", "馬単"},
    {BetType::SRF, "SRF", "３連複"},
    {BetType::SRT, "SRT", "３連単"},
}};

inline constexpr const BetTypeInfo& betTypeInfo(BetType type) { return kBetTypes[static_cast<int>(type)]; }

}  // namespace marovix
