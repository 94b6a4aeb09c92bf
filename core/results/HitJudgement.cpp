#include "core/results/HitJudgement.h"

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "core/common/Format.h"
#include "core/common/Yen.h"
#include "core/race/JvRecord.h"
#include "core/results/PayoutRecord.h"

namespace marovix {
namespace {

// The entries of every bet type of one payout record, with their combination texts formed once.
class PayoutTable {
public:
    explicit PayoutTable(std::string_view hr) {
        for (const BetTypeInfo& bet : kBetTypes) {
            auto& entries = m_entries[static_cast<std::size_t>(bet.type)];
            for (const PayoutEntry& entry : payoutEntries(hr, bet.type))
                entries.push_back({entry, combinationText(entry)});
        }
    }

    struct Entry {
        PayoutEntry entry;
        std::string text;
    };

    // The entries that row `row` of the grid hits, in the record's order.
    std::vector<const PayoutEntry*> hits(const KaimeGrid& grid, int row) const {
        std::vector<const PayoutEntry*> found;
        const std::optional<BetType> bet = betTypeOfName(grid.cell(KaimeCol::Baken, row));
        if (!bet) return found;
        const std::string& kaime = grid.cell(KaimeCol::Kaime, row);
        const bool single = *bet == BetType::Tan || *bet == BetType::Fuk;
        const int horse = single ? lenientInt(kaime) : 0;
        if (single ? horse <= 0 : isAllBlanks(kaime)) return found;
        for (const Entry& e : m_entries[static_cast<std::size_t>(*bet)]) {
            if (single ? e.entry.numbers[0] == horse : e.text == kaime) found.push_back(&e.entry);
        }
        return found;
    }

private:
    std::array<std::vector<Entry>, 8> m_entries;
};

}  // namespace

bool isWinningRow(const KaimeGrid& grid, int row, std::string_view hr) {
    if (row < 1 || row >= grid.rowCount()) return false;
    return !PayoutTable(hr).hits(grid, row).empty();
}

void JudgeHits(KaimeGrid& grid, std::string_view hr, Label& resultLabel) {
    const PayoutTable table(hr);
    Yen total = 0;
    for (int row = 1; row < grid.rowCount(); ++row) {
        for (const PayoutEntry* entry : table.hits(grid, row)) {
            const Yen stake = lenientYen(grid.cell(KaimeCol::Stake, row));
            const Yen back = payoutReturn(entry->payout, stake);
            const bool bracket = grid.cell(KaimeCol::Baken, row) == betTypeInfo(BetType::WR).name;
            grid.setCell(KaimeCol::ResultPayout, row, formatted("%7d", entry->payout));
            grid.setCell(KaimeCol::ResultReturn, row,
                         bracket && back == 0 ? std::string() : formatted("%7lld", static_cast<long long>(back)));
            grid.setCell(KaimeCol::ResultPop, row, formatted("%3d", entry->popularity));
            total = addYen(total, back);
        }
    }
    if (total > 0) {
        resultLabel.text = formatted("%8lld", static_cast<long long>(total));
        resultLabel.color = kBlack;
    } else {
        resultLabel.text.clear();
    }
}

}  // namespace marovix
