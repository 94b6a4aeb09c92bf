#include "core/strategy/KaimeSettingModel.h"

#include "core/common/ColumnLayout.h"
#include "core/common/TextFile.h"
#include "core/common/Trim.h"
#include "core/ports/Dialogs.h"
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

}  // namespace

KaimeSettingModel::KaimeSettingModel(KaimeSettingPorts ports) : m_ports(std::move(ports)) {
    for (std::size_t mark = 0; mark < kMarkCount; ++mark) {
        m_state.strategy.index[mark] = m_ports.settings.readInt(*kIndexKeys[mark]);
        m_state.strategy.borrowIndex[mark] = m_ports.settings.readBool(*kBorrowKeys[mark]);
    }
    report(readRankFile(rankFilePath(), m_state.strategy));
    for (std::size_t which = 0; which < 2; ++which)
        m_state.ownIndexPrefix[which] = trimmed(m_ports.settings.readText(*kPrefixKeys[which]), Blanks::SpaceTab);
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
        m_notices.changed(Part::Strategy);
    });
}

void KaimeSettingModel::NinListClick(int mark, int rank, bool selected) {
    if (!validMark(mark) || rank < 1 || rank > kRankCount) return;
    m_notices.run([&] {
        m_state.strategy.ranks[static_cast<std::size_t>(mark)][static_cast<std::size_t>(rank)] = selected;
        m_notices.changed(Part::Strategy);
        SavebtnClick();
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
        m_notices.changed(Part::Strategy);
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

void KaimeSettingModel::setRaceDay(const std::string& raceDay, std::vector<std::string> races) {
    m_notices.join([&] {
        m_state.raceDay = raceDay;
        m_state.datList = ListBox{std::move(races), -1};
        m_notices.changed(Part::RaceList);
        showOwnIndexFiles();
    });
}

void KaimeSettingModel::setPlacement(const WindowPlacement& placement) { m_state.placement = placement; }

void KaimeSettingModel::FormClose() {
    report(m_ports.settings.writeInt(settings::LocateKaiSetTop, m_state.placement.top));
    report(m_ports.settings.writeInt(settings::LocateKaiSetLeft, m_state.placement.left));
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
