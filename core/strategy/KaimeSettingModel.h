#pragma once
// The strategy window "買い目設定" (TKaimeSettingForm) as a model: the strategy behind the marks (the index
// and the ranks of each mark, the borrowing of the index marks in the pre-marked mode), the name prefixes of
// the own-index files with their sample labels and indicators, the race list and race-card grid of the
// pre-marked horses, and the window's position. The window shows this state and forwards its clicks; the
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

namespace marovix {

class Dialogs;
class Settings;

// The ids of the strategy window: the parts a view repaints separately, its grids and its labels.
struct KaimeSettingIds {
    enum class Part {
        Strategy,       // the index radio groups, the rank lists and the three CheckBox items
        OwnIndexFiles,  // the prefix edits, the sample labels and the indicators
        RaceList,       // DatList
        Grid,           // StringGrid26
        Count
    };
    enum class GridId { StringGrid26, Count };
    enum class LabelId { SampleCSVLabel1, SampleCSVLabel2, Org1ExistsLabel, Org2ExistsLabel, Count };
};

// The columns of the window's race-card grid: the runner's columns 0 to 7, empty columns 8 to 17, the
// marks ◎ ○ ▲ in columns 18 to 20.
enum class KaimeSettingCol { Waku, Umaban, Bamei, SeiRei, Kishu, Kinryo, TanOz, Ninki, MarkHonmei = 18, Count = 21 };

struct KaimeSettingState {
    MarkStrategy strategy;
    // OrgEdit1 and OrgEdit2: the name prefixes of own index 1 and 2.
    std::array<std::string, 2> ownIndexPrefix;
    // The selected race day as yyyymmdd; empty while none is selected.
    std::string raceDay;
    ListBox datList;
    TextGrid stringGrid26;
    LabelSet<KaimeSettingIds::LabelId> labels;
    WindowPlacement placement;  // top and left are kept

    const TextGrid& grid(KaimeSettingIds::GridId) const { return stringGrid26; }
};

// What the model reaches.
struct KaimeSettingPorts {
    Settings& settings;
    Dialogs& dialogs;
    std::string appFolder;  // "selecteduma.dat" lies here, the own-index files in its TCSV folder
};

class KaimeSettingModel : public KaimeSettingIds, public WindowModel<KaimeSettingIds::Part> {
public:
    static constexpr const char* kCaption = "買い目設定";
    static constexpr const char* kRankFileName = "selecteduma.dat";
    static constexpr int kRankCount = 18;
    static constexpr int kOwnIndexPrefixMaxLength = 8;  // characters, the edits' limit
    static constexpr Rgb kFileFound = 0x00FF00;
    static constexpr Rgb kFileMissing = 0x808080;

    // The window's creation: the settings and the rank file read (a rank file that cannot be read is told
    // through the dialogs and changes nothing), the grid laid out, the labels set for no race day.
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

    // The race day selected in the main window: yyyymmdd (empty: none) and the texts of its race list.
    void setRaceDay(const std::string& raceDay, std::vector<std::string> races);

    // The window moved; its position is stored when it closes.
    void setPlacement(const WindowPlacement& placement);
    // The window closes (hides): locateKaiSet top and left written.
    void FormClose();

private:
    void report(const Status& status);
    void showOwnIndexFiles();

    KaimeSettingPorts m_ports;
    KaimeSettingState m_state;
};

}  // namespace marovix
