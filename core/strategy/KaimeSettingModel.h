#pragma once
// The strategy window "買い目設定" (TKaimeSettingForm) as a model: the target races of automatic operation
// and its stop rule, the strategy behind the marks (the index and the ranks of each mark, the borrowing of
// the index marks in the pre-marked mode), the name prefixes of the own-index files with their sample labels
// and indicators, the race list and race-card grid of the pre-marked horses with their import, and the
// window's position. The window shows this state and forwards its clicks; the
// command line (marovix-cli strategy) drives the same handlers.
//
// Every setting is written the moment its control changes, and "selecteduma.dat" is rewritten whole at
// every click in a rank list. A handler runs inside the notices' guard: the parts it changed are told once
// when it ends, and a handler entered while another one runs is refused.
#include <array>
#include <string>
#include <vector>

#include "core/common/Label.h"
#include "core/common/ListBox.h"
#include "core/common/TextGrid.h"
#include "core/common/WindowNotices.h"
#include "core/common/WindowPlacement.h"
#include "core/kaime/MarkStrategy.h"
#include "core/kaime/Marks.h"
#include "core/race/RaceCard.h"
#include "core/race/RaceDay.h"
#include "core/strategy/NaviTargets.h"
#include "core/vote/NaviQuitRule.h"

namespace marovix {

class Dialogs;
class Settings;

// The ids of the strategy window: the parts a view repaints separately, its grids and its labels.
struct KaimeSettingIds {
    enum class Part {
        Targets,        // PickMethodGroup, the six lists, the distance edits and RaceList0
        NavRList,       // NavRListBox
        NaviQuit,       // the stop rule's radio buttons and edits
        Strategy,       // the index radio groups, the rank lists and the three CheckBox items
        OwnIndexFiles,  // the prefix edits, the sample labels and the indicators
        RaceList,       // DatList
        Grid,           // StringGrid26
        Import,         // SirusiRadio
        Count
    };
    enum class GridId { StringGrid26, Count };
    enum class LabelId { SampleCSVLabel1, SampleCSVLabel2, Org1ExistsLabel, Org2ExistsLabel, Count };
};

// The columns of the window's race-card grid: the runner's columns 0 to 7, empty columns 8 to 17, the
// marks ◎ ○ ▲ in columns 18 to 20.
enum class KaimeSettingCol { Waku, Umaban, Bamei, SeiRei, Kishu, Kinryo, TanOz, Ninki, MarkHonmei = 18, Count = 21 };

struct KaimeSettingState {
    // Tab "対象レース指定": PickMethodGroup, the lists, the distance range and RaceList0's selection.
    TargetChoice targets;
    std::vector<std::string> raceList0;  // the items of RaceList0 (the race list's texts)
    std::vector<std::string> navRListBox;
    // Tab "自動運転終了指定".
    NaviQuitRule naviQuit;
    // Tab "順位指標指定".
    MarkStrategy strategy;
    // OrgEdit1 and OrgEdit2: the name prefixes of own index 1 and 2.
    std::array<std::string, 2> ownIndexPrefix;
    // The selected race day as yyyymmdd and as its date text; empty while none is selected.
    std::string raceDay;
    std::string dayText;
    // Tab "事前馬番指定": SirusiRadio (0 ◎, 1 ○, 2 ▲), DatList and its race slots, StringGrid26.
    int sirusiRadio = 0;
    ListBox datList;
    std::vector<RaceSlot> datListSlots;
    TextGrid stringGrid26;
    LabelSet<KaimeSettingIds::LabelId> labels;
    WindowPlacement placement;  // top and left are kept

    const TextGrid& grid(KaimeSettingIds::GridId) const { return stringGrid26; }
};

// What the window reads and changes of the day the main window holds.
class KaimeSettingHost {
public:
    virtual ~KaimeSettingHost() = default;
    // The selected day's records and its pre-marked horse table (UmaSetTable, one line per race slot).
    virtual RaceDay& umaSetDay() = 0;
    // The odds of a race as the race card shows them, and the horses' ranks under each index.
    virtual CardOdds cardOdds(RaceSlot slot) const = 0;
    virtual IndexRanks indexRanks(RaceSlot slot) const = 0;
    // NaviTarget of every race slot (the main race list shows the targets).
    virtual void setNaviTargets(const std::array<bool, kRaceSlotCount>& targets) = 0;
    // The pre-marked horse table changed (the main window shows its marks again).
    virtual void umaSetChanged() = 0;
    // The strategy behind the marks changed (the main window marks with it from now on).
    virtual void strategyChanged(const MarkStrategy& strategy) = 0;
};

// What the model reaches.
struct KaimeSettingPorts {
    Settings& settings;
    Dialogs& dialogs;
    std::string appFolder;             // "selecteduma.dat" lies here, the own-index files in its TCSV folder
    KaimeSettingHost* host = nullptr;  // none: no day is ever selected (the command line without --day)
};

class KaimeSettingModel : public KaimeSettingIds, public WindowModel<KaimeSettingIds::Part> {
public:
    static constexpr const char* kCaption = "買い目設定";
    static constexpr const char* kRankFileName = "selecteduma.dat";
    static constexpr int kRankCount = 18;
    static constexpr int kOwnIndexPrefixMaxLength = 8;  // characters, the edits' limit
    static constexpr Rgb kFileFound = 0x00FF00;
    static constexpr Rgb kFileMissing = 0x808080;
    static constexpr int kQuitAmountDigits = 8;  // NaviQuitEdit1 and NaviQuitEdit2
    // The save of the pre-marked table needs more races than this in the race list.
    static constexpr int kUmaSetMinRaces = 4;

