#pragma once
// The race card of the shown race in the two grids of the main window (StringGrid26 beside the
// selections, StringGrid1 with every index), the race header above them, and how their cells are painted.
#include <array>
#include <string>

#include "core/common/CellStyle.h"
#include "core/common/MainGrids.h"
#include "core/race/RaceSlot.h"
#include "core/race/RaceWork.h"

namespace marovix {

// The odds of a race as the race card shows them, per horse 1..18 (index 0 unused): win odds and
// popularity, lower place odds and popularity (0 or below: none).
struct CardOdds {
    std::array<double, 19> win{};
    std::array<int, 19> winPop{};
    std::array<double, 19> placeLow{};
    std::array<int, 19> placePop{};
};

// FillRaceCard: row r (1 .. row count - 1) of both grids from runner slot r - 1 (horse number r) and its
// index values: StringGrid26 columns 0-7, StringGrid1 columns 0-21. The callers set the row counts.
void fillRaceCard(RaceCard26Grid& card26, RaceCard1Grid& card1, const RunnerRecords& runners,
                  const RunnerIndexes& indexes, const CardOdds& odds);
// Of the same rows of StringGrid26 only the horse-number column, as fillRaceCard writes it: all that the
// marks and the selection builders read of a race card.
void fillHorseNumbers(RaceCard26Grid& card26, const RunnerRecords& runners);

// The texts of a card row's number cells.
std::string oddsText(double odds);  // "%5.1f", five blanks when not above 0
std::string rankText(int rank);     // "%2d", a full-width blank when below 1
std::string dmTimeText(int time);   // 13456 gives "1.34.56", the empty text for 0

// The header of the shown race: BashoLabel, RaceLabel, Label1, Label2, Label3 and the colour of Panel21.
struct RaceHeader {
    std::string basho;
    std::string race;
    std::string label1;
    std::string label2;
    std::string label3;
    Rgb panelColor = 0;
};
RaceHeader raceHeader(const RaceRecord& race, const RaceWork& work);

// Cell paint of StringGrid26 and StringGrid1 at (column, row); row 0 is the heading row. A body row of
// StringGrid26 is painted only when its horse-number cell holds a number above 0.
CellStyle raceCard26Style(const RaceCard26Grid& grid, const RaceWork& work, int column, int row);
CellStyle raceCard1Style(const RaceCard1Grid& grid, int column, int row);

// The background of a race list entry: the selected entry blue, a target race of automatic operation
// light blue, others white.
Rgb raceListBackground(bool selected, bool target);

// RaceListText of a race: CourseName, the race number in two characters and "R" ("東京 1R", "東京11R").
std::string raceListText(const RaceRecord& race);

}  // namespace marovix
