#pragma once
// The hit judgement (JudgeHits): which selection rows won according to the race's payout record, with
// their payouts and returns, and the total return in the grid's result label ("結果回収額").
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/MainGrids.h"
#include "core/common/MainLabels.h"
#include "core/results/PayoutRecord.h"

namespace marovix {

// The entries of a payout record by bet type, each with its combination text, read once for the
// judgements of every grid of a race.
class PayoutHits {
public:
    explicit PayoutHits(std::string_view hr);

    struct Entry {
        PayoutEntry entry;
        std::string text;
    };
    // The entries of a bet type, in the record's order.
    const std::vector<Entry>& entries(BetType bet) const { return m_entries[static_cast<std::size_t>(bet)]; }

private:
    std::array<std::vector<Entry>, 8> m_entries;
};

// Whether data row `row` of a selection grid (a bet-type grid or the combined list) names a winning
// combination, by the bet type in its "馬券" cell:
// - win and place: the row's horse number ("買い目" read as an integer) is above 0 and equals an entry's;
// - the others: an entry's combination text ("%2d-" ... "%2d", one digit per bracket for the bracket
//   quinella, two per horse for the others) equals the "買い目" cell exactly, which is not blank.
bool isWinningRow(const KaimeGrid& grid, int row, std::string_view hr);

// JudgeHits: on every winning row (every entry it hits, so dead heats count each time) writes
// "結果配当" Format("%7d", payout), "結果回収" Format("%7d", payout x stake / 100) with the stake of
// "購入額" and integer division (left empty for the bracket quinella when that is 0) and "結果人気"
// Format("%3d", popularity), and adds the return to the total. Rows are not cleared first. Then
// `resultLabel` shows Format("%8d", total) in black when the total is above 0 and is emptied otherwise.
// With a blank payout record nothing hits.
void JudgeHits(KaimeGrid& grid, std::string_view hr, Label& resultLabel);
// The same with the payout record read beforehand.
void JudgeHits(KaimeGrid& grid, const PayoutHits& payout, Label& resultLabel);

}  // namespace marovix
