#include "core/kaime/CombinedList.h"

#include <cstdio>
#include <string>
#include <vector>

#include "core/common/Format.h"
#include "core/common/Yen.h"
#include "core/kaime/StakeAllocation.h"
#include "core/race/JvRecord.h"

namespace marovix {
void KaimeMix(KaimeGrid& all, std::span<const KaimeGrid* const> participating, CombinedListLabels labels) {
    std::vector<std::string> marks;
    for (int row = 1; row < all.rowCount(); ++row) marks.push_back(all.cell(KaimeCol::Kesu, row));
    labels.tensu.text.clear();
    labels.toshi.text.clear();
    labels.yosoKaishu.text.clear();

    int count = 0;
    for (const KaimeGrid* grid : participating) {
        if (lenientInt(grid->cell(KaimeCol::No, 1)) <= 0) continue;
        count += grid->rowCount() - 1;
    }
    all.clearBody();
    all.setRowCount(std::max(count, 1) + 1);
    for (std::size_t i = 0; i < marks.size() && static_cast<int>(i) + 1 < all.rowCount(); ++i)
        all.setCell(KaimeCol::Kesu, static_cast<int>(i) + 1, marks[i]);

    int row = 0;
    for (const KaimeGrid* grid : participating) {
        if (lenientInt(grid->cell(KaimeCol::No, 1)) <= 0) continue;
        for (int source = 1; source < grid->rowCount(); ++source) {
            ++row;
            all.setCell(KaimeCol::No, row, formatted("%3d", row));
            // The body was emptied above: only the cells with a text are copied.
            for (int c = KaimeGrid::index(KaimeCol::Baken); c < KaimeGrid::kColumnCount; ++c)
                if (const std::string& text = grid->text().cell(c, source); !text.empty())
                    all.text().setCell(c, row, text);
        }
    }
}

void SogoKaiKei(const KaimeGrid& all, CombinedTotalsLabels labels) {
    for (Label* label : {&labels.soTensu, &labels.soTohyoGaku, &labels.yosoKaisyu, &labels.soGO}) label->text.clear();
    long long count = 0;
    Yen stakes = 0, returns = 0;
    for (int row = 1; row < all.rowCount(); ++row) {
        const Yen stake = lenientYen(all.cell(KaimeCol::Stake, row));
        if (stake <= 0) continue;
        ++count;
        stakes = addYen(stakes, stake);
        returns = addYen(returns, lenientYen(all.cell(KaimeCol::Return, row)));
    }
    labels.soTensu.text = formatted("%4lld", count);
    labels.soTohyoGaku.text = formatted("%8lld", static_cast<long long>(stakes));
    if (stakes <= 0) return;
    const double rate = static_cast<double>(returns) / static_cast<double>(count) / static_cast<double>(stakes) * 100;
    labels.yosoKaisyu.text = formatted("%6.1f", rate);
    labels.yosoKaisyu.color = rate > 100 ? kBlue : kRed;
    ShowSyntheticOdds(all, labels.soGO);
}

bool toggleKesu(KaimeGrid& grid, int row) {
    if (row < 1 || row >= grid.rowCount()) return false;
    grid.setCell(KaimeCol::Kesu, row,
                 grid.cell(KaimeCol::Kesu, row) == kKesuMark ? std::string() : std::string(kKesuMark));
    return true;
}

}  // namespace marovix
