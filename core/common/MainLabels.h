#pragma once
// The named labels (and the coloured header panel) of the main window: their texts and colours.
#include <string>
#include <utility>

#include "core/common/BetType.h"
#include "core/common/Label.h"

namespace marovix {

enum class LabelId {
    // The race header (the panel Panel21 carries the track colour).
    Panel21,
    BashoLabel,
    RaceLabel,
    Label1,
    Label2,
    Label3,
    RestTimeLabel,
    OzGetTimeLabel,
    TaishoRLabel,
    NowTimLabel,
    DLlabel,  // FetchStatusText
    SimModeLabel,
    BakenLabel,
    IPATBalanceLabel,
    TohyoStatusLabel,  // the vote queue's last event: a vote waiting, handed over, refused, a plug-in's end
    // The combined list's own labels and its overall totals.
    TensuLabel,
    ToshiLabel,
    YosoKaishuLabel,
    SoTensuLabel,
    SoTohyoGakuLabel,
    YosoKaisyuLabel,
    SoGOLabel,
    KaishuLabel,
    // The indicators of automatic operation: "自動投票" (AutoNaviLabel) and "操作注意" (operateLabel).
    AutoNaviLabel,
    operateLabel,
    FirstBetLabel,  // then five labels per bet type, see betLabel()
    Count = FirstBetLabel + 5 * 8
};

// The summary labels of a bet type's tab.
enum class BetLabel {
    Tensu,       // "買い点数"
    Toshi,       // "投票金額"
    YosoKaishu,  // "予想回収率"
    GO,          // "合成オッズ"
    Kaishu,      // "結果回収額"
    Count
};

LabelId betLabel(BetType bet, BetLabel which);
// The control name: "BashoLabel", "TanTensuLabel", "SRTKaishuLabel", ...
std::string labelName(LabelId id);

class MainLabels : public LabelSet<LabelId> {
public:
    using LabelSet<LabelId>::operator[];
    Label& operator[](std::pair<BetType, BetLabel> bet) { return (*this)[betLabel(bet.first, bet.second)]; }
    const Label& operator[](std::pair<BetType, BetLabel> bet) const { return (*this)[betLabel(bet.first, bet.second)]; }
};

}  // namespace marovix
