#include "core/results/PayoutRecord.h"

#include <algorithm>
#include <span>

#include "core/odds/CombinationNumber.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"

namespace marovix {
namespace {

// The entries of a bet type in the payout record (HrField) and how many numbers a combination holds;
// the digits per number follow from the combination's width (one per bracket, two per horse).
struct PayoutField {
    PayoutList list;
    int numbers;
    int digits() const { return list.combination.length / numbers; }
};

constexpr std::array<int, 8> kNumbers = {1, 1, 2, 2, 2, 2, 3, 3};

PayoutField fieldsOf(BetType bet) {
    const auto index = static_cast<std::size_t>(bet);
    return {HrField::inBetTypeOrder[index], kNumbers[index]};
}

}  // namespace

int payoutEntryCount(BetType bet) { return fieldsOf(bet).list.combination.count; }

std::vector<PayoutEntry> payoutEntries(std::string_view hr, BetType bet) {
    const PayoutField f = fieldsOf(bet);
    const int count = f.list.combination.count;
    std::vector<PayoutEntry> entries(static_cast<std::size_t>(count));
    for (int e = 0; e < count; ++e) {
        PayoutEntry& entry = entries[static_cast<std::size_t>(e)];
        const RecordField combination = f.list.combination.at(e);
        entry.count = f.numbers;
        for (int k = 0; k < f.numbers; ++k)
            entry.numbers[static_cast<std::size_t>(k)] =
                fieldNumber(hr, combination.position + k * f.digits(), f.digits());
        entry.payout = fieldNumber(hr, f.list.payout.at(e));
        entry.popularity = fieldNumber(hr, f.list.popularity.at(e));
    }
    return entries;
}

bool hasWinner(const PayoutEntry& entry) {
    if (entry.count < 1) return false;
    for (int k = 0; k < entry.count; ++k)
        if (entry.numbers[static_cast<std::size_t>(k)] <= 0) return false;
    return true;
}

std::string combinationText(const PayoutEntry& entry) {
    const auto count = static_cast<std::size_t>(std::clamp(entry.count, 0, static_cast<int>(entry.numbers.size())));
    return combinationText(std::span<const int>(entry.numbers.data(), count));
}

std::optional<BetType> betTypeOfName(std::string_view name) {
    for (const BetTypeInfo& bet : kBetTypes)
        if (bet.name == name) return bet.type;
    return std::nullopt;
}

}  // namespace marovix
