#pragma once
// Deriving the OddsTable of a race from its raw odds records O1..O6. A pure function: the records are
// held by the caller (DayOdds keeps them per race slot).
#include <array>
#include <string_view>

#include "core/odds/OddsRecordLayout.h"
#include "core/odds/OddsTable.h"

namespace marovix {

// The raw odds records of a race, indexed by kindIndex(O1..O6): views of whole records or day-file lines
// (a record without its CR LF); the caller keeps the bytes.
using OddsRawRecords = std::array<std::string_view, kOddsKindCount>;

// Six lines of blanks of the kinds' lengths: the raw records of a race for which no odds have been found.
// The views are of static storage.
OddsRawRecords blankOddsRecords();

// Fills `table` from the raw records of a race with `registered` runners (RA 882-883, taken as 0..18):
// - every entry is cleared to 0 first;
// - win and place, horses 1..registered only (from O1): a win field of "----" or "****" gives -1.0, a
//   blank one -2.0, otherwise its value / 10. "----" or "****" in the lower place field sets both place
//   ends to -1.0, a blank lower field both to -2.0; otherwise both ends are read as numbers / 10;
// - TanPop and FukLowPop are ranks, computed: the horses with win odds above 0 ordered as the texts
//   Format("%6.1f%6.1f%2d", TanOdds, FukOddsLow, horse) in byte order, and those with lower place odds
//   above 0 as Format("%6.1f%6.1f%2d", FukOddsLow, FukOddsHigh, horse): a tie goes to the second odds,
//   then the lower horse number. Other horses have popularity 0;
// - every combination of O1 (bracket quinella) ... O6 (trifecta): an odds field of all "-" or all "*"
//   gives -1.0, a blank one -2.0, both with popularity 0; otherwise odds = value / 10 and the popularity
//   as published.
// Fields are trimmed of blanks; other text is read with the lenient integer parse (a field of zeros is
// odds 0, unusable). A raw record that is not a sound record of its kind (wrong type or length) reads as
// a blank record.
void fillOddsTable(const OddsRawRecords& raw, int registered, OddsTable& table);

// fillOddsTable in parts, for readers that need only some of the lists: the win and place lists with their
// ranks, and the combination list of one kind (odds and popularity). Each writes every entry of its lists
// and nothing else.
void fillWinPlaceOdds(const OddsRawRecords& raw, int registered, WinPlaceOdds& table);
void fillCombinationOdds(const OddsRawRecords& raw, OddsKind kind, OddsTable& table);

// Single combination odds of a kind, read from the raw record as fillOddsTable reads them, for readers of a
// few combinations (the selection builders) that need not read the whole list. The raw record's bytes
// must outlive the reader.
class CombinationOddsReader {
public:
    CombinationOddsReader(const OddsRawRecords& raw, OddsKind kind);
    // The kind's combinations (kCombinationsWR ... kCombinationsSRT).
    int count() const;
    // combinationOdds(kind)[number] of the table fillOddsTable derives; 0 outside 1..count().
    double odds(int number) const;

private:
    OddsKind m_kind;
    std::string_view m_record;  // the kind's raw record when sound, else a blank one
};

// The same, as a new table.
OddsTable deriveOddsTable(const OddsRawRecords& raw, int registered);

}  // namespace marovix
