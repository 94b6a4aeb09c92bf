#pragma once
// The verification window "検証" (TKenshoForm) without the window: the records of the work file filtered
// by the race-attribute lists, listed in the grid StringGrid1 from the last record to the first, and summed
// into the data count, the hit rate and the return rate.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/common/TextGrid.h"
#include "core/race/RaceAttributeFilter.h"
#include "core/strategy/SimulationRecord.h"

namespace marovix {

// The 19 columns of StringGrid1.
enum class KenshoColumn {
    Year,
    Month,
    Day,
    Basho,
    Meeting,
    DayNumber,
    Race,
    RaceName,
    Runners,
    Grade,
    RaceType,
    Condition,
    WeightRule,
    Track,
    Distance,
    Going,
    Count,
    Stake,
    Returns,
    ColumnCount
};
constexpr int kKenshoColumnCount = static_cast<int>(KenshoColumn::ColumnCount);

// The heading of a column ("年", "月", ... "回収金額").
std::string_view kenshoHeading(KenshoColumn column);

// The grid row of a record: year; month, day, meeting, day number and race number in two characters;
// course name; race short name; registered runners; grade, race-type, condition and weight-rule names;
// "芝", "ダ" or "障" by the track code; distance; the turf going for "芝", the dirt going for "ダ", empty
// otherwise; count, stake and return right-aligned.
std::vector<std::string> kenshoRow(const SimulationRecord& record);

// The running sums over the counted records, in the file's order (first record first): what the chart of
// the window draws.
struct CumulativePoint {
    std::int64_t stake = 0;
    std::int64_t returns = 0;
};

class KenshoModel {
public:
    // `workFile`: the path of "tmpData.dat".
    explicit KenshoModel(std::string workFile);

    // The lists and distance edits of the group "レース属性指定"; they keep no settings.
    const RaceAttributeFilter& filter() const { return m_filter; }
    RaceAttributeFilter& filter() { return m_filter; }
    // A right-button click on a list: clears it when an item is selected, selects every item otherwise.
    void listRightClick(AttributeList list) { m_filter.toggleAll(list); }

    // What a simulation does to the window before it runs: the grid emptied to its heading row and one
    // empty row, every item deselected, the distance range 1000 to 5000.
    void prepareForSimulation();

    // ReadDataBtn "検証": the three labels emptied; when the work file exists the grid is emptied and every
    // record that passes the lists gets a row, from the last record to the first (the pump runs after each
    // row). A record with a count of at least 1 counts: the data count grows, its stake and return are
    // summed, and it is a hit when its return is above 0. At the end, with a data count above 0, the hit
    // rate and the return rate are shown ("%10.1f"); the return rate is "-" when the stakes sum to 0. Without
    // the work file the labels stay empty and the grid as it was.
    void ReadDataBtnClick();

    const TextGrid& grid() const { return m_grid; }
    // DataSuLabel, TekichuRLabel and KaishuRLabel.
    const std::string& dataSuLabel() const { return m_dataSu; }
    const std::string& tekichuRLabel() const { return m_tekichuR; }
    const std::string& kaishuRLabel() const { return m_kaishuR; }
    // ReadDataBtn is enabled (it is not while the verification runs).
    bool readDataEnabled() const { return m_readDataEnabled; }
    // The records that passed, in grid order (the last record of the file first).
    const std::vector<SimulationRecord>& passing() const { return m_passing; }
    // The running sums of stake and return over the counted records that passed, first record first.
    std::vector<CumulativePoint> cumulative() const;
    // A problem of the last verification that the user is told (a work file that cannot be read or ends in
    // a short record); empty when there was none.
    const std::string& notice() const { return m_notice; }

    // Lets pending window events run (and the label repaint) after each row.
    void setEventPump(std::function<void()> pump) { m_eventPump = std::move(pump); }

private:
    void emptyGrid();

    std::string m_workFile;
    RaceAttributeFilter m_filter;
    TextGrid m_grid;
    std::string m_dataSu;
    std::string m_tekichuR;
    std::string m_kaishuR;
    bool m_readDataEnabled = true;
    std::vector<SimulationRecord> m_passing;
    std::string m_notice;
    std::function<void()> m_eventPump;
};

}  // namespace marovix