    // The window's creation: the settings (the list keys chained, see Settings::readRaceFilterLists) and the rank file
    // read (a rank file that cannot be read is told through the dialogs and changes nothing), the grid laid out, the
    // labels set for no race day.
    explicit KaimeSettingModel(KaimeSettingPorts ports);

    const KaimeSettingState& state() const { return m_state; }
    // The rank file's path.
    std::string rankFilePath() const;
    // The own-index file of prefix `which` (0 or 1) for the selected race day: TCSV/<prefix><yyyymmdd>.csv.
    std::string ownIndexFilePath(int which) const;

    // SihyoRadio1..3: mark `mark` (0 ◎, 1 ○, 2 ▲) follows index item `item`; Sihyo sel1..sel3 written.
    void SihyoRadioClick(int mark, int item);
    // A click in NinList1..3: rank `rank` (1..18) of mark `mark` selected or not; the rank file is saved.
    void NinListClick(int mark, int rank, bool selected);
    // A right-button click on a rank list: every rank cleared when one is selected, else every rank
    // selected. Stored with the next click on a rank list.
    void NinListContextPopup(int mark);
    // CheckBox1..3: the mark is borrowed from the rank choice in the pre-marked mode; SetUma maru2 (◎),
    // maru1 (○), sankaku (▲) written.
    void CheckBoxClick(int mark, bool ticked);
    // OrgEdit1 and OrgEdit2 changed: the prefix stored without blanks at either end, its sample label updated and both
    // indicators tested.
    void OrgEditChange(int which, const std::string& text);
    // Savebtn: "selecteduma.dat" rewritten whole, three lines of 18 characters "1" or "0".
    void SavebtnClick();

    // InputFormBtn "買い目設定": with an empty race list, beep and "開催日のデータを読み込んでください。" and
    // false (the window stays closed); otherwise the first race of DatList is shown, the samples and
    // indicators set, and true.
    bool InputFormBtnClick();

    // Tab "対象レース指定". Each click writes its setting at once; the targets change only by NaviSetBtn.
    // PickMethodGroup: 0 by attributes, 1 one by one (TaishoR PickWay).
    void PickMethodGroupClick(int index);
    // A click on item `item` of a list: the list's every item written (section per list, keys "00"...).
    void filterListClick(FilterListId list, int item, bool selected);
    // A right-button click on a list: every item cleared when one is selected, else all selected; stored.
    void filterListContextPopup(FilterListId list);
    // KyoriEdit01 (`from`) or KyoriEdit02: kept within the edit's range; RaceFilter Kyori1 / Kyori2.
    void KyoriEditChange(bool from, int metres);
    // RaceList0: entry `entry` selected or not (no setting); its right-button select-all or clear.
    void RaceList0Click(int entry, bool selected);
    void RaceList0ContextPopup();
    // NaviSetBtn: NaviTarget of every slot computed, NavRListBox filled, the main race list told.
    void NaviSetBtnClick();

    // Tab "自動運転終了指定". NaviQuitRadio1..3 (`sel` 1..3), NaviQuit Sel; NaviQuitEdit1 (`which` 0, the
    // goal, zandaka1) or NaviQuitEdit2 (the floor, zandaka2): digits only, at most 8; an edit without a
    // digit keeps its amount.
    void NaviQuitRadioClick(int sel);
    void NaviQuitEditChange(int which, const std::string& text);
    // The stop test of the balance watch against the rule as the tab holds it now.
    bool naviQuitFires(std::int64_t balance) const { return marovix::naviQuitFires(m_state.naviQuit, balance); }

    // Tab "事前馬番指定".
    // DatList: the race of entry `index` shown in StringGrid26 with its runners and marks (a mark from the
    // rank choice when its CheckBox is ticked, else from the table).
    void DatListClick(int index);
    // A click on cell (column, row) of StringGrid26: a mark cell of a runner row toggles, its table flag
    // follows and the table is saved (SaveUmaBtn).
    void StringGrid26Click(int column, int row);
    // SaveUmaBtn: the table's records of the race list's races written into the day's ".Uset" file, each at
    // its place; nothing without a day or with four races or fewer; a missing file is told.
    void SaveUmaBtnClick();
    // SirusiRadio: the mark the import reads (0 ◎, 1 ○, 2 ▲).
    void SirusiRadioClick(int mark);
    // ReadCSVBtn "読込": a CSV file chosen in the CSV folder and the user's confirmation; the chosen mark
    // cleared in every race, then set for each line's horse. Lines whose key matches no race of the day or
    // whose horse number is not 1..18 are skipped and counted in one message. The table is saved and the
    // selected race shown again.
    void ReadCSVBtnClick();
    // The same without the file dialog: `path` read after the confirmation.
    void importPreMarked(const std::string& path);

    // The race day selected in the main window (LoadRaceDay): `dayText` (empty: none) and the race list's
    // slots and texts. DatList and RaceList0 are filled, RaceList0 all selected, the grid emptied.
    void setRaceDay(const std::string& dayText, std::vector<RaceSlot> slots, std::vector<std::string> races);

    // The window moved; its position is stored when it closes.
    void setPlacement(const WindowPlacement& placement);
    // The window closes (hides): locateKaiSet top and left written.
    void FormClose();

private:
    void report(const Status& status);
    void showOwnIndexFiles();
    void storeList(FilterListId list);
    void strategyChanged();
    void showRace();
    std::string usetPath() const;

    static constexpr int kNoRace = -1;

    KaimeSettingPorts m_ports;
    KaimeSettingState m_state;
};

}  // namespace marovix
