#include "core/kaime/SelectionBuilder.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <span>
#include <utility>
#include <vector>

#include "core/common/Format.h"
#include "core/common/Trim.h"
#include "core/kaime/MarkStrategy.h"
#include "core/kaime/Marks.h"
#include "core/odds/CombinationNumber.h"
#include "core/race/JvRecord.h"
#include "core/race/WakuOfUmaban.h"

namespace marovix {
namespace {

// A pattern names, per finishing position, the mark its horse must carry.
using Pattern = std::array<int, 3>;
constexpr int Hon = 0, Tai = 1, Ana = 2, None = -1;  // ◎, ○, ▲, position unused

// The patterns of one buying method: always, added with "マルチ", and added by each partial multi.
struct MethodPatterns {
    std::span<const Pattern> always;
    std::span<const Pattern> multi;
    std::array<Pattern, 3> partial{
        {{None, None, None}, {None, None, None}, {None, None, None}}};  // "1,2着", "2,3着", "1,3着"
};

constexpr Pattern kSingle[] = {{Hon, None, None}};
constexpr Pattern kPairBox[] = {{Hon, Hon, None}};
constexpr Pattern kPairAxis[] = {{Hon, Tai, None}};
constexpr Pattern kPairAxisMulti[] = {{Tai, Hon, None}};
constexpr Pattern kTripleBox[] = {{Hon, Hon, Hon}};
constexpr Pattern kOneAxis[] = {{Hon, Tai, Tai}};
constexpr Pattern kOneAxisMulti[] = {{Tai, Hon, Tai}, {Tai, Tai, Hon}};
constexpr Pattern kTwoAxis[] = {{Hon, Hon, Tai}};
constexpr Pattern kFormation[] = {{Hon, Tai, Ana}};
constexpr Pattern kFormationMulti[] = {
    {Hon, Ana, Tai}, {Tai, Hon, Ana}, {Tai, Ana, Hon}, {Ana, Tai, Hon}, {Ana, Hon, Tai}};

constexpr MethodPatterns kSingleMethods[] = {{kSingle, {}}};
constexpr MethodPatterns kPairMethods[] = {{kPairBox, {}}, {kPairAxis, {}}};
constexpr MethodPatterns kExactaMethods[] = {{kPairBox, {}}, {kPairAxis, kPairAxisMulti}};
constexpr MethodPatterns kTrioMethods[] = {{kTripleBox, {}}, {kOneAxis, {}}, {kTwoAxis, {}}, {kFormation, {}}};
constexpr MethodPatterns kTrifectaMethods[] = {
    {kTripleBox, {}},
    {kOneAxis, kOneAxisMulti},
    {kFormation, kFormationMulti},
    {kFormation, kFormationMulti, {{{Tai, Hon, Ana}, {Hon, Ana, Tai}, {Ana, Tai, Hon}}}},
};

// What differs between the bet types.
struct BetRules {
    int horses;     // horses per combination
    bool ordered;   // the text keeps the finishing order (exacta, trifecta)
    bool brackets;  // the horses stand for their brackets (bracket quinella)
    bool ranked;    // win and place: a horse needs a popularity; the others need their odds record read
    OddsKind kind;  // the odds record of the bet type
    int (*number)(std::string_view);  // the combination number of a text; none: the horse number
    // Win and place: their lists of the table. The others read their combinations from the raw record.
    std::span<const double> (*odds)(const WinPlaceOdds&);
    std::span<const int> (*popularity)(const WinPlaceOdds&);
    int noWidth;  // column "No.": "%2d", "%3d" or "%4d"
    const char* oddsFormat;
    int oddsWidth;
    bool keepsKesu;  // the win grid keeps the user's "消" marks
    std::span<const MethodPatterns> methods;
};

const BetRules kBetRules[] = {
    {1, false, false, true, OddsKind::O1, nullptr,
     [](const WinPlaceOdds& t) { return std::span<const double>(t.TanOdds); },
     [](const WinPlaceOdds& t) { return std::span<const int>(t.TanPop); }, 2, "%6.1f", 6, true, kSingleMethods},
    {1, false, false, true, OddsKind::O1, nullptr,
     [](const WinPlaceOdds& t) { return std::span<const double>(t.FukOddsLow); },
     [](const WinPlaceOdds& t) { return std::span<const int>(t.FukLowPop); }, 2, "%6.1f", 6, false, kSingleMethods},
    {2, false, true, false, OddsKind::O1, CombNoWR, nullptr, nullptr, 2, "%7.1f", 7, false, kPairMethods},
    {2, false, false, false, OddsKind::O2, CombNoPair, nullptr, nullptr, 2, "%7.1f", 7, false, kPairMethods},
    {2, false, false, false, OddsKind::O3, CombNoPair, nullptr, nullptr, 2, "%7.1f", 7, false, kPairMethods},
    {2, true, false, false, OddsKind::O4, CombNoUT, nullptr, nullptr, 2, "%7.1f", 7, false, kExactaMethods},
    {3, false, false, false, OddsKind::O5, CombNoSRF, nullptr, nullptr, 3, "%7.1f", 7, false, kTrioMethods},
    {3, true, false, false, OddsKind::O6, CombNoSRT, nullptr, nullptr, 4, "%8.1f", 8, false, kTrifectaMethods},
};
static_assert(std::size(kBetRules) == kBetTypes.size());

// Numbers 1..18 (horses) or 1..8 (brackets) of a combination, in base 19: key order is text order, since
// "%2d" numbers sort as text in numeric order.
constexpr int kBase = 19;

// The patterns a build uses, by method and multi options; an unknown method builds nothing.
std::vector<Pattern> patternsOf(const BetRules& rules, const SelectionOptions& options) {
    std::vector<Pattern> patterns;
    const int method = rules.methods.size() == 1 ? 0 : options.method;
    if (method < 0 || method >= static_cast<int>(rules.methods.size())) return patterns;
    const MethodPatterns& chosen = rules.methods[static_cast<std::size_t>(method)];
    patterns.assign(chosen.always.begin(), chosen.always.end());
    if (options.multi[0]) {
        patterns.insert(patterns.end(), chosen.multi.begin(), chosen.multi.end());
    } else {
        for (std::size_t i = 0; i < chosen.partial.size(); ++i)
            if (options.multi[i + 1] && chosen.partial[i][0] != None) patterns.push_back(chosen.partial[i]);
    }
    return patterns;
}

// Format("%<width>d") of a row number, without the cost of a format string: thousands of rows a build.
std::string rowNumber(int value, int width) {
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    const auto length = static_cast<std::size_t>(end - digits);
    std::string text(length < static_cast<std::size_t>(width) ? static_cast<std::size_t>(width) - length : 0, ' ');
    return text.append(digits, length);
}

struct Kept {
    std::string text;
    std::string odds;
};

}  // namespace

double filterNumber(std::string_view text) {
    text = trimmed(text, Blanks::Space);
    if (text.empty()) return 0;
    if (text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return error == std::errc{} && end == text.data() + text.size() ? value : 0;
}

void buildSelections(BetType bet, const SelectionRace& race, const SelectionOptions& options, KaimeGrid& grid) {
    const BetRules& rules = kBetRules[static_cast<std::size_t>(bet)];
    // 1. The data rows emptied; the win grid's "消" marks stay on their rows.
    for (int row = 1; row < grid.rowCount(); ++row) grid.clearRow(row, rules.keepsKesu ? KaimeCol::No : KaimeCol::Kesu);
    // 2.-3. The filter; a bet type that takes no part stays empty, one data row.
    const double lo = filterNumber(options.filterA) - 0.01;
    const double hi = filterNumber(options.filterB) + 0.01;
    if (!options.takesPart) {
        grid.setRowCount(2);
        return;
    }

    // 4. The horses carrying each mark, from the rows a combination may take.
    const RaceCard26Grid& card = race.card;
    const int lastRow = rules.horses == 1 ? card.rowCount() - 1 : std::min(race.registered, card.rowCount() - 1);
    std::array<std::vector<int>, kMarkCount> marked;
    for (int row = 1; row <= lastRow; ++row) {
        const int horse = lenientInt(card.cell(Card26Col::Uma, row));
        if (horse < 1 || horse > 18) continue;
        for (int mark = 0; mark < kMarkCount; ++mark)
            if (isMarked(card, markColumn(mark), row)) marked[static_cast<std::size_t>(mark)].push_back(horse);
    }
    std::vector<int> keys;  // of every combination formed, sorted and made unique below
    auto add = [&](std::array<int, 3> horses) {
        for (int i = 0; rules.brackets && i < rules.horses; ++i) {
            horses[i] = WakuOfUmaban(race.registered, horses[i]);
            if (horses[i] == 0) return;
        }
        // Unordered bet types write the smaller number first (at most three numbers to sort).
        for (int i = 1; !rules.ordered && i < rules.horses; ++i)
            for (int j = i; j > 0 && horses[j - 1] > horses[j]; --j) std::swap(horses[j - 1], horses[j]);
        int key = 0;
        for (int i = 0; i < rules.horses; ++i) key = key * kBase + horses[i];
        keys.push_back(key);
    };
    for (const Pattern& pattern : patternsOf(rules, options)) {
        const auto& first = marked[static_cast<std::size_t>(pattern[0])];
        for (int a : first) {
            if (rules.horses == 1) {
                add({a, 0, 0});
                continue;
            }
            for (int b : marked[static_cast<std::size_t>(pattern[1])]) {
                if (b == a) continue;
                if (rules.horses == 2) {
                    add({a, b, 0});
                    continue;
                }
                for (int c : marked[static_cast<std::size_t>(pattern[2])])
                    if (c != a && c != b) add({a, b, c});
            }
        }
    }

    // 5. Each combination in text order, kept by its odds.
    const std::span<const double> horseOdds = rules.ranked ? rules.odds(race.odds) : std::span<const double>();
    const std::span<const int> popularity = rules.ranked ? rules.popularity(race.odds) : std::span<const int>();
    const CombinationOddsReader combinations(race.raw, rules.kind);
    const int listed = rules.ranked ? static_cast<int>(horseOdds.size()) - 1 : combinations.count();
    const bool oddsRead =
        rules.ranked || fieldNumber(race.raw[static_cast<std::size_t>(kindIndex(rules.kind))], 26, 2) > 0;
    const std::string blankOdds(static_cast<std::size_t>(rules.oddsWidth), ' ');
    std::vector<Kept> kept;
    kept.reserve(keys.size());
    std::array<int, 3> numbers{};
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    for (const int key : keys) {
        for (int i = rules.horses - 1, rest = key; i >= 0; --i, rest /= kBase) numbers[i] = rest % kBase;
        std::string text =
            combinationText(std::span<const int>(numbers.data(), static_cast<std::size_t>(rules.horses)));
        const int k = rules.number ? rules.number(text) : numbers[0];
        if (!rules.ranked && !oddsRead) {
            kept.push_back({std::move(text), blankOdds});
            continue;
        }
        const bool inList = k > 0 && k <= listed;
        const double odds = !inList        ? 0.0
                            : rules.ranked ? horseOdds[static_cast<std::size_t>(k)]
                                           : combinations.odds(k);
        const bool inRange = inList && odds >= lo && odds <= hi;
        if (rules.ranked ? inRange && popularity[static_cast<std::size_t>(k)] > 0 : inRange && odds > 0)
            kept.push_back({std::move(text), formatted(rules.oddsFormat, odds)});
    }

    // 6. The rows (set only now: a shorter grid would lose the "消" marks of the rows it drops).
    grid.setRowCount(std::max<int>(static_cast<int>(kept.size()), 1) + 1);
    const std::string name(betTypeInfo(bet).name);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        grid.setCell(KaimeCol::No, row, rowNumber(row, rules.noWidth));
        grid.setCell(KaimeCol::Baken, row, name);
        grid.setCell(KaimeCol::Kaime, row, std::move(kept[i].text));
        grid.setCell(KaimeCol::Odds, row, std::move(kept[i].odds));
    }
}

}  // namespace marovix
