#pragma once
// The lines of a vote file: one per selection, seven fields each followed by a comma:
// date (yyyymmdd), course (2 digits), race (2 digits), bet-type code, "NORMAL", stake, combination.
// Example: "20240526,05,11,SANTAN,NORMAL,100,03-11-07,".
#include <string>
#include <string_view>
#include <vector>

#include "core/common/Result.h"
#include "core/vote/VoteTypeCode.h"

namespace marovix {

// One selection to vote, as texts of its row: bet type ("単勝" ... "３連単"), combination text
// (" 3-11- 7") and stake ("   100"). The vote command passes the rows of whichever grid is showing.
struct VoteRow {
    std::string betType;
    std::string combination;
    std::string stake;
};

// Checks a race key (RaceKey16: year, month-day, course, meeting, day, race number): at least 16
// characters, with digits where the vote file takes its date, course and race from.
Status checkVoteRaceKey(std::string_view raceKey16);

// The combination field: the numbers at character positions 1-2, 4-5 and 7-8 of the combination
// text (as many as the bet type has, a leading blank allowed, joined by "-"), each written again
// with two digits and a leading zero, brackets with one digit: " 3-11- 7" gives "03-11-07", the
// bracket pair " 1- 8" gives "1-8". The order is kept. An error when the text has another shape
// or a number outside 1 to the bet type's highest.
Result<std::string> VoteCombinationField(const VoteBetType& type, std::string_view combinationText);

// The vote line of one row: date, course and race from the race key, VoteTypeCode of the bet-type
// text, "NORMAL", the stake text without the blanks around it, and the combination field. An error
// for a bad race key, an unknown bet type, a bad combination, or a stake that is not decimal digits.
Result<std::string> VoteLine(std::string_view raceKey16, const VoteRow& row);

// The vote lines of the rows, in row order. A bad row gives an error naming it ("3行目: ...") and
// no lines at all, so a vote is never written short of a row.
Result<std::vector<std::string>> VoteLines(std::string_view raceKey16, const std::vector<VoteRow>& rows);

}  // namespace marovix
