#include "core/results/PayoutRecord.h"

#include <cstdio>

#include "core/race/JvRecord.h"

namespace marovix {
namespace {

// Where a bet type's entries lie in the record (1-based positions) and how they are cut.
struct PayoutField {
    int combination;  // position of the first entry's combination
    int numbers;      // numbers in a combination
    int digits;       // digits per number: one per bracket, two per horse
    int payout;       // position of the first entry's payout (nine digits)
    int popularity;   // position of the first entry's popularity
    int popularityWidth;
    int entries;
    int stride;
};

constexpr int kPayoutWidth = 9;

constexpr std::array<PayoutField, 8> kFields = {{
    {103, 1, 2, 105, 114, 2, 3, 13},  // win
    {142, 1, 2, 144, 153, 2, 5, 13},  // place
    {207, 2, 1, 209, 218, 2, 3, 13},  // bracket quinella
    {246, 2, 2, 250, 259, 3, 3, 16},  // quinella
    {294, 2, 2, 298, 307, 3, 7, 16},  // quinella place
    {454, 2, 2, 458, 467, 3, 6, 16},  // exacta
    {550, 3, 2, 556, 565, 3, 3, 18},  // trio
    {604, 3, 2, 610, 619, 4, 6, 19},  // trifecta
}};

const PayoutField& fieldsOf(BetType bet) { return kFields[static_cast<std::size_t>(bet)]; }

}  // namespace

int payoutEntryCount(BetType bet) { return fieldsOf(bet).entries; }

std::vector<PayoutEntry> payoutEntries(std::string_view hr, BetType bet) {
    const PayoutField& f = fieldsOf(bet);
    std::vector<PayoutEntry> entries(static_cast<std::size_t>(f.entries));
    for (int e = 0; e < f.entries; ++e) {
        PayoutEntry& entry = entries[static_cast<std::size_t>(e)];
        const int shift = e * f.stride;
        entry.count = f.numbers;
        for (int k = 0; k < f.numbers; ++k)
            entry.numbers[static_cast<std::size_t>(k)] =
                fieldNumber(hr, f.combination + shift + k * f.digits, f.digits);
        entry.payout = fieldNumber(hr, f.payout + shift, kPayoutWidth);
        entry.popularity = fieldNumber(hr, f.popularity + shift, f.popularityWidth);
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
    std::string text;
    for (int k = 0; k < entry.count; ++k) {
        char part[16];
        std::snprintf(part, sizeof part, k + 1 < entry.count ? "%2d-" : "%2d",
                      entry.numbers[static_cast<std::size_t>(k)]);
        text += part;
    }
    return text;
}

std::optional<BetType> betTypeOfName(std::string_view name) {
    for (const BetTypeInfo& bet : kBetTypes)
        if (bet.name == name) return bet.type;
    return std::nullopt;
}

}  // namespace marovix
