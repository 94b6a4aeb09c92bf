#include "core/jv/DownloadRecordRule.h"

#include "core/common/DateTime.h"
#include "core/jv/DayDataFile.h"
#include "core/race/JvRecord.h"
#include "core/race/KeibaFunc.h"
#include "core/race/RecordFields.h"
#include "core/race/RecordKeys.h"

namespace marovix {
namespace {

enum class Label {
    Unchanged,
    Meeting,  // prefix + DayText + course + race + "R"
    Runner,   // "馬毎:" + course + race + "R/" + circled horse number + horse name
    Odds,     // prefix + race + "R/" + file name
};

// A field whose number must lie in a range for the record to be taken; position 0: none.
struct NumberRange {
    RecordField field{0, 0};
    int min = 0;
    int max = 0;
};

struct RecordRule {
    std::string_view type;
    std::string_view refusedKinds;  // data kinds (position 3) never taken
    bool fromDateLimit;             // race date >= from-date number - 10
    bool finalOddsOnly;             // only while CheckBox1 is ticked
    NumberRange range;
    std::string_view extension;
    bool runnerFile;
    bool zero;
    bool drop;
    Label label;
    std::string_view labelPrefix;
};

constexpr NumberRange kRegisteredRunners{RaField::registeredRunners, 1, 18};
constexpr NumberRange kHorseNumber{SeField::horseNumber, 1, 18};

constexpr RecordRule kRules[] = {
    {RaField::type, "AB", true, false, kRegisteredRunners, ".jvRA", false, true, true, Label::Meeting, "開催:"},
    {SeField::type, "AB", true, false, kHorseNumber, ".jvSEr", true, false, false, Label::Runner, "馬毎:"},
    {HrField::type, "", true, false, {}, ".jvHR", false, true, false, Label::Meeting, "払戻:"},
    {TmField::type, "", false, false, {}, ".jvTM", false, true, true, Label::Unchanged, ""},
    {O1Field::type, "09", false, true, {}, ".jvO1", false, true, true, Label::Odds, "単勝確定ｵｯｽﾞ:"},
    {O2Field::type, "09", false, true, {}, ".jvO2", false, true, true, Label::Odds, "馬連確定ｵｯｽﾞ:"},
    {O3Field::type, "09", false, true, {}, ".jvO3", false, true, true, Label::Odds, "ﾜｲﾄﾞ確定ｵｯｽﾞ:"},
    {O4Field::type, "09", false, true, {}, ".jvO4", false, true, true, Label::Odds, "馬単確定ｵｯｽﾞ:"},
    {O5Field::type, "09", false, true, {}, ".jvO5", false, true, true, Label::Odds, "3連複確定ｵｯｽﾞ:"},
    {O6Field::type, "09", false, true, {}, ".jvO6", false, true, true, Label::Odds, "3連単確定ｵｯｽﾞ:"},
};

// The download handles only types the program stores; any other type a stream delivers (H1, H6, WF,
// JC ...) is passed over as not taken, whatever its length, since no field of it is ever cut.
constexpr bool rulesOnlyForStoredTypes() {
    for (const auto& rule : kRules) {
        bool stored = false;
        for (const auto& layout : kRecordLayouts) stored = stored || (layout.type == rule.type && layout.stored);
        if (!stored) return false;
    }
    return true;
}
static_assert(rulesOnlyForStoredTypes());

const RecordRule* ruleOf(std::string_view type) {
    for (const auto& rule : kRules)
        if (rule.type == type) return &rule;
    return nullptr;
}

// The first `count` characters of a UTF-8 text.
std::string firstCharacters(const std::string& utf8, int count) {
    std::size_t i = 0;
    for (int n = 0; n < count && i < utf8.size(); ++n) {
        ++i;
        while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) ++i;
    }
    return utf8.substr(0, i);
}

bool taken(const RecordRule& rule, std::string_view record, int fromDateNumber, bool finalOdds) {
    if (rule.finalOddsOnly && !finalOdds) return false;
    std::string_view kind = fieldText(record, IdField::dataKind);
    if (!kind.empty() && rule.refusedKinds.find(kind) != std::string_view::npos) return false;
    if (rule.fromDateLimit && fieldNumber(record, IdField::dayKey8) < fromDateNumber - 10) return false;
    if (fieldNumber(record, IdField::raceNumber) <= 0) return false;
    if (rule.range.field.position > 0) {
        int value = fieldNumber(record, rule.range.field);
        if (value < rule.range.min || value > rule.range.max) return false;
    }
    // The runner file has lines for races 1 to 12 only.
    return !rule.runnerFile || runnerLineIndex(record).has_value();
}

std::optional<std::string> labelOf(const RecordRule& rule, std::string_view record, const std::string& fileName) {
    const std::string race = std::to_string(fieldNumber(record, IdField::raceNumber));
    const std::string course = CourseName(fieldUtf8(record, IdField::courseCode));
    switch (rule.label) {
        case Label::Unchanged: return std::nullopt;
        case Label::Meeting: return std::string(rule.labelPrefix) + DayText(record) + course + race + "R";
        case Label::Runner:
            return std::string(rule.labelPrefix) + course + race + "R/" +
                   CircledNumber(fieldUtf8(record, SeField::horseNumber)) +
                   firstCharacters(fieldUtf8(record, SeField::horseName), 18);
        case Label::Odds: return std::string(rule.labelPrefix) + race + "R/" + fileName;
    }
    return std::nullopt;
}

}  // namespace

