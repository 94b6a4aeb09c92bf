#include "core/strategy/KenshoModel.h"

#include <algorithm>

#include "core/common/ColumnLayout.h"
#include "core/common/ListBox.h"
#include "core/common/TextFile.h"

namespace marovix {
namespace {

using Col = KenshoCol;

constexpr ColumnLayout kGridLayout[] = {
    columnLayout(Col::Year, "年", 40),         columnLayout(Col::Month, "月", 25),
    columnLayout(Col::Day, "日", 25),          columnLayout(Col::Basho, "場所", 40),
    columnLayout(Col::Kai, "回", 25),          columnLayout(Col::Nichi, "日", 25),
    columnLayout(Col::RaceNum, "R", 25),       columnLayout(Col::RaceName, "ﾚｰｽ名", 60),
    columnLayout(Col::Tosu, "頭", 25),         columnLayout(Col::Grade, "GR", 40),
    columnLayout(Col::Shubetsu, "競走種", 80), columnLayout(Col::Joken, "条件", 60),
    columnLayout(Col::Juryo, "重量", 40),      columnLayout(Col::Track, "TR", 25),
    columnLayout(Col::Kyori, "距離", 40),      columnLayout(Col::Baba, "馬場", 40),
    columnLayout(Col::Tensu, "点数", 40),      columnLayout(Col::Toshi, "投票金額", 70),
    columnLayout(Col::Kaishu, "回収金額", 70),
};

}  // namespace

KenshoModel::KenshoModel(std::string appFolder) : m_appFolder(std::move(appFolder)) {
    applyColumnLayout(kGridLayout, m_state.stringGrid1);
}

std::string KenshoModel::workFilePath() const { return joinPath(m_appFolder, kWorkFileName); }

void KenshoModel::listClick(FilterListId list, int item, bool selected) {
    std::vector<bool>& flags = m_state.filter.list(list);
    if (item < 0 || item >= static_cast<int>(flags.size())) return;
    m_notices.run([&] {
        flags[static_cast<std::size_t>(item)] = selected;
        m_notices.changed(Part::Filter);
    });
}

void KenshoModel::listContextPopup(FilterListId list) {
    m_notices.run([&] {
        selectAllOrClear(m_state.filter.list(list));
        m_notices.changed(Part::Filter);
    });
}

void KenshoModel::KyoriEditChange(bool from, int metres) {
    m_notices.run([&] {
        const DistanceRange range = from ? kKyoriEdit01Range : kKyoriEdit02Range;
        (from ? m_state.filter.kyoriFrom : m_state.filter.kyoriTo) = std::clamp(metres, range.minimum, range.maximum);
        m_notices.changed(Part::Filter);
    });
}

void KenshoModel::prepareForSimulation() {
    m_notices.join([&] {
        emptyGrid();
        m_state.filter = RaceFilter{};
        m_notices.changed(Part::Filter);
    });
}

void KenshoModel::ReadDataBtnClick() {
    m_notices.run([&] {
        for (std::size_t i = 0; i < LabelSet<LabelId>::kCount; ++i)
            m_state.labels[static_cast<LabelId>(i)].text.clear();
        m_notices.changed(Part::Results);
        if (fileExists(workFilePath())) emptyGrid();
    });
}

void KenshoModel::emptyGrid() {
    m_state.stringGrid1.setRowCount(2);
    m_state.stringGrid1.clearBody();
    m_notices.changed(Part::Grid);
}

}  // namespace marovix
