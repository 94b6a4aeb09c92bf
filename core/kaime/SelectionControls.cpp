#include "core/kaime/SelectionControls.h"

namespace marovix {
namespace {

constexpr MainOption kBuyOptions[] = {MainOption::BuyTan, MainOption::BuyFuk, MainOption::BuyWR,  MainOption::BuyUR,
                                      MainOption::BuyWD,  MainOption::BuyUT,  MainOption::BuySRF, MainOption::BuySRT};
static_assert(std::size(kBuyOptions) == kBetTypes.size());

}  // namespace

int betTypeTab(BetType bet) { return static_cast<int>(bet) + 1; }

const SettingKey& ozSpanKey(int index) {
    const auto bet = static_cast<std::size_t>(index / 2);
    return index % 2 == 0 ? settings::OzSpanA[bet] : settings::OzSpanB[bet];
}

std::array<std::string, 16> readOzSpan(const SettingsSnapshot& settings) {
    std::array<std::string, 16> edits;
    for (std::size_t i = 0; i < edits.size(); ++i) edits[i] = settings.readText(ozSpanKey(static_cast<int>(i)));
    return edits;
}

SelectionOptions selectionOptions(BetType bet, const MainOptions& options, std::span<const std::string, 16> ozSpan) {
    const auto index = static_cast<std::size_t>(bet);
    SelectionOptions result;
    result.takesPart = options.on(kBuyOptions[index]) || options.value(MainOption::TabIndex) == betTypeTab(bet);
    if (const BetPageOptions* page = betPageOptions(bet)) {
        result.method = options.value(page->kaikata);
        for (std::size_t i = 0; i < page->multi.size(); ++i)
            result.multi[i] = !page->multi[i].first.empty() && options.on(page->multi[i].second);
    }
    result.filterA = ozSpan[index * 2];
    result.filterB = ozSpan[index * 2 + 1];
    return result;
}

std::string_view multiBoxName(MainOption option) {
    for (const MultiBox& box : kMultiBoxes)
        if (box.option == option) return box.name;
    return {};
}

std::array<bool, kMultiBoxes.size()> multiBoxesVisible(const MainOptions& options) {
    const int trifecta = options.value(MainOption::KaikataSRT);
    const bool axis = trifecta == 1 || trifecta == 2;
    const bool formation = trifecta == 3;
    return {options.value(MainOption::KaikataUT) == 1, axis || formation, formation, formation, formation};
}

}  // namespace marovix
