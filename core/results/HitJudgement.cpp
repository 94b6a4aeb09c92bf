#include "core/results/HitJudgement.h"

#include <optional>

#include "core/common/Format.h"
#include "core/common/Yen.h"
#include "core/race/JvRecord.h"

namespace marovix {
namespace {

// Calls `hit` with every entry that data row `row` of the grid hits, in the record's order.
template <class Hit>
void forEachHit(const PayoutHits& payout, const KaimeGrid& grid, int row, Hit hit) {
    const std::optional<BetType> bet = betTypeOfName(grid.cell(KaimeCol::Baken, row));
    if (!bet) return;
    const std::string& kaime = grid.cell(KaimeCol::Kaime, row);
    const bool single = *bet == BetType::Tan || *bet == BetType::Fuk;
    const int horse = single ? lenientInt(kaime) : 0;
    if (single ? horse <= 0 : isAllBlanks(kaime)) return;
    for (const PayoutHits::Entry& e : payout.entries(*bet))
        if (single ? e.entry.numbers[0] == horse : e.text == kaime) hit(e.entry);
}

}  // namespace

PayoutHits::PayoutHits(std::string_view hr) {
    for (const BetTypeInfo& bet : kBetTypes) {
        auto& entries = m_entries[static_cast<std::size_t>(bet.type)];
        for (const PayoutEntry& entry : payoutEntries(hr, bet.type)) entries.push_back({entry, combinationText(entry)});
    }
}

bool isWinningRow(const KaimeGrid& grid, int row, std::string_view hr) {
    if (row < 1 || row >= grid.rowCount()) return false;
    bool won = false;
    forEachHit(PayoutHits(hr), grid, row, [&](const PayoutEntry&) { won = true; });
    return won;
}

void JudgeHits(KaimeGrid& grid, std::string_view hr, Label& resultLabel) {
    JudgeHits(grid, PayoutHits(hr), resultLabel);
}

void JudgeHits(KaimeGrid& grid, const PayoutHits& payout, Label& resultLabel) {
    Yen total = 0;
    for (int row = 1; row < grid.rowCount(); ++row) {
        forEachHit(payout, grid, row, [&](const PayoutEntry& entry) {
            const Yen stake = lenientYen(grid.cell(KaimeCol::Stake, row));
            const Yen back = payoutReturn(entry.payout, stake);
            const bool bracket = grid.cell(KaimeCol::Baken, row) == betTypeInfo(BetType::WR).name;
            grid.setCell(KaimeCol::ResultPayout, row, formatted("%7d", entry.payout));
            grid.setCell(KaimeCol::ResultReturn, row,
                         bracket && back == 0 ? std::string() : formatted("%7lld", static_cast<long long>(back)));
            grid.setCell(KaimeCol::ResultPop, row, formatted("%3d", entry.popularity));
            total = addYen(total, back);
        });
    }
    if (total > 0) {
        resultLabel.text = formatted("%8lld", static_cast<long long>(total));
        resultLabel.color = kBlack;
    } else {
        resultLabel.text.clear();
    }
}

}  // namespace marovix
