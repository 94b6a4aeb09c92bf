#include "standins/feedgen/PayoutModel.h"

#include <algorithm>

#include "standins/feedgen/CombinationTable.h"

namespace marovix::feedgen {
namespace {

// Horses whose finishing position lets them take each of the ranks 1..3: a dead heat puts two horses
// on the same position, and either may stand at either of the ranks the pair covers.
struct Finish {
    std::vector<int> horses;  // runners placed 1..4 with their positions
    std::vector<int> low, high;

    bool canTake(std::size_t i, int rank) const { return low[i] <= rank && rank <= high[i]; }
};

Finish finishOf(const Race& race) {
    Finish f;
    for (const auto& r : race.runners) {
        if (r.scratched || r.position < 1 || r.position > 4) continue;
        const auto tied = std::count_if(race.runners.begin(), race.runners.end(),
                                        [&](const Runner& o) { return !o.scratched && o.position == r.position; });
        f.horses.push_back(r.number);
        f.low.push_back(r.position);
        f.high.push_back(r.position + static_cast<int>(tied) - 1);
    }
    return f;
}

template <class Key>
void addUnique(std::vector<Key>& keys, Key key) {
    if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
}

// Fills the payouts of one bet type's winning entries (given by their indexes in the book).
std::vector<PayoutEntry> settle(const OddsEntries& entries, BetKind kind, const std::vector<std::size_t>& winners,
                                const std::vector<std::array<int, 3>>& numbers) {
    std::vector<PayoutEntry> out;
    std::int64_t winningVotes = 0;
    for (auto i : winners) winningVotes += entries.votes[i];
    const std::int64_t profit = std::max<std::int64_t>(0, entries.netMilli(kind) - 1000 * winningVotes);
    const auto shares = static_cast<std::int64_t>(winners.size());
    for (std::size_t w = 0; w < winners.size(); ++w) {
        const std::int64_t votes = entries.votes[winners[w]];
        // Payout per 100 yen in whole 10 yen, never below 100 yen.
        std::int64_t tens = (1000 * shares * votes + profit) * 10 / (1000 * shares * votes);
        tens = std::clamp<std::int64_t>(tens, 10, kBetRules[static_cast<int>(kind)].maxOdds);
        out.push_back({numbers[w], tens * 10, entries.popularity[winners[w]]});
    }
    return out;
}

}  // namespace

Payout PayoutModel::payout(const Race& race, const OddsBook& book) {
    Payout payout;
    const Finish f = finishOf(race);
    const int placeRanks = book.placeCount;
    std::vector<std::array<int, 3>> ordered3, ordered2;
    for (std::size_t i = 0; i < f.horses.size(); ++i) {
        if (!f.canTake(i, 1)) continue;
        for (std::size_t j = 0; j < f.horses.size(); ++j) {
            if (j == i || !f.canTake(j, 2)) continue;
            addUnique(ordered2, std::array<int, 3>{f.horses[i], f.horses[j], 0});
            for (std::size_t k = 0; k < f.horses.size(); ++k)
                if (k != i && k != j && f.canTake(k, 3)) ordered3.push_back({f.horses[i], f.horses[j], f.horses[k]});
        }
    }
    std::vector<int> winners, placed;
    for (std::size_t i = 0; i < f.horses.size(); ++i) {
        if (f.canTake(i, 1)) winners.push_back(f.horses[i]);
        if (f.low[i] <= placeRanks) placed.push_back(f.horses[i]);
    }
    std::vector<std::array<int, 3>> pairs2, triples3, widePairs, bracketPairs;
    for (auto t : ordered2) addUnique(pairs2, std::array<int, 3>{std::min(t[0], t[1]), std::max(t[0], t[1]), 0});
    for (auto t : ordered3) {
        std::array<int, 3> s = t;
        std::sort(s.begin(), s.end());
        addUnique(triples3, s);
        addUnique(widePairs, std::array<int, 3>{s[0], s[1], 0});
        addUnique(widePairs, std::array<int, 3>{s[0], s[2], 0});
        addUnique(widePairs, std::array<int, 3>{s[1], s[2], 0});
    }
    const int n = race.registered();
    for (auto p : pairs2) {
        const int x = CombinationTable::bracketOf(n, p[0]), y = CombinationTable::bracketOf(n, p[1]);
        addUnique(bracketPairs, std::array<int, 3>{std::min(x, y), std::max(x, y), 0});
    }

    auto one = [](const std::vector<int>& horses) {
        std::vector<std::array<int, 3>> out;
        for (int h : horses) out.push_back({h, 0, 0});
        return out;
    };
    struct Plan {
        BetKind kind;
        std::vector<std::array<int, 3>> combos;
        std::size_t limit;
    };
    const Plan plans[] = {
        {BetKind::Win, one(winners), 3}, {BetKind::Place, one(placed), 5}, {BetKind::Bracket, bracketPairs, 3},
        {BetKind::Quinella, pairs2, 3},  {BetKind::Wide, widePairs, 7},    {BetKind::Exacta, ordered2, 6},
        {BetKind::Trio, triples3, 3},    {BetKind::Trifecta, ordered3, 6},
    };
    for (const auto& plan : plans) {
        const OddsEntries& entries = book.of(plan.kind);
        if (!entries.sold) continue;
        std::vector<std::size_t> indexes;
        std::vector<std::array<int, 3>> combos;
        for (const auto& c : plan.combos) {
            if (indexes.size() == plan.limit) break;  // more winners than the payout record holds
            std::size_t index = 0;
            switch (plan.kind) {
                case BetKind::Win:
                case BetKind::Place: index = static_cast<std::size_t>(c[0] - 1); break;
                case BetKind::Bracket:
                    index = static_cast<std::size_t>(CombinationTable::bracketPairIndex(c[0], c[1]));
                    break;
                case BetKind::Quinella:
                case BetKind::Wide: index = static_cast<std::size_t>(CombinationTable::pairIndex(c[0], c[1])); break;
                case BetKind::Exacta:
                    index = static_cast<std::size_t>(CombinationTable::orderedPairIndex(c[0], c[1]));
                    break;
                case BetKind::Trio:
                    index = static_cast<std::size_t>(CombinationTable::tripleIndex(c[0], c[1], c[2]));
                    break;
                case BetKind::Trifecta:
                    index = static_cast<std::size_t>(CombinationTable::orderedTripleIndex(c[0], c[1], c[2]));
                    break;
            }
            if (entries.state[index] != EntryState::Open) continue;
            indexes.push_back(index);
            combos.push_back(c);
        }
        payout.kinds[static_cast<std::size_t>(plan.kind)] = settle(entries, plan.kind, indexes, combos);
    }
    return payout;
}

}  // namespace marovix::feedgen
