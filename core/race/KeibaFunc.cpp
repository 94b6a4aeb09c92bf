#include "core/race/KeibaFunc.h"

#include <cstdio>

#include "core/common/Cp932.h"
#include "core/common/Trim.h"
#include "core/race/JvRecord.h"

namespace marovix {
namespace {

// A row of an exact-code table.
struct CodeText {
    std::string_view code;
    std::string_view text;
};

// A row of a numeric-code table.
struct NumberText {
    int code;
    std::string_view text;
};

template <class Row, std::size_t N, class Key>
const Row* findRow(const Row (&rows)[N], const Key& code) {
    for (const Row& row : rows)
        if (row.code == code) return &row;
    return nullptr;
}

// The text of a one-column table, or `fallback` when the code is not in it.
template <class Row, std::size_t N, class Key>
std::string lookUp(const Row (&rows)[N], const Key& code, std::string_view fallback = {}) {
    const Row* row = findRow(rows, code);
    return std::string(row ? row->text : fallback);
}

constexpr std::string_view kFourBlanks = "    ";

// The last six codes are recognised but have no name of their own.
constexpr CodeText kCourseNames[] = {
    {"01", "札幌"},      {"02", "函館"},      {"03", "福島"},      {"04", "新潟"},      {"05", "東京"},
    {"06", "中山"},      {"07", "中京"},      {"08", "京都"},      {"09", "阪神"},      {"10", "小倉"},
    {"30", "門別"},      {"31", "北見"},      {"32", "岩見"},      {"33", "帯広"},      {"34", "旭川"},
    {"35", "盛岡"},      {"36", "水沢"},      {"37", "上山"},      {"38", "三条"},      {"39", "足利"},
    {"40", "宇都"},      {"41", "高崎"},      {"42", "浦和"},      {"43", "船橋"},      {"44", "大井"},
    {"45", "川崎"},      {"46", "金沢"},      {"47", "笠松"},      {"48", "名古"},      {"49", "紀三"},
    {"50", "園田"},      {"51", "姫路"},      {"52", "益田"},      {"53", "福山"},      {"54", "高知"},
    {"55", "佐賀"},      {"56", "荒尾"},      {"57", "中津"},      {"58", "札幌"},      {"59", "函館"},
    {"60", "新潟"},      {"61", "中京"},      {"A0", "他外"},      {"A2", "日本"},      {"A4", "アメ"},
    {"A6", "イギ"},      {"A8", "フラ"},      {"B0", "イン"},      {"B2", "アイ"},      {"B4", "ニュ"},
    {"B6", "オー"},      {"B8", "カナ"},      {"C0", "イタ"},      {"C2", "ドイ"},      {"C5", "オマ"},
    {"C6", "イラ"},      {"C7", "ア首"},      {"C8", "シリ"},      {"D0", "スウ"},      {"D2", "ハン"},
    {"D4", "ポル"},      {"D6", "ロシ"},      {"D8", "ウル"},      {"E0", "ペル"},      {"E2", "アル"},
    {"E4", "ブラ"},      {"E6", "ベル"},      {"E8", "トル"},      {"F0", "韓国"},      {"F1", "中国"},
    {"F2", "チリ"},      {"F8", "パナ"},      {"G0", "香港"},      {"G2", "スペ"},      {"H0", "西独"},
    {"H2", "南ア"},      {"H4", "スイ"},      {"H6", "モナ"},      {"H8", "フィ"},      {"I0", "プエ"},
    {"I2", "コロ"},      {"I4", "チェ"},      {"I6", "チェ"},      {"I8", "スロ"},      {"J0", "エク"},
    {"J2", "ギリ"},      {"J4", "マレ"},      {"J6", "メキ"},      {"J8", "モロ"},      {"K0", "パキ"},
    {"K2", "ポー"},      {"K4", "パラ"},      {"K6", "サウ"},      {"K8", "キプ"},      {"L0", "タイ"},
    {"L2", "ウク"},      {"L4", "ベネ"},      {"L6", "ユー"},      {"L8", "デン"},      {"M0", "シン"},
    {"M2", "澳門"},      {"M4", "墺国"},      {"M6", "約  "},      {"M8", "華  "},      {"N0", "東ド"},
    {"N2", "バレ"},      {"C4", kFourBlanks}, {"F4", kFourBlanks}, {"F6", kFourBlanks}, {"G4", kFourBlanks},
    {"G6", kFourBlanks}, {"G8", kFourBlanks},
};

constexpr NumberText kWeekdays[] = {
    {0, "　"}, {1, "土"}, {2, "日"}, {3, "祝"}, {4, "月"}, {5, "火"}, {6, "水"}, {7, "木"}, {8, "金"},
};

struct GradeRow {
    std::string_view code;
    std::string_view style1;  // five bytes
    std::string_view style8;  // three bytes
};
constexpr GradeRow kGrades[] = {
    {"A", "G1   ", "G1 "}, {"B", "G2   ", "G2 "}, {"C", "G3   ", "G3 "}, {"D", "重賞 ", "重 "}, {"E", "特別 ", "特 "},
    {"F", "JG1  ", "JG1"}, {"G", "JG2  ", "JG2"}, {"H", "JG3  ", "JG3"}, {"L", "List ", "LST"},
};
constexpr GradeRow kOtherGrade = {"", "　　 ", "　 "};

struct RaceTypeRow {
    std::string_view code;
    std::string_view width2;
    std::string_view width4;
};
constexpr RaceTypeRow kRaceTypes[] = {
    {"11", "２歳", "サラ２歳"}, {"12", "３歳", "サラ３歳"}, {"13", "３上", "サラ３上"}, {"14", "４上", "サラ４上"},
    {"18", "３上", "障害３上"}, {"19", "４上", "障害４上"}, {"21", "２歳", "アラ２歳"}, {"22", "３歳", "アラ３歳"},
    {"23", "３上", "アラ３上"}, {"24", "４上", "アラ４上"},
};
constexpr std::string_view kOtherRaceType = "　　　　";

constexpr CodeText kWeightRules[] = {{"1", "ﾊﾝﾃﾞ"}, {"2", "別定"}, {"3", "馬齢"}, {"4", "定量"}};

constexpr NumberText kTracks[] = {
    {10, "芝 直線"},
    {11, "芝 左回り"},
    {12, "芝 左回り 外回り"},
    {13, "芝 左回り 内→外回り"},
    {14, "芝 左回り 外→内回り"},
    {15, "芝 左回り 内２周"},
    {16, "芝 左回り 外２周"},
    {17, "芝 右回り"},
    {18, "芝 右回り 外回り"},
    {19, "芝 右回り 内→外回り"},
    {20, "芝 右回り 外→内回り"},
    {21, "芝 右回り 内２周"},
    {22, "芝 右回り 外２周"},
    {23, "ﾀﾞｰﾄ 左回り"},
    {24, "ﾀﾞｰﾄ 右回り"},
    {25, "ﾀﾞｰﾄ 左回り 内回り"},
    {26, "ﾀﾞｰﾄ 右回り 外回り"},
    {27, "ｻﾝﾄﾞ 左回り"},
    {28, "ｻﾝﾄﾞ 右回り"},
    {29, "ﾀﾞｰﾄ 直線"},
    {51, "障害 芝　襷"},
    {52, "障害 芝→ﾀﾞｰﾄ"},
    {53, "障害 芝　左"},
    {54, "障害 芝"},
    {55, "障害 芝 外回り"},
    {56, "障害 芝 外→内回り"},
    {57, "障害 芝 内→外回り"},
    {58, "障害 内２周"},
    {59, "障害 外２周"},
};

struct TrackRange {
    int from;
    int to;
    std::string_view text;
};
constexpr TrackRange kTrackShort[] = {
    {10, 10, "芝直"}, {11, 16, "芝左"}, {17, 22, "芝右"}, {23, 23, "ダ左"},
    {24, 24, "ダ右"}, {29, 29, "ダ直"}, {51, 59, "障害"},
};

constexpr CodeText kWeathers[] = {{"1", "晴"}, {"2", "曇"}, {"3", "雨"}, {"4", "小雨"}, {"5", "雪"}, {"6", "小雪"}};

struct GoingRow {
    std::string_view code;
    std::string_view styles[3];  // plain, turf, dirt
};
constexpr GoingRow kGoings[] = {
    {"1", {"良", "芝:良", "ダ:良"}},
    {"2", {"稍重", "芝:稍重", "ダ:稍重"}},
    {"3", {"重", "芝:重", "ダ:重"}},
    {"4", {"不良", "芝:不良", "ダ:不良"}},
};

constexpr CodeText kSexes[] = {{"1", "牡"}, {"2", "牝"}, {"3", "ｾﾝ"}};

constexpr NumberText kAgeParts[] = {
    {11, "2歳"}, {12, "3歳"}, {13, "3歳上"}, {14, "4歳上"}, {18, "障3歳上"}, {19, "障4歳上"},
};
constexpr NumberText kAgeClassParts[] = {
    {5, "1勝ｸﾗｽ"}, {10, "2勝ｸﾗｽ"},  {16, "3勝ｸﾗｽ"},  {100, "10000"},
    {701, "新馬"}, {702, "未出走"}, {703, "未勝利"}, {999, "ｵｰﾌﾟﾝ"},
};

constexpr NumberText kClasses[] = {
    {5, "1勝ｸﾗｽ"}, {10, "2勝ｸﾗｽ"},  {16, "3勝ｸﾗｽ"},  {100, "1億下"},
    {701, "新馬"}, {702, "未出走"}, {703, "未勝利"}, {999, "オープン"},
};

// Grades whose class label is the grade mark followed by the short name.
constexpr CodeText kGradeMarks[] = {{"A", "GⅠ"}, {"B", "GⅡ"}, {"C", "GⅢ"}, {"L", "Lst"}};
constexpr CodeText kConditionLabels[] = {
    {"701", "新馬"}, {"702", "未出走"}, {"703", "未勝利"}, {"005", "1勝ｸﾗｽ"}, {"010", "2勝ｸﾗｽ"}, {"016", "3勝ｸﾗｽ"},
};
// The label of a race without a class of its own and without a short name.
constexpr CodeText kBlankClassLabels[] = {{"D", "重賞"}, {"E", "特別"}};
constexpr std::string_view kOpenClassCode = "999";
constexpr std::string_view kOpenClassLabel = "ｵｰﾌﾟﾝ";
constexpr std::string_view kNoClassLabel = " ";

constexpr std::string_view kCircledNumbers[] = {
    "①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩", "⑪", "⑫", "⑬", "⑭", "⑮", "⑯", "⑰", "⑱",
};
constexpr std::string_view kNoCircledNumber = "－";

constexpr std::string_view kFullWidthSpace = "　";

bool hasName(std::string_view shortName) { return !trimmed(StripFullWidthSpaces(shortName), Blanks::Control).empty(); }

}  // namespace

std::string CourseName(std::string_view code) { return lookUp(kCourseNames, code, kFourBlanks); }

std::string WeekdayText(std::string_view code) { return lookUp(kWeekdays, lenientInt(code)); }

std::string GradeText(std::string_view code, int style) {
    const GradeRow* row = findRow(kGrades, code);
    if (!row) row = &kOtherGrade;
    switch (style) {
        case 1: return std::string(row->style1);
        case 8: return std::string(row->style8);
        default: return {};
    }
}

std::string RaceTypeText(std::string_view code, int width) {
    if (width != 2 && width != 4) return {};
    const RaceTypeRow* row = findRow(kRaceTypes, code);
    if (!row) return std::string(kOtherRaceType);
    return std::string(width == 2 ? row->width2 : row->width4);
}

std::string WeightRuleText(std::string_view code) { return lookUp(kWeightRules, code); }

std::string TrackText(std::string_view code) { return lookUp(kTracks, lenientInt(code)); }

std::string TrackShortText(std::string_view code) {
    int value = lenientInt(code);
    for (const TrackRange& range : kTrackShort)
        if (value >= range.from && value <= range.to) return std::string(range.text);
    return {};
}

std::string WeatherText(std::string_view code) { return lookUp(kWeathers, code); }

std::string GoingText(std::string_view code, int style) {
    const GoingRow* row = findRow(kGoings, code);
    if (!row || style < 0 || style > 2) return {};
    return std::string(row->styles[style]);
}

std::string SexText(std::string_view code) { return lookUp(kSexes, code); }

std::string AgeClassText(std::string_view raceTypeCode, std::string_view conditionCode) {
    return lookUp(kAgeParts, lenientInt(raceTypeCode)) + lookUp(kAgeClassParts, lenientInt(conditionCode));
}

std::string ClassText(std::string_view conditionCode) { return lookUp(kClasses, lenientInt(conditionCode)); }

std::string ClassLabel(std::string_view conditionCode, std::string_view gradeCode, std::string_view shortName) {
    if (const CodeText* mark = findRow(kGradeMarks, gradeCode)) return std::string(mark->text) + std::string(shortName);
    if (const CodeText* label = findRow(kConditionLabels, conditionCode)) return std::string(label->text);
    if (conditionCode == kOpenClassCode) return std::string(hasName(shortName) ? shortName : kOpenClassLabel);
    // Any other code counts in units of 100 (yen x 10000); a blank or zero code means no class at all.
    int value = trimmed(conditionCode, Blanks::Control).empty() ? 0 : lenientInt(conditionCode);
    if (value != 0) {
        char label[32];
        std::snprintf(label, sizeof label, "%4lld下", value * 100LL);
        return label;
    }
    if (hasName(shortName)) return std::string(shortName);
    return lookUp(kBlankClassLabels, gradeCode, kNoClassLabel);
}

std::string CircledNumber(std::string_view code) {
    int value = lenientInt(code);
    if (value < 1 || value > static_cast<int>(std::size(kCircledNumbers))) return std::string(kNoCircledNumber);
    return std::string(kCircledNumbers[value - 1]);
}

std::string FixedWidthNumber(std::string_view text) {
    int width = static_cast<int>(cp932Width(text));
    int value = lenientInt(text);
    if (value == 0) return std::string(static_cast<std::size_t>(width), ' ');
    char number[32];
    std::snprintf(number, sizeof number, "%*d", width, value);
    return number;
}

std::string StripFullWidthSpaces(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t from = 0; from < text.size();) {
        std::size_t space = text.find(kFullWidthSpace, from);
        if (space == std::string_view::npos) space = text.size();
        out.append(text.substr(from, space - from));
        from = space + kFullWidthSpace.size();
    }
    return out;
}

std::string PutTextAt(std::string_view line, std::string_view text, int position) {
    std::string out(line);
    if (position < 1) return out;
    std::size_t start = static_cast<std::size_t>(position - 1);
    if (start > out.size()) out.resize(start, ' ');
    out.replace(start, text.size(), text);
    return out;
}

std::string carriedWeightText(std::string_view field) {
    // A field cut short reads as blanks where it ends, as the record's blank field does.
    std::string digits(field.substr(0, 3));
    digits.resize(3, ' ');
    return digits.substr(0, 2) + "." + digits.substr(2, 1);
}

std::string winOddsText(std::string_view field) {
    int value = lenientInt(field);
    if (value == 0) return "     ";
    char odds[32];
    std::snprintf(odds, sizeof odds, "%5.1f", value / 10.0);
    return odds;
}

}  // namespace marovix