std::string skippedRecordsText(std::int64_t count) { return "不正レコード読み飛ばし:" + std::to_string(count) + "件"; }

std::string skippedRecordEntry(const std::string& problem) { return "不正なレコードを読み飛ばしました。" + problem; }

std::string moreSkippedRecordsEntry(std::int64_t count) {
    return "ほかに不正なレコードを" + std::to_string(count) + "件読み飛ばしました。";
}

bool hasRealDate(std::string_view record) {
    std::string_view date = fieldText(record, IdField::dayKey8);
    if (date.size() != static_cast<std::size_t>(IdField::dayKey8.length) ||
        date.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    return DateTime::isValidDate(fieldNumber(record, IdField::year), fieldNumber(record, IdField::month),
                                 fieldNumber(record, IdField::dayOfMonth));
}

std::optional<std::string> storedRecordFault(std::string_view record, std::string_view type) {
    if (auto layout = checkRecord(record, type); !layout) return layout.error();
    // A day file holds one record per line: a line break inside a record would split it in two and, in a
    // runner file, move every later runner to another race's line.
    std::string_view body = record;
    if (body.ends_with("\r\n")) body.remove_suffix(2);
    if (const std::size_t at = body.find_first_of("\r\n"); at != std::string_view::npos)
        return std::string(type) + "レコードの中に改行があります(" + std::to_string(at + 1) + "バイト目)";
    if (!hasRealDate(record))
        return std::string(type) + "レコードの日付が不正です(\"" + std::string(fieldText(record, IdField::dayKey8)) +
               "\")";
    return std::nullopt;
}

void fillStoreDecision(RecordDecision& decision, std::string_view record, const StoreShape& shape) {
    decision.outcome = RecordDecision::Outcome::Store;
    decision.fileName = DayText(record);
    if (shape.runnerFile) decision.fileName += CourseName(fieldUtf8(record, IdField::courseCode));
    decision.fileName += shape.extension;
    decision.line = recordLine(record);
    if (shape.zero) zeroDataKind(decision.line);
    decision.runnerFile = shape.runnerFile;
    decision.dropEmptyFirstLine = shape.drop;
}

RecordDecision decideRecord(std::string_view record, int fromDateNumber, bool finalOdds) {
    const RecordRule* rule = ruleOf(fieldText(record, IdField::recordType));
    if (!rule) return {};
    const StoreShape shape{rule->type, rule->extension, rule->runnerFile, rule->zero, rule->drop};
    RecordDecision decision =
        decideStored(record, shape, [&] { return taken(*rule, record, fromDateNumber, finalOdds); });
    if (decision.outcome == RecordDecision::Outcome::Store) decision.label = labelOf(*rule, record, decision.fileName);
    return decision;
}

}  // namespace marovix
