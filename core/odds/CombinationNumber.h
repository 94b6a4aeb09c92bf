#pragma once
// Combination texts and combination numbers. A combination is written as two-character right-aligned
// numbers ("%2d") joined by "-": " 1- 2", "10-11", " 1- 2- 3", "10- 1- 2". Unordered bet types (WR, UR,
// WD, SRF) write the smaller number first, ordered ones (UT, SRT) the finishing order. The combination
// number is the 1-based position of the combination in the odds record of its bet type, and so the index
// into the OddsTable; win and place are indexed by the horse number itself.
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace marovix {

// Combinations per bet type: bracket pairs 1-1 ... 8-8, horse pairs 1-2 ... 17-18 (quinella and
// quinella place), ordered pairs (exacta), triples 1-2-3 ... 16-17-18 (trio), ordered triples (trifecta).
inline constexpr int kCombinationsWR = 36;
inline constexpr int kCombinationsPair = 153;
inline constexpr int kCombinationsUT = 306;
inline constexpr int kCombinationsSRF = 816;
inline constexpr int kCombinationsSRT = 4896;

// Each gives the combination number of a text, or 0 when the text is not exactly one of the valid texts
// of the bet type: wrong spacing ("1- 2", " 1-2", " 1 - 2"), a number out of range (horses 1..18,
// brackets 1..8), the wrong order for an unordered type, a repeated horse, or extra characters.
int CombNoWR(std::string_view text);    // 1..36: " 1- 1" 1, " 1- 8" 8, " 2- 2" 9, " 8- 8" 36
int CombNoPair(std::string_view text);  // 1..153, quinella and quinella place: " 1- 2" 1, "17-18" 153
int CombNoUT(std::string_view text);    // 1..306: " 1- 2" 1, " 2- 1" 18, "18-17" 306
int CombNoSRF(std::string_view text);   // 1..816: " 1- 2- 3" 1, "16-17-18" 816
// 1..4896: " 9-18-17" 2448, "10- 1- 2" 2449, "18-17-16" 4896. Only the first eight characters of the
// text take part: " 1- 2- 3" followed by anything is 1.
int CombNoSRT(std::string_view text);

// The text of a combination, numbers in the order given: Format("%2d-") for every number but the last,
// Format("%2d") for the last ({3, 11, 7} gives " 3-11- 7"; {7} gives " 7"). No number gives "".
std::string combinationText(std::span<const int> numbers);
std::string combinationText(std::initializer_list<int> numbers);

}  // namespace marovix
