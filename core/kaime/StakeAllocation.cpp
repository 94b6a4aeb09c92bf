#include "core/kaime/StakeAllocation.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/common/Format.h"
#include "core/race/JvRecord.h"

namespace marovix {
namespace {

constexpr Rgb kBlack = 0x000000;
constexpr Rgb kRed = 0xFF0000;
constexpr std::string_view kKesu = "消";

// The grid's data rows may be allocated: at least one, at most 4896, and row 1 carries odds text.
bool allocatable(const KaimeGrid& grid) {
    const int rows = grid.rowCount() - 1;
    return rows >= 1 && rows <= kMaxKaimeRows && !isAllBlanks(grid.cell(KaimeCol::Odds, 1));
}

struct ValidRow {
    int row;
    double odds;
};

std::vector<ValidRow> validRows(const KaimeGrid& grid) {
    std::vector<ValidRow> rows;
    for (int row = 1; row < grid.rowCount(); ++row)
        if (isValidKaimeRow(grid, row)) rows.push_back({row, *kaimeOdds(grid.cell(KaimeCol::Odds, row))});
    return rows;
}

// 100 x Trunc(x): the stake formulas round to whole hundreds of yen.
long long hundreds(double x) { return 100 * static_cast<long long>(std::trunc(x)); }

}  // namespace

std::optional<HaibunMethod> haibunMethodOf(int value) {
    if (value < 0 || value > static_cast<int>(HaibunMethod::Kihai)) return std::nullopt;
    return static_cast<HaibunMethod>(value);
}

std::optional<double> kaimeOdds(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    const std::string trimmed(text.substr(first, text.find_last_not_of(' ') - first + 1));
    char* end = nullptr;
    const double value = std::strtod(trimmed.c_str(), &end);
    if (end != trimmed.c_str() + trimmed.size() || !std::isfinite(value) || value <= 0) return std::nullopt;
    return value;
}

bool isValidKaimeRow(const KaimeGrid& grid, int row) {
    return !isAllBlanks(grid.cell(KaimeCol::No, row)) && grid.cell(KaimeCol::Kesu, row) != kKesu &&
           kaimeOdds(grid.cell(KaimeCol::Odds, row)).has_value();
}

void AllocateStakes(KaimeGrid& grid, HaibunMethod method, int amount, StakeLabels labels) {
    if (amount < kMinimumStake || !allocatable(grid)) return;
    for (int row = 1; row < grid.rowCount(); ++row)
        for (KaimeCol column : {KaimeCol::Stake, KaimeCol::Return, KaimeCol::ReturnRate}) grid.setCell(column, row, {});
    const std::vector<ValidRow> rows = validRows(grid);
    const auto n = static_cast<long long>(rows.size());
    if (n == 0) {
        // Nothing to stake on: no totals (the rates would divide by zero).
        labels.tensu.text.clear();
        labels.toshi.text.clear();
        labels.yosoKaishu.text.clear();
        return;
    }
    const double a = amount;
    std::vector<long long> stakes(rows.size());
    switch (method) {
        case HaibunMethod::Kinto:
            stakes.assign(rows.size(), std::max<long long>(kMinimumStake, hundreds(a / n / 100 + 0.9)));
            break;
        case HaibunMethod::Hirei: {
            // Weights against the odds of row 1 (a "消" row 1 still sets the scale).
            const double first = kaimeOdds(grid.cell(KaimeCol::Odds, 1)).value_or(0);
            std::vector<double> weights;
            double sum = 0;
            for (const ValidRow& r : rows) sum += weights.emplace_back(100 * first / r.odds);
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const double share = sum > 0 ? weights[i] / sum * 100 : 0;
                stakes[i] = std::max<long long>(kMinimumStake, hundreds(a * share / 10000 + 0.95));
            }
            break;
        }
        case HaibunMethod::Kinitsu: stakes.assign(rows.size(), std::max(kMinimumStake, amount)); break;
        case HaibunMethod::Kihai:
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const long long s = hundreds(a / rows[i].odds / 100 + 0.99);
                stakes[i] = s == 0 ? kMinimumStake : s;
            }
            break;
    }
    long long total = 0;
    for (long long s : stakes) total += s;
    double returns = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double back = static_cast<double>(stakes[i]) * rows[i].odds;
        grid.setCell(KaimeCol::Stake, rows[i].row, formatted("%6lld", stakes[i]));
        grid.setCell(KaimeCol::Return, rows[i].row, formatted("%7.0f", back));
        grid.setCell(KaimeCol::ReturnRate, rows[i].row, formatted("%7.1f", back / static_cast<double>(total) * 100));
        returns += std::trunc(back);
    }
    const double rate = returns / static_cast<double>(n) / static_cast<double>(total) * 100;
    labels.tensu.text = formatted("%3lld", n);
    labels.toshi.text = formatted("%6lld", total);
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
