#pragma once
// The verification window "検証" (TKenshoForm) as a model: the race-attribute lists and the distance
// range that filter the simulation's records, the grid of the records that pass and the three results
// (data count, hit rate, return rate). The window shows this state and forwards its clicks; the command
// line (marovix-cli kensho) drives the same handlers. The lists keep no settings.
//
// ReadDataBtnClick empties the results and, when the work file "tmpData.dat" exists, the grid; reading its
// records into rows and sums is not built yet, so the results stay empty.
#include <string>

#include "core/common/Label.h"
#include "core/common/TextGrid.h"
#include "core/common/WindowNotices.h"
#include "core/race/RaceFilter.h"

namespace marovix {

// The ids of the verification window.
struct KenshoIds {
    enum class Part {
        Filter,   // the six lists and the distance edits
        Grid,     // StringGrid1
        Results,  // the result labels
        Count
    };
    enum class GridId { StringGrid1, Count };
    enum class LabelId { DataSuLabel, TekichuRLabel, KaishuRLabel, Count };
};

// The 19 columns of StringGrid1.
enum class KenshoCol {
    Year,
    Month,
    Day,
    Basho,
    Kai,
    Nichi,
    RaceNum,
    RaceName,
    Tosu,
    Grade,
    Shubetsu,
    Joken,
    Juryo,
    Track,
    Kyori,
    Baba,
    Tensu,
    Toshi,
    Kaishu,
    Count
};

struct KenshoState {
    // The lists' selections and the distance edits KyoriEdit01 and KyoriEdit02.
    RaceFilter filter;
    TextGrid stringGrid1;
    LabelSet<KenshoIds::LabelId> labels;

    const TextGrid& grid(KenshoIds::GridId) const { return stringGrid1; }
};

class KenshoModel : public KenshoIds, public WindowModel<KenshoIds::Part> {
public:
    static constexpr const char* kCaption = "検証";
    static constexpr const char* kWorkFileName = "tmpData.dat";

    // `appFolder` holds the work file.
    explicit KenshoModel(std::string appFolder);

    const KenshoState& state() const { return m_state; }
    std::string workFilePath() const;

    // A click in a list: item `item` selected or not.
    void listClick(FilterListId list, int item, bool selected);
    // A right-button click on a list: every item cleared when one is selected, else every item selected.
    void listContextPopup(FilterListId list);
    // KyoriEdit01 (`from`) or KyoriEdit02 changed, kept within the edit's range.
    void KyoriEditChange(bool from, int metres);
    // Before a simulation: the grid emptied to its heading and one empty row, every list item deselected,
    // the distance range 1000 to 5000.
    void prepareForSimulation();
    // "検証".
    void ReadDataBtnClick();

private:
    void emptyGrid();

    std::string m_appFolder;
    KenshoState m_state;
};

}  // namespace marovix
