#include "core/kaime/StakeAllocation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "core/common/Format.h"
#include "core/common/Trim.h"
#include "core/race/JvRecord.h"

namespace marovix {
namespace {

// The grid's data rows may be allocated: at least one, at most 4896, and row 1 carries odds text.
bool allocatable(const KaimeGrid& grid) {
    const int rows = grid.rowCount() - 1;
    return rows >= 1 && rows <= kMaxKaimeRows && !isAllBlanks(grid.cell(KaimeCol::Odds, 1));
}

// The odds of a valid row; nothing for a row that is not valid.
std::optional<double> validRowOdds(const KaimeGrid& grid, int row) {
    if (isAllBlanks(grid.cell(KaimeCol::No, row)) || grid.cell(KaimeCol::Kesu, row) == kKesuMark) return std::nullopt;
    return kaimeOdds(grid.cell(KaimeCol::Odds, row));
}

struct ValidRow {
    int row;
    double odds;
    OddsTenths tenths;  // the same odds in whole tenths, for exact returns
};

// The valid rows (isValidKaimeRow) with their odds, each odds cell read once.
std::vector<ValidRow> validRows(const KaimeGrid& grid) {
    std::vector<ValidRow> rows;
    for (int row = 1; row < grid.rowCount(); ++row) {
        const std::optional<double> odds = validRowOdds(grid, row);
        if (odds) rows.push_back({row, *odds, oddsTenths(*odds)});
    }
    return rows;
}

// 100 x Trunc(x): the stake formulas round to whole hundreds of yen (held inside the range of amounts).
Yen hundreds(double x) {
    const double most = static_cast<double>(std::numeric_limits<Yen>::max() / 100);
    return 100 * static_cast<Yen>(std::trunc(std::clamp(x, -most, most)));
}

// Digits with at most one decimal point inside them ("33.8", "1250"), read as strtod reads them: the
// integer of all the digits and the power of ten of the decimals are both exact, so their quotient is the
// double nearest the decimal. Nothing for any other text (signs, exponents, blanks), which strtod reads.
std::optional<double> plainDecimal(std::string_view text) {
    constexpr std::size_t kMostDigits = 15;  // below 2^53: the integer is exact
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::int64_t digits = 0;
    std::size_t count = 0, point = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && point == std::string_view::npos && i > 0 && i + 1 < text.size()) {
            point = i;
        } else if (c >= '0' && c <= '9' && count < kMostDigits) {
            digits = digits * 10 + (c - '0');
            ++count;
        } else {
            return std::nullopt;
        }
    }
    const std::size_t decimals = point == std::string_view::npos ? 0 : text.size() - point - 1;
    return static_cast<double>(digits) / kPowers[decimals];
}

}  // namespace

std::optional<HaibunMethod> haibunMethodOf(int value) {
    if (value < 0 || value > static_cast<int>(HaibunMethod::Kihai)) return std::nullopt;
    return static_cast<HaibunMethod>(value);
}

std::optional<double> kaimeOdds(std::string_view text) {
    const std::string_view trimmedText = trimmed(text, Blanks::Space);
    if (trimmedText.empty()) return std::nullopt;
    if (const std::optional<double> plain = plainDecimal(trimmedText)) {
        if (*plain <= 0) return std::nullopt;
        return plain;
    }
    const std::string number(trimmedText);
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    if (end != number.c_str() + number.size() || !std::isfinite(value) || value <= 0) return std::nullopt;
    return value;
}

bool isValidKaimeRow(const KaimeGrid& grid, int row) { return validRowOdds(grid, row).has_value(); }

void AllocateStakes(KaimeGrid& grid, HaibunMethod method, Yen amount, StakeLabels labels) {
    if (amount < kMinimumStake || !allocatable(grid)) return;
    for (int row = 1; row < grid.rowCount(); ++row)
        for (KaimeCol column : {KaimeCol::Stake, KaimeCol::Return, KaimeCol::ReturnRate}) grid.setCell(column, row, {});
    const std::vector<ValidRow> rows = validRows(grid);
    const auto n = static_cast<Yen>(rows.size());
    if (n == 0) {
        // Nothing to stake on: no totals (the rates would divide by zero).
        labels.tensu.text.clear();
        labels.toshi.text.clear();
        labels.yosoKaishu.text.clear();
        return;
    }
    const auto a = static_cast<double>(amount);
    std::vector<Yen> stakes(rows.size());
    switch (method) {
        case HaibunMethod::Kinto:
            stakes.assign(rows.size(), std::max<Yen>(kMinimumStake, hundreds(a / static_cast<double>(n) / 100 + 0.9)));
            break;
        case HaibunMethod::Hirei: {
            // Weights against the odds of row 1 (a "消" row 1 still sets the scale).
            const double first = kaimeOdds(grid.cell(KaimeCol::Odds, 1)).value_or(0);
            std::vector<double> weights;
            double sum = 0;
            for (const ValidRow& r : rows) sum += weights.emplace_back(100 * first / r.odds);
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const double share = sum > 0 ? weights[i] / sum * 100 : 0;
                stakes[i] = std::max<Yen>(kMinimumStake, hundreds(a * share / 10000 + 0.95));
            }
            break;
        }
        case HaibunMethod::Kinitsu: stakes.assign(rows.size(), std::max<Yen>(kMinimumStake, amount)); break;
        case HaibunMethod::Kihai:
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const Yen s = hundreds(a / rows[i].odds / 100 + 0.99);
                stakes[i] = s == 0 ? kMinimumStake : s;
            }
            break;
    }
    Yen total = 0;
    for (Yen s : stakes) total = addYen(total, s);
    // Returns in whole tenths of the odds: exact, so that 100 × 33.8 is 3380.
    Yen returns = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Yen tenths = returnTenths(stakes[i], rows[i].tenths);
        grid.setCell(KaimeCol::Stake, rows[i].row, formatted("%6lld", static_cast<long long>(stakes[i])));
        grid.setCell(KaimeCol::Return, rows[i].row,
                     formatted("%7lld", static_cast<long long>(roundedReturn(stakes[i], rows[i].tenths))));
        grid.setCell(KaimeCol::ReturnRate, rows[i].row,
                     formatted("%7.1f", static_cast<double>(tenths) / static_cast<double>(total) * 10));
        returns = addYen(returns, truncatedReturn(stakes[i], rows[i].tenths));
    }
    const double rate = static_cast<double>(returns) / static_cast<double>(n) / static_cast<double>(total) * 100;
    labels.tensu.text = formatted("%3lld", static_cast<long long>(n));
    labels.toshi.text = formatted("%6lld", static_cast<long long>(total));
    labels.yosoKaishu.text = formatted("%7.1f", rate);
    if (rate > 100)
        labels.yosoKaishu.color = kBlack;
    else if (rate > 0)
        labels.yosoKaishu.color = kRed;
    else
        labels.yosoKaishu.color.reset();
}

std::optional<double> syntheticOdds(const KaimeGrid& grid) {
    if (!allocatable(grid)) return std::nullopt;
    double inverse = 0;
    bool any = false;
    for (const ValidRow& r : validRows(grid)) {
        inverse += 1 / r.odds;
        any = true;
    }
    if (!any) return std::nullopt;
    return 1 / inverse;
}

void ShowSyntheticOdds(const KaimeGrid& grid, Label& label) {
    const std::optional<double> odds = syntheticOdds(grid);
    label.text = odds ? formatted("%7.2f", *odds) : std::string();
}

}  // namespace marovix
