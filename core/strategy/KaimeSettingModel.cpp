#include "core/strategy/KaimeSettingModel.h"

#include <algorithm>

#include "core/common/ColumnLayout.h"
#include "core/common/MainGrids.h"
#include "core/common/TextFile.h"
#include "core/common/Trim.h"
#include "core/ports/Dialogs.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"
#include "core/race/RunnerIndexReading.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTable.h"

namespace marovix {
namespace {

using Col = KaimeSettingCol;

constexpr ColumnLayout kGridLayout[] = {
    columnLayout(Col::Waku, "枠", 20),
    columnLayout(Col::Umaban, "馬", 20),
    columnLayout(Col::Bamei, "馬名", 130),
    columnLayout(Col::SeiRei, "性齢", 35),
    columnLayout(Col::Kishu, "騎手", 60),
    columnLayout(Col::Kinryo, "斤量", 35),
    columnLayout(Col::TanOz, "単OZ", 40),
    columnLayout(Col::Ninki, "順", 20),
    {8, "", 10},
    {9, "", 10},
    {10, "", 10},
    {11, "", 10},
    {12, "", 10},
    {13, "", 10},
    {14, "", 10},
    {15, "", 10},
    {16, "", 10},
    {17, "", 10},
    columnLayout(Col::MarkHonmei, "◎", 20),
    {19, "○", 20},
    {20, "▲", 20},
};

constexpr const SettingKey* kIndexKeys[kMarkCount] = {&settings::SihyoSel1, &settings::SihyoSel2, &settings::SihyoSel3};
// CheckBox1 (◎) is maru2, CheckBox2 (○) maru1, CheckBox3 (▲) sankaku.
constexpr const SettingKey* kBorrowKeys[kMarkCount] = {&settings::SetUmaMaru2, &settings::SetUmaMaru1,
                                                       &settings::SetUmaSankaku};
constexpr const SettingKey* kPrefixKeys[2] = {&settings::OriginalSisu1, &settings::OriginalSisu2};
constexpr KaimeSettingIds::LabelId kSampleLabels[2] = {KaimeSettingIds::LabelId::SampleCSVLabel1,
                                                       KaimeSettingIds::LabelId::SampleCSVLabel2};
constexpr KaimeSettingIds::LabelId kExistsLabels[2] = {KaimeSettingIds::LabelId::Org1ExistsLabel,
                                                       KaimeSettingIds::LabelId::Org2ExistsLabel};

bool validMark(int mark) { return mark >= 0 && mark < kMarkCount; }
bool validPrefix(int which) { return which == 0 || which == 1; }

const char* const kMarkNames[kMarkCount] = {"◎", "○", "▲"};

// The settings list of a filter list (the settings keep them in their reading order).
const SettingList& settingList(FilterListId list) {
    switch (list) {
        case FilterListId::BashoList0: return settings::BashoList;
        case FilterListId::TrackList0: return settings::TrackList;
        case FilterListId::AgeList0: return settings::AgeList;
        case FilterListId::ClassList0: return settings::ClassList;
        case FilterListId::JuryoList0: return settings::JuryoList;
        case FilterListId::TosuList0:
        case FilterListId::Count: break;
    }
    return settings::TosuList;
}

// "2024年05月26日" as "20240526"; other texts give the empty text.
std::string yyyymmddOf(const std::string& dayText) {
    if (dayText.size() < 4 + 3 + 2 + 3 + 2) return {};
    return dayText.substr(0, 4) + dayText.substr(7, 2) + dayText.substr(12, 2);
}

// The digits of an amount edit, at most `digits` of them; nothing when it holds no digit.
std::optional<std::int64_t> amountOf(const std::string& text, int digits) {
    std::string kept;
    for (char c : text)
        if (c >= '0' && c <= '9' && static_cast<int>(kept.size()) < digits) kept += c;
    if (kept.empty()) return std::nullopt;
    return std::stoll(kept);
}

}  // namespace

KaimeSettingModel::KaimeSettingModel(KaimeSettingPorts ports) : m_ports(std::move(ports)) {
    for (std::size_t mark = 0; mark < kMarkCount; ++mark) {
        m_state.strategy.index[mark] = m_ports.settings.readInt(*kIndexKeys[mark]);
        m_state.strategy.borrowIndex[mark] = m_ports.settings.readBool(*kBorrowKeys[mark]);
    }
    report(readRankFile(rankFilePath(), m_state.strategy));
    for (std::size_t which = 0; which < 2; ++which)
        m_state.ownIndexPrefix[which] = trimmed(m_ports.settings.readText(*kPrefixKeys[which]), Blanks::SpaceTab);
    m_state.targets.pickWay =
        m_ports.settings.readInt(settings::TaishoRPickWay) == 1 ? PickMethod::OneByOne : PickMethod::ByAttributes;
    const auto lists = m_ports.settings.readRaceFilterLists();
    for (int id = 0; id < kFilterListCount; ++id) {
        const auto list = static_cast<FilterListId>(id);
        const SettingList& stored = settingList(list);
        for (std::size_t row = 0; row < std::size(settings::RaceFilterLists); ++row) {
            if (settings::RaceFilterLists[row] != &stored) continue;
            std::vector<bool>& selected = m_state.targets.filter.list(list);
            for (std::size_t item = 0; item < selected.size() && item < lists[row].size(); ++item)
                selected[item] = lists[row][item] == 1;  // any value but 1 leaves the item unselected
        }
    }
    m_state.targets.filter.kyoriFrom = m_ports.settings.readInt(settings::RaceFilterKyori1);
    m_state.targets.filter.kyoriTo = m_ports.settings.readInt(settings::RaceFilterKyori2);
    m_state.naviQuit.sel = static_cast<NaviQuitSel>(m_ports.settings.readInt(settings::NaviQuitSel));
    m_state.naviQuit.goal = m_ports.settings.readInt(settings::NaviQuitZandaka1);
    m_state.naviQuit.floor = m_ports.settings.readInt(settings::NaviQuitZandaka2);
    m_state.placement.top = m_ports.settings.readInt(settings::LocateKaiSetTop);
    m_state.placement.left = m_ports.settings.readInt(settings::LocateKaiSetLeft);
    applyColumnLayout(kGridLayout, m_state.stringGrid26);
    showOwnIndexFiles();
}

std::string KaimeSettingModel::rankFilePath() const { return joinPath(m_ports.appFolder, kRankFileName); }

std::string KaimeSettingModel::ownIndexFilePath(int which) const {
    if (!validPrefix(which)) return {};
    return joinPath(joinPath(m_ports.appFolder, "TCSV"),
                    m_state.ownIndexPrefix[static_cast<std::size_t>(which)] + m_state.raceDay + ".csv");
}

void KaimeSettingModel::SihyoRadioClick(int mark, int item) {
    if (!validMark(mark)) return;
    m_notices.run([&] {
        m_state.strategy.index[static_cast<std::size_t>(mark)] = item;
        report(m_ports.settings.writeInt(*kIndexKeys[mark], item));
        strategyChanged();
    });
}

void KaimeSettingModel::NinListClick(int mark, int rank, bool selected) {
    if (!validMark(mark) || rank < 1 || rank > kRankCount) return;
    m_notices.run([&] {
        m_state.strategy.ranks[static_cast<std::size_t>(mark)][static_cast<std::size_t>(rank)] = selected;
        SavebtnClick();
        strategyChanged();
    });
}

void KaimeSettingModel::NinListContextPopup(int mark) {
    if (!validMark(mark)) return;
    m_notices.run([&] {
        auto& ranks = m_state.strategy.ranks[static_cast<std::size_t>(mark)];
        std::vector<bool> selected(ranks.begin() + 1, ranks.end());
        selectAllOrClear(selected);
        std::copy(selected.begin(), selected.end(), ranks.begin() + 1);
        m_notices.changed(Part::Strategy);
    });
}

void KaimeSettingModel::CheckBoxClick(int mark, bool ticked) {
    if (!validMark(mark)) return;
    m_notices.run([&] {
        m_state.strategy.borrowIndex[static_cast<std::size_t>(mark)] = ticked;
        report(m_ports.settings.writeBool(*kBorrowKeys[mark], ticked));
        strategyChanged();
    });
}

void KaimeSettingModel::OrgEditChange(int which, const std::string& text) {
    if (!validPrefix(which)) return;
    m_notices.run([&] {
        // Stored without its blanks, as the day load reads it.
        std::string prefix(trimmed(text, Blanks::SpaceTab));
        report(m_ports.settings.writeText(*kPrefixKeys[which], prefix));
        m_state.ownIndexPrefix[static_cast<std::size_t>(which)] = std::move(prefix);
        showOwnIndexFiles();
    });
}

void KaimeSettingModel::SavebtnClick() {
    m_notices.join([&] { report(writeTextLines(rankFilePath(), rankLines(m_state.strategy))); });
}

void KaimeSettingModel::setRaceDay(const std::string& dayText, std::vector<RaceSlot> slots,
                                   std::vector<std::string> races) {
    m_notices.join([&] {
        m_state.dayText = dayText;
        m_state.raceDay = yyyymmddOf(dayText);
        m_state.raceList0 = races;
        m_state.targets.raceList0.assign(races.size(), true);
        m_state.datList = ListBox{std::move(races), kNoRace};
        m_state.datListSlots = std::move(slots);
        m_state.stringGrid26.clearBody();
        m_state.stringGrid26.setRowCount(2);
        m_notices.changed(Part::Targets);
        m_notices.changed(Part::RaceList);
        m_notices.changed(Part::Grid);
        showOwnIndexFiles();
    });
}

bool KaimeSettingModel::InputFormBtnClick() {
    if (m_state.datList.items.empty()) {
        m_ports.dialogs.beep();
        m_ports.dialogs.information("開催日のデータを読み込んでください。");
        return false;
    }
    m_notices.join([&] {
        DatListClick(0);
        showOwnIndexFiles();
    });
    return true;
}

void KaimeSettingModel::PickMethodGroupClick(int index) {
    if (index != 0 && index != 1) return;
    m_notices.run([&] {
        m_state.targets.pickWay = static_cast<PickMethod>(index);
        report(m_ports.settings.writeInt(settings::TaishoRPickWay, index));
        m_notices.changed(Part::Targets);
    });
}

void KaimeSettingModel::filterListClick(FilterListId list, int item, bool selected) {
    std::vector<bool>& items = m_state.targets.filter.list(list);
    if (item < 0 || item >= static_cast<int>(items.size())) return;
    m_notices.run([&] {
        items[static_cast<std::size_t>(item)] = selected;
        storeList(list);
    });
}

void KaimeSettingModel::filterListContextPopup(FilterListId list) {
    if (list == FilterListId::Count) return;
    m_notices.run([&] {
        selectAllOrClear(m_state.targets.filter.list(list));
        storeList(list);
    });
}

void KaimeSettingModel::storeList(FilterListId list) {
    const std::vector<bool>& items = m_state.targets.filter.list(list);
    const std::vector<std::int32_t> values(items.begin(), items.end());
    report(m_ports.settings.writeList(settingList(list), values));
    m_notices.changed(Part::Targets);
}

void KaimeSettingModel::KyoriEditChange(bool from, int metres) {
    m_notices.run([&] {
        const DistanceRange range = from ? kKyoriEdit01Range : kKyoriEdit02Range;
        const int kept = std::clamp(metres, range.minimum, range.maximum);
        (from ? m_state.targets.filter.kyoriFrom : m_state.targets.filter.kyoriTo) = kept;
        report(m_ports.settings.writeInt(from ? settings::RaceFilterKyori1 : settings::RaceFilterKyori2, kept));
        m_notices.changed(Part::Targets);
    });
}

void KaimeSettingModel::RaceList0Click(int entry, bool selected) {
    std::vector<bool>& items = m_state.targets.raceList0;
    if (entry < 0 || entry >= static_cast<int>(items.size())) return;
    m_notices.run([&] {
        items[static_cast<std::size_t>(entry)] = selected;
        m_notices.changed(Part::Targets);
    });
}

void KaimeSettingModel::RaceList0ContextPopup() {
    m_notices.run([&] {
        selectAllOrClear(m_state.targets.raceList0);
        m_notices.changed(Part::Targets);
    });
}

void KaimeSettingModel::NaviSetBtnClick() {
    m_notices.join([&] {
        static const RaceRecords kNoRaces{};
        const RaceRecords& races = m_ports.host ? m_ports.host->umaSetDay().races : kNoRaces;
        const NaviTargets targets = computeNaviTargets(races, m_state.datListSlots, m_state.targets);
        m_state.navRListBox = targets.navRListBox;
        m_notices.changed(Part::NavRList);
        if (m_ports.host) m_ports.host->setNaviTargets(targets.naviTarget);
    });
}

void KaimeSettingModel::NaviQuitRadioClick(int sel) {
    if (sel < 1 || sel > 3) return;
    m_notices.run([&] {
        m_state.naviQuit.sel = static_cast<NaviQuitSel>(sel);
        report(m_ports.settings.writeInt(settings::NaviQuitSel, sel));
        m_notices.changed(Part::NaviQuit);
    });
}

void KaimeSettingModel::NaviQuitEditChange(int which, const std::string& text) {
    if (which != 0 && which != 1) return;
    const auto amount = amountOf(text, kQuitAmountDigits);
    if (!amount) return;
    m_notices.run([&] {
        (which == 0 ? m_state.naviQuit.goal : m_state.naviQuit.floor) = *amount;
        report(m_ports.settings.writeInt(which == 0 ? settings::NaviQuitZandaka1 : settings::NaviQuitZandaka2,
                                         static_cast<std::int32_t>(*amount)));
        m_notices.changed(Part::NaviQuit);
    });
}

void KaimeSettingModel::DatListClick(int index) {
    if (index < 0 || index >= static_cast<int>(m_state.datListSlots.size())) return;
    m_notices.join([&] {
        m_state.datList.selected = index;
        m_notices.changed(Part::RaceList);
        showRace();
    });
}

void KaimeSettingModel::showRace() {
    TextGrid& grid = m_state.stringGrid26;
    grid.clearBody();
    grid.setRowCount(2);
    m_notices.changed(Part::Grid);
    const int entry = m_state.datList.selected;
    if (!m_ports.host || entry < 0 || entry >= static_cast<int>(m_state.datListSlots.size())) return;
    const RaceSlot slot = m_state.datListSlots[static_cast<std::size_t>(entry)];
    if (slot < 0 || slot >= kRaceSlotCount) return;
    const RaceDay& day = m_ports.host->umaSetDay();
    const auto index = static_cast<std::size_t>(slot);
    const int registered = std::clamp(fieldNumber(day.race(slot), RaField::registeredRunners), 0, kRunnerSlotCount);
    // The runner columns as the race card fills them.
    RaceCard26Grid card;
    RaceCard1Grid card1;
    card.setRowCount(registered + 1);
    card1.setRowCount(registered + 1);
    fillRaceCard(card, card1, day.runners[index], day.work[index].indexes, m_ports.host->cardOdds(slot));
    grid.setRowCount(registered + 1);
    const IndexRanks ranks = m_ports.host->indexRanks(slot);
    for (int row = 1; row <= registered; ++row) {
        for (int column = 0; column <= static_cast<int>(Col::Ninki); ++column)
            grid.setCell(column, row, card.text().cell(column, row));
        for (int mark = 0; mark < kMarkCount; ++mark)
            if (preMarkedModeMark(m_state.strategy, ranks, day.umaSet[index], mark, row))
                grid.setCell(static_cast<int>(Col::MarkHonmei) + mark, row, kMarkText);
    }
}

void KaimeSettingModel::StringGrid26Click(int column, int row) {
    const int mark = column - static_cast<int>(Col::MarkHonmei);
    TextGrid& grid = m_state.stringGrid26;
    const int entry = m_state.datList.selected;
    if (!m_ports.host || !validMark(mark) || row < 1 || row >= grid.rowCount() || entry < 0 ||
        lenientInt(grid.cell(static_cast<int>(Col::Umaban), row)) <= 0)
        return;
    m_notices.run([&] {
        const bool on = grid.cell(column, row).empty();
        grid.setCell(column, row, on ? kMarkText : "");
        m_notices.changed(Part::Grid);
        const RaceSlot slot = m_state.datListSlots[static_cast<std::size_t>(entry)];
        std::string& line = m_ports.host->umaSetDay().umaSet[static_cast<std::size_t>(slot)];
        line.resize(kUmaSetLineLength, ' ');
        line[static_cast<std::size_t>(3 * (row - 1) + mark)] = on ? '1' : ' ';
        SaveUmaBtnClick();
        m_ports.host->umaSetChanged();
    });
}

std::string KaimeSettingModel::usetPath() const {
    return m_ports.host ? m_ports.host->umaSetDay().files.umaSet : std::string{};
}

void KaimeSettingModel::SaveUmaBtnClick() {
    if (!m_ports.host || m_state.dayText.empty() || m_state.datListSlots.size() <= kUmaSetMinRaces) return;
    if (!fileExists(usetPath())) {
        m_ports.dialogs.beep();
        m_ports.dialogs.information("[" + m_state.dayText + ".Uset]が見つかりません。");
        return;
    }
    report(writeUmaSet(m_ports.host->umaSetDay(), m_state.datListSlots.back() + 1));
}

void KaimeSettingModel::SirusiRadioClick(int mark) {
    if (!validMark(mark)) return;
    m_notices.run([&] {
        m_state.sirusiRadio = mark;
        m_notices.changed(Part::Import);
    });
}

void KaimeSettingModel::ReadCSVBtnClick() {
    const auto path = m_ports.dialogs.chooseFile("", joinPath(m_ports.appFolder, "CSV"), "CSVファイル(*.csv)|*.csv");
    if (!path) return;
    importPreMarked(*path);
}

void KaimeSettingModel::importPreMarked(const std::string& path) {
    if (!m_ports.host || m_state.datListSlots.empty()) return;
    const std::string mark = kMarkNames[m_state.sirusiRadio];
    const std::string fileName = fileNameOf(path);
    if (!m_ports.dialogs.confirm("[" + fileName + "]より[" + mark + "]の指定馬を取り込みます。記録済みの[" + mark +
                                 "]指定馬はクリアされますが、実行してよろしいですか？"))
        return;
    // Read before anything changes: a file that cannot be read leaves the table and the ".Uset" file as
    // they were.
    auto lines = readTextLines(path);
    if (!lines && fileExists(path)) {
        report(Status(Error{lines.error()}));
        return;
    }
    m_notices.run([&] {
        RaceDay& day = m_ports.host->umaSetDay();
        const auto at = [&](int horse) { return static_cast<std::size_t>(3 * (horse - 1) + m_state.sirusiRadio); };
        for (RaceSlot slot : m_state.datListSlots) {
            if (slot < 0 || slot >= kRaceSlotCount) continue;
            std::string& line = day.umaSet[static_cast<std::size_t>(slot)];
            line.resize(kUmaSetLineLength, ' ');
            for (int horse = 1; horse <= kRunnerSlotCount; ++horse) line[at(horse)] = ' ';
        }
        int skipped = 0;
        const HorseKeyFinder finder(day.races);
        for (const std::string& text : lines ? *lines : std::vector<std::string>{}) {
            const std::string key = text.substr(0, text.find(','));
            if (trimmed(key, Blanks::SpaceTab).empty()) continue;
            const auto found = finder.find(key);
            if (!found) {
                ++skipped;
                continue;
            }
            std::string& line = day.umaSet[static_cast<std::size_t>(found->slot)];
            line.resize(kUmaSetLineLength, ' ');
            line[at(found->horse)] = '1';
        }
        SaveUmaBtnClick();
        if (m_state.datList.selected >= 0) showRace();
        m_ports.host->umaSetChanged();
        if (skipped > 0) {
            m_ports.dialogs.beep();
            m_ports.dialogs.information(skippedLinesNote(fileName, skipped));
        }
    });
}

void KaimeSettingModel::setPlacement(const WindowPlacement& placement) { m_state.placement = placement; }

void KaimeSettingModel::FormClose() {
    report(m_ports.settings.writeInt(settings::LocateKaiSetTop, m_state.placement.top));
    report(m_ports.settings.writeInt(settings::LocateKaiSetLeft, m_state.placement.left));
}

void KaimeSettingModel::strategyChanged() {
    m_notices.changed(Part::Strategy);
    if (m_state.datList.selected >= 0) showRace();
    if (m_ports.host) m_ports.host->strategyChanged(m_state.strategy);
}

void KaimeSettingModel::report(const Status& status) {
    if (!status) m_ports.dialogs.error(status.error());
}

void KaimeSettingModel::showOwnIndexFiles() {
    for (std::size_t which = 0; which < 2; ++which) {
        m_state.labels[kSampleLabels[which]].text = "例) " + m_state.ownIndexPrefix[which] + m_state.raceDay + ".csv";
        m_state.labels[kExistsLabels[which]].background =
            !m_state.raceDay.empty() && fileExists(ownIndexFilePath(static_cast<int>(which))) ? kFileFound
                                                                                              : kFileMissing;
    }
    m_notices.changed(Part::OwnIndexFiles);
}

}  // namespace marovix
