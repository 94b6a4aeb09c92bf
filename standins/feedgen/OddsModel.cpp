#include "standins/feedgen/OddsModel.h"

#include <algorithm>
#include <cmath>

#include "standins/feedgen/CombinationTable.h"
#include "standins/feedgen/Prng.h"

namespace marovix::feedgen {
namespace {

enum OddsStream : std::uint64_t { kMarketStream = 21, kVoteStream };

// Final pools of an ordinary race in votes (100 yen each), by bet type.
constexpr double kBasePools[kBetKinds] = {300000, 350000, 120000, 900000, 450000, 600000, 1200000, 3500000};
constexpr int kSnapshotSpan = 60;          // the first snapshot this many minutes before post
constexpr int kPreviousEvening = -7 * 60;  // 17:00 of the day before
constexpr double kFinalError = 0.25;       // spread of the market's misjudgement at post time (log scale)
constexpr double kDriftPerTenMinutes = 0.07;
constexpr double kVoteNoise = 0.08;
constexpr double kMaxFavourite = 0.7;  // the market's largest win probability

double poolShare(int minutesBeforePost) {
    if (minutesBeforePost > kSnapshotSpan) return 0.12;
    const double rest = 1.0 - static_cast<double>(minutesBeforePost) / kSnapshotSpan;
    return 0.3 + 0.7 * rest * rest;
}

void prepare(OddsEntries& entries, std::size_t size, bool high) {
    entries.state.assign(size, EntryState::Absent);
    entries.votes.assign(size, 0);
    entries.odds.assign(size, 0);
    entries.popularity.assign(size, 0);
    if (high) entries.oddsHigh.assign(size, 0);
    entries.total = 0;
}

// Whole votes from a pool and a probability, with a little noise of the crowd; at least one vote.
std::int64_t votesFor(double pool, double probability, Prng& prng) {
    const double v = pool * probability * (1.0 + kVoteNoise * (prng.unit() - 0.5));
    return std::max<std::int64_t>(1, static_cast<std::int64_t>(v + 0.5));
}

// Odds of every open entry from its votes, and popularity by votes: most votes first, then the lower
// combination number. The order comes from a stable radix sort (a byte per pass, starting from the
// combination order), which keeps the 4896 trifecta entries cheap.
void settle(OddsEntries& entries, BetKind kind) {
    std::vector<std::uint32_t> order, spare;
    std::vector<std::uint32_t> key(entries.state.size(), 0);
    entries.total = 0;
    for (std::size_t i = 0; i < entries.state.size(); ++i)
        if (entries.state[i] == EntryState::Open) {
            entries.total += entries.votes[i];
            order.push_back(static_cast<std::uint32_t>(i));
            key[i] = 0xFFFFFFFFu - static_cast<std::uint32_t>(std::min<std::int64_t>(entries.votes[i], 0xFFFFFFFFll));
        }
    const std::int64_t net = entries.netMilli(kind);
    for (auto i : order) entries.odds[i] = OddsModel::oddsOf(net, entries.votes[i], kind);
    spare.resize(order.size());
    for (int shift = 0; shift < 32; shift += 8) {
        std::size_t counts[257] = {};
        for (auto i : order) ++counts[((key[i] >> shift) & 0xFF) + 1];
        if (counts[((key[order.empty() ? 0 : order[0]] >> shift) & 0xFF) + 1] == order.size()) continue;
        for (int b = 0; b < 256; ++b) counts[b + 1] += counts[b];
        for (auto i : order) spare[counts[(key[i] >> shift) & 0xFF]++] = i;
        order.swap(spare);
    }
    for (std::size_t r = 0; r < order.size(); ++r) entries.popularity[order[r]] = static_cast<int>(r) + 1;
}

// Popularity of ranged odds (place, quinella place) by the low end, then the high end, then the
// number, so that the published order follows the published odds.
void rankByRange(OddsEntries& entries) {
    std::vector<std::uint64_t> keys;
    for (std::size_t i = 0; i < entries.state.size(); ++i)
        if (entries.state[i] == EntryState::Open)
            keys.push_back((static_cast<std::uint64_t>(entries.odds[i]) << 40) |
                           (static_cast<std::uint64_t>(entries.oddsHigh[i]) << 16) | i);
    std::sort(keys.begin(), keys.end());
    for (std::size_t r = 0; r < keys.size(); ++r) entries.popularity[keys[r] & 0xFFFF] = static_cast<int>(r) + 1;
}

// Odds in 0.1 units of one winning entry among `shares` that split the profit of the pool, when the
// winning entries together hold `winningVotes`.
int shareOdds(std::int64_t netMilli, std::int64_t votes, std::int64_t winningVotes, int shares, BetKind kind) {
    const std::int64_t profit = std::max<std::int64_t>(0, netMilli - 1000 * winningVotes);
    const std::int64_t odds = (1000 * shares * votes + profit) * 10 / (1000 * shares * votes);
    return static_cast<int>(std::clamp<std::int64_t>(odds, 10, kBetRules[static_cast<int>(kind)].maxOdds));
}

}  // namespace

int OddsModel::oddsOf(std::int64_t netMilli, std::int64_t votes, BetKind kind) {
    const std::int64_t odds = netMilli / (100 * votes);
    return static_cast<int>(std::clamp<std::int64_t>(odds, 10, kBetRules[static_cast<int>(kind)].maxOdds));
}

OddsModel::OddsModel(const Race& race, std::uint64_t seed, std::int64_t dayNumber)
    : m_race(race), m_seed(seed), m_dayNumber(dayNumber) {
    if (race.previousDaySales) m_minutes.push_back(kPreviousEvening);
    for (int before : kSnapshotsBeforePost) m_minutes.push_back(race.postMinute - before);

    Prng prng = Prng::forKey(seed, {static_cast<std::uint64_t>(dayNumber),
                                    static_cast<std::uint64_t>(race.course * 100 + race.number), kMarketStream});
    const std::size_t runners = race.runners.size();
    m_logShift.assign(m_minutes.size(), std::vector<double>(runners, 0.0));
    for (auto& shift : m_logShift.back()) shift = kFinalError * prng.normal();
    for (std::size_t s = m_minutes.size() - 1; s-- > 0;) {
        // A random walk back from the final odds: the further from post, the further off.
        const double step = kDriftPerTenMinutes * std::sqrt((m_minutes[s + 1] - m_minutes[s]) / 10.0);
        for (std::size_t i = 0; i < runners; ++i) m_logShift[s][i] = m_logShift[s + 1][i] + step * prng.normal();
    }
    m_volume = race.poolLevel / 100.0 * (0.8 + 0.45 * prng.unit());
}

OddsBook OddsModel::book(std::size_t index) const {
    const int minute = m_minutes[index];
    const int n = m_race.registered();
    OddsBook book;
    book.registered = n;

    // Who is still in, and the market's win probabilities: the strengths of the runners still in (a
    // runner scratched later is in the market until the announcement), shifted by the market's error.
    bool open[kMaxHorses + 1] = {};
    bool scratched[kMaxHorses + 1] = {};
    double q[kMaxHorses + 1] = {};
    double best = -1e9;
    for (int h = 1; h <= n; ++h) {
        const Runner& r = m_race.runners[static_cast<std::size_t>(h - 1)];
        if (r.scratched && r.scratchMinute <= minute) {
            scratched[h] = true;
            continue;
        }
        open[h] = true;
        ++book.starters;
        best = std::max(best, r.strength);
    }
    double sum = 0;
    for (int h = 1; h <= n; ++h) {
        if (!open[h]) continue;
        const auto i = static_cast<std::size_t>(h - 1);
        q[h] = deterministicExp(m_race.spread * (m_race.runners[i].strength - best) + m_logShift[index][i]);
        sum += q[h];
    }
    double top = 0;
    for (int h = 1; h <= n; ++h) {
        q[h] /= sum;
        top = std::max(top, q[h]);
    }
    // Even a runaway favourite keeps some doubt in the market: blend towards an even field.
    if (top > kMaxFavourite) {
        const double keep = (kMaxFavourite - 1.0 / book.starters) / (top - 1.0 / book.starters);
        for (int h = 1; h <= n; ++h)
            if (open[h]) q[h] = keep * q[h] + (1.0 - keep) / book.starters;
    }
    book.placeCount = book.starters <= 7 ? 2 : 3;

    Prng prng = Prng::forKey(m_seed, {static_cast<std::uint64_t>(m_dayNumber),
                                      static_cast<std::uint64_t>(m_race.course * 100 + m_race.number),
                                      static_cast<std::uint64_t>(index), kVoteStream});
    const int before = m_race.postMinute - minute;
    double pools[kBetKinds];
    for (int k = 0; k < kBetKinds; ++k) pools[k] = kBasePools[k] * m_volume * poolShare(before);

    auto stateOf = [&](int a, int b, int c) {
        if (a > n || b > n || c > n) return EntryState::Absent;
        if (scratched[a] || scratched[b] || (c > 0 && scratched[c])) return EntryState::Scratched;
        return EntryState::Open;
    };

    // Harville: every ordered triple's probability; the places, trios and pairs are sums of them.
    const auto& orderedTriples = CombinationTable::orderedTriples();
    std::vector<double> trifectaP(orderedTriples.size(), 0.0);
    std::vector<double> trioP(CombinationTable::triples().size(), 0.0);
    std::vector<double> wideP(CombinationTable::pairs().size(), 0.0);
    double placeP[kMaxHorses + 1] = {};
    for (std::size_t i = 0; i < orderedTriples.size(); ++i) {
        const int a = orderedTriples[i].first, b = orderedTriples[i].second, c = orderedTriples[i].third;
        if (!open[a] || !open[b] || !open[c]) continue;
        const double p = q[a] * q[b] / (1.0 - q[a]) * q[c] / (1.0 - q[a] - q[b]);
        trifectaP[i] = p;
        int lo = std::min({a, b, c}), hi = std::max({a, b, c});
        int mid = a + b + c - lo - hi;
        trioP[static_cast<std::size_t>(CombinationTable::tripleIndex(lo, mid, hi))] += p;
        wideP[static_cast<std::size_t>(CombinationTable::pairIndex(std::min(a, b), std::max(a, b)))] += p;
        wideP[static_cast<std::size_t>(CombinationTable::pairIndex(std::min(a, c), std::max(a, c)))] += p;
        wideP[static_cast<std::size_t>(CombinationTable::pairIndex(std::min(b, c), std::max(b, c)))] += p;
        placeP[a] += p;
        placeP[b] += p;
        placeP[c] += p;
    }
    auto exactaP = [&](int a, int b) { return q[a] * q[b] / (1.0 - q[a]); };
    if (book.placeCount == 2) {
        for (int h = 1; h <= n; ++h) placeP[h] = 0;
        for (int a = 1; a <= n; ++a)
            for (int b = 1; b <= n; ++b)
                if (a != b && open[a] && open[b]) {
                    placeP[a] += exactaP(a, b);
                    placeP[b] += exactaP(a, b);
                }
    }

    // Place bettors lean to the favourites more than the places' chances alone would say.
    double placeShare[kMaxHorses + 1] = {};
    double placeSum = 0;
    for (int h = 1; h <= n; ++h)
        if (open[h]) placeSum += placeShare[h] = placeP[h] * (1.0 + placeP[h]);
    for (int h = 1; h <= n; ++h) placeShare[h] /= placeSum;

    // Win and place.
    OddsEntries& win = book.of(BetKind::Win);
    OddsEntries& place = book.of(BetKind::Place);
    prepare(win, kMaxHorses, false);
    prepare(place, kMaxHorses, true);
    for (int h = 1; h <= n; ++h) {
        const auto i = static_cast<std::size_t>(h - 1);
        win.state[i] = place.state[i] = stateOf(h, h, 0);
        if (!open[h]) continue;
        win.votes[i] = votesFor(pools[0], q[h], prng);
        place.votes[i] = votesFor(pools[1], placeShare[h], prng);
    }
    settle(win, BetKind::Win);
    settle(place, BetKind::Place);
    // Place odds run from the case where the favourites fill the other places (low) to the case
    // where the outsiders do (high).
    {
        std::vector<std::int64_t> others;
        const std::int64_t net = place.netMilli(BetKind::Place);
        const int k = book.placeCount;
        for (int h = 1; h <= n; ++h) {
            const auto i = static_cast<std::size_t>(h - 1);
            if (!open[h]) continue;
            others.clear();
            for (int o = 1; o <= n; ++o)
                if (o != h && open[o]) others.push_back(place.votes[static_cast<std::size_t>(o - 1)]);
            std::sort(others.begin(), others.end());
            std::int64_t most = place.votes[i], least = place.votes[i];
            for (int j = 0; j < k - 1 && j < static_cast<int>(others.size()); ++j) {
                most += others[others.size() - 1 - static_cast<std::size_t>(j)];
                least += others[static_cast<std::size_t>(j)];
            }
            place.odds[i] = shareOdds(net, place.votes[i], most, k, BetKind::Place);
            place.oddsHigh[i] = shareOdds(net, place.votes[i], least, k, BetKind::Place);
        }
        rankByRange(place);
    }

    // Quinella, quinella place.
    const auto& pairs = CombinationTable::pairs();
    OddsEntries& quinella = book.of(BetKind::Quinella);
    OddsEntries& wide = book.of(BetKind::Wide);
    prepare(quinella, pairs.size(), false);
    prepare(wide, pairs.size(), true);
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const int a = pairs[i].first, b = pairs[i].second;
        quinella.state[i] = wide.state[i] = stateOf(a, b, 0);
        if (quinella.state[i] != EntryState::Open) continue;
        quinella.votes[i] = votesFor(pools[3], exactaP(a, b) + exactaP(b, a), prng);
        wide.votes[i] = votesFor(pools[4] / 3, wideP[i], prng);
    }
    settle(quinella, BetKind::Quinella);
    settle(wide, BetKind::Wide);
    {
        const std::int64_t net = wide.netMilli(BetKind::Wide);
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            if (wide.state[i] != EntryState::Open) continue;
            const int a = pairs[i].first, b = pairs[i].second;
            std::int64_t most = -1, least = -1;
            for (int c = 1; c <= n; ++c) {
                if (c == a || c == b || !open[c]) continue;
                const std::int64_t w =
                    wide.votes[i] +
                    wide.votes[static_cast<std::size_t>(CombinationTable::pairIndex(std::min(a, c), std::max(a, c)))] +
                    wide.votes[static_cast<std::size_t>(CombinationTable::pairIndex(std::min(b, c), std::max(b, c)))];
                most = most < 0 ? w : std::max(most, w);
                least = least < 0 ? w : std::min(least, w);
            }
            if (most < 0) most = least = wide.votes[i];
            wide.odds[i] = shareOdds(net, wide.votes[i], most, 3, BetKind::Wide);
            wide.oddsHigh[i] = shareOdds(net, wide.votes[i], least, 3, BetKind::Wide);
        }
        rankByRange(wide);
    }

    // Bracket quinella: sold with nine or more registered runners (else brackets are horses).
    OddsEntries& bracket = book.of(BetKind::Bracket);
    const auto& bracketPairs = CombinationTable::bracketPairs();
    prepare(bracket, bracketPairs.size(), false);
    bracket.sold = n >= 9;
    if (bracket.sold) {
        int registeredIn[9] = {}, openIn[9] = {};
        for (int h = 1; h <= n; ++h) {
            ++registeredIn[CombinationTable::bracketOf(n, h)];
            if (open[h]) ++openIn[CombinationTable::bracketOf(n, h)];
        }
        std::vector<double> bracketP(bracketPairs.size(), 0.0);
        for (int a = 1; a <= n; ++a)
            for (int b = a + 1; b <= n; ++b) {
                if (!open[a] || !open[b]) continue;
                const int x = CombinationTable::bracketOf(n, a), y = CombinationTable::bracketOf(n, b);
                bracketP[static_cast<std::size_t>(CombinationTable::bracketPairIndex(
                    std::min(x, y), std::max(x, y)))] += exactaP(a, b) + exactaP(b, a);
            }
        for (std::size_t i = 0; i < bracketPairs.size(); ++i) {
            const int x = bracketPairs[i].first, y = bracketPairs[i].second;
            const bool exists = x == y ? registeredIn[x] >= 2 : registeredIn[x] >= 1 && registeredIn[y] >= 1;
            const bool playable = x == y ? openIn[x] >= 2 : openIn[x] >= 1 && openIn[y] >= 1;
            bracket.state[i] = !exists ? EntryState::Absent : playable ? EntryState::Open : EntryState::Scratched;
            if (bracket.state[i] == EntryState::Open) bracket.votes[i] = votesFor(pools[2], bracketP[i], prng);
        }
        settle(bracket, BetKind::Bracket);
    }

    // Exacta.
    const auto& orderedPairs = CombinationTable::orderedPairs();
    OddsEntries& exacta = book.of(BetKind::Exacta);
    prepare(exacta, orderedPairs.size(), false);
    for (std::size_t i = 0; i < orderedPairs.size(); ++i) {
        const int a = orderedPairs[i].first, b = orderedPairs[i].second;
        exacta.state[i] = stateOf(a, b, 0);
        if (exacta.state[i] == EntryState::Open) exacta.votes[i] = votesFor(pools[5], exactaP(a, b), prng);
    }
    settle(exacta, BetKind::Exacta);

    // Trio and trifecta.
    const auto& triples = CombinationTable::triples();
    OddsEntries& trio = book.of(BetKind::Trio);
    prepare(trio, triples.size(), false);
    for (std::size_t i = 0; i < triples.size(); ++i) {
        trio.state[i] = stateOf(triples[i].first, triples[i].second, triples[i].third);
        if (trio.state[i] == EntryState::Open) trio.votes[i] = votesFor(pools[6], trioP[i], prng);
    }
    settle(trio, BetKind::Trio);
    OddsEntries& trifecta = book.of(BetKind::Trifecta);
    prepare(trifecta, orderedTriples.size(), false);
    for (std::size_t i = 0; i < orderedTriples.size(); ++i) {
        trifecta.state[i] = stateOf(orderedTriples[i].first, orderedTriples[i].second, orderedTriples[i].third);
        if (trifecta.state[i] == EntryState::Open) trifecta.votes[i] = votesFor(pools[7], trifectaP[i], prng);
    }
    settle(trifecta, BetKind::Trifecta);
    return book;
}

}  // namespace marovix::feedgen
