#include "core/common/MainLabels.h"

namespace marovix {
namespace {

constexpr std::string_view kNames[] = {
    "Panel21",         "BashoLabel",    "RaceLabel",       "Label1",           "Label2",
    "Label3",          "RestTimeLabel", "OzGetTimeLabel",  "TaishoRLabel",     "NowTimLabel",
    "DLlabel",         "SimModeLabel",  "BakenLabel",      "IPATBalanceLabel", "TohyoStatusLabel",
    "TensuLabel",      "ToshiLabel",    "YosoKaishuLabel", "SoTensuLabel",     "SoTohyoGakuLabel",
    "YosoKaisyuLabel", "SoGOLabel",     "KaishuLabel",     "AutoNaviLabel",    "operateLabel",
};
static_assert(std::size(kNames) == static_cast<std::size_t>(LabelId::FirstBetLabel));

constexpr std::string_view kBetLabelTails[] = {"TensuLabel", "ToshiLabel", "YosoKaishuLabel", "GOLabel", "KaishuLabel"};
static_assert(std::size(kBetLabelTails) == static_cast<std::size_t>(BetLabel::Count));

}  // namespace

LabelId betLabel(BetType bet, BetLabel which) {
    const int index = static_cast<int>(LabelId::FirstBetLabel) +
                      static_cast<int>(bet) * static_cast<int>(BetLabel::Count) + static_cast<int>(which);
    return static_cast<LabelId>(index);
}

std::string labelName(LabelId id) {
    const int index = static_cast<int>(id);
    const int first = static_cast<int>(LabelId::FirstBetLabel);
    if (index < first) return std::string(kNames[index]);
    const int perBet = static_cast<int>(BetLabel::Count);
    const int bet = (index - first) / perBet;
    return std::string(betTypeInfo(static_cast<BetType>(bet)).prefix) +
           std::string(kBetLabelTails[(index - first) % perBet]);
}

}  // namespace marovix
