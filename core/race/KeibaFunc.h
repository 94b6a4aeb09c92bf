#pragma once
// The code tables of JV-Data and the small text helpers of the race views. The display texts are fixed
// byte for byte (full-width spaces, half-width katakana) so that headers and lists line up in monospaced
// fonts, and course names are part of file names: they must never change.
//
// Every lookup is a pure function of its input: no state, no errors; an unknown code gives the blank or
// empty text stated for it. Inputs and outputs are UTF-8 (convert record fields with fieldUtf8).
// A lookup marked "exact" compares the input text as it stands ("5" is not "05", " 1" is not "1"); one
// marked "numeric" first reads it with the lenient integer parse ("5", "05" and " 5" are one key; blanks
// are 0).
#include <string>
#include <string_view>

namespace marovix {

// Course code (exact) to its two-character name, e.g. "05" "東京". Unknown codes, and the recognised
// codes C4, F4, F6, G4, G6 and G8, give four half-width blanks.
std::string CourseName(std::string_view code);

// Weekday code (numeric): 0 "　", 1 "土", 2 "日", 3 "祝", 4 "月" ... 8 "金"; other values the empty text.
std::string WeekdayText(std::string_view code);

// Grade code (exact). Style 1 gives five bytes ("G1   ", "重賞 ", other "　　 "), style 8 three bytes
// ("G1 ", "重 ", other "　 "). Any other style gives the empty text.
std::string GradeText(std::string_view code, int style);

// Race-type code (exact). Width 2 gives e.g. "３上", width 4 "サラ３上"; other codes four full-width
// spaces in both widths. Any other width gives the empty text.
std::string RaceTypeText(std::string_view code, int width);

// Weight-rule code (exact): "1" "ﾊﾝﾃﾞ", "2" "別定", "3" "馬齢", "4" "定量"; other the empty text.
std::string WeightRuleText(std::string_view code);

// Track code (numeric), e.g. 17 "芝 右回り", 24 "ﾀﾞｰﾄ 右回り"; other values the empty text.
std::string TrackText(std::string_view code);

// Track code (numeric) in two characters, e.g. 11..16 "芝左", 24 "ダ右", 51..59 "障害"; other values
// (25..28 among them) the empty text.
std::string TrackShortText(std::string_view code);

// Weather code (exact): "1" "晴" ... "6" "小雪"; other the empty text.
std::string WeatherText(std::string_view code);

// Going code (exact). Style 0 plain ("稍重"), style 1 turf ("芝:稍重"), style 2 dirt ("ダ:稍重").
// Other codes, the empty code among them, and other styles give the empty text.
std::string GoingText(std::string_view code, int style);

// Sex code (exact): "1" "牡", "2" "牝", "3" "ｾﾝ"; other the empty text.
std::string SexText(std::string_view code);

// Race-type code and youngest-age condition code (both numeric) as age part + class part, e.g.
// "3歳上1勝ｸﾗｽ"; each part is empty when its code is not listed.
std::string AgeClassText(std::string_view raceTypeCode, std::string_view conditionCode);

// Youngest-age condition code (numeric): 5 "1勝ｸﾗｽ" ... 100 "1億下", 999 "オープン"; other the empty text.
std::string ClassText(std::string_view conditionCode);

// The class label of a race from its youngest-age condition code (3 characters), grade code (1 character)
// and six-byte short name (RA 605-610, UTF-8):
// - grade A, B, C, L: "GⅠ", "GⅡ", "GⅢ", "Lst" followed by the short name;
// - else by condition code (exact): "701" "新馬", "702" "未出走", "703" "未勝利", "005" "1勝ｸﾗｽ",
//   "010" "2勝ｸﾗｽ", "016" "3勝ｸﾗｽ"; "999" the short name, or "ｵｰﾌﾟﾝ" when the name is blank; any other
//   non-blank code its value x 100 as "%4d下" ("500" gives "50000下"); a blank code, or one whose value is
//   0, gives the short name, or when that is blank "重賞" for grade D, "特別" for grade E, " " otherwise.
// A short name counts as blank when nothing is left after removing full-width spaces and trimming; a name
// that is not blank is used as given.
std::string ClassLabel(std::string_view conditionCode, std::string_view gradeCode, std::string_view shortName);

// Numeric 1 to 18: "①" to "⑱"; other values "－".
std::string CircledNumber(std::string_view code);

// The text's value (lenient parse) right-aligned in as many bytes as the text has in CP932 (" 5" and "05"
// give " 5", "12" gives "12"); a value of 0 gives that many blanks ("00" and "  " give two blanks).
std::string FixedWidthNumber(std::string_view text);

// The text without any full-width space (U+3000); half-width blanks stay.
std::string StripFullWidthSpaces(std::string_view text);

// Patches a stored record line (CP932 bytes) in place: the bytes from 1-based `position` on are replaced
// by `text`, as many as it has; a text running past the end of the line lengthens it. A position past
// the end first pads the line with blanks so that the text lands at its position; a position below 1
// leaves the line unchanged.
std::string PutTextAt(std::string_view line, std::string_view text, int position);

// Carried weight field (SE 289-291, 0.1 kg units) as shown: the first two digits, ".", the third digit
// ("540" gives "54.0"). A blank field gives "  . ", as do the blanks of a field cut short.
std::string carriedWeightText(std::string_view field);

// Final win odds field (SE 360-363, 0.1 units) as shown: value / 10 with "%5.1f" ("0123" gives " 12.3").
// A field whose value is 0 ("0000", blanks, or invalid text) gives five blanks.
std::string winOddsText(std::string_view field);

}  // namespace marovix
