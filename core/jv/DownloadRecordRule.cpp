#include "core/jv/DownloadRecordRule.h"

#include "core/common/DateTime.h"
#include "core/jv/DayDataFile.h"
#include "core/race/JvRecord.h"
#include "core/race/KeibaFunc.h"
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
    int position = 0;
    int length = 0;
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

constexpr NumberRange kRegisteredRunners{882, 2, 1, 18};
constexpr NumberRange kHorseNumber{29, 2, 1, 18};

constexpr RecordRule kRules[] = {
    {"RA", "AB", true, false, kRegisteredRunners, ".jvRA", false, true, true, Label::Meeting, "開催:"},
    {"SE", "AB", true, false, kHorseNumber, ".jvSEr", true, false, false, Label::Runner, "馬毎:"},
    {"HR", "", true, false, {}, ".jvHR", false, true, false, Label::Meeting, "払戻:"},
    {"TM", "", false, false, {}, ".jvTM", false, true, true, Label::Unchanged, ""},
    {"O1", "09", false, true, {}, ".jvO1", false, true, true, Label::Odds, "単勝確定ｵｯｽﾞ:"},
    {"O2", "09", false, true, {}, ".jvO2", false, true, true, Label::Odds, "馬連確定ｵｯｽﾞ:"},
    {"O3", "09", false, true, {}, ".jvO3", false, true, true, Label::Odds, "ﾜｲﾄﾞ確定ｵｯｽﾞ:"},
    {"O4", "09", false, true, {}, ".jvO4", false, true, true, Label::Odds, "馬単確定ｵｯｽﾞ:"},
    {"O5", "09", false, true, {}, ".jvO5", false, true, true, Label::Odds, "3連複確定ｵｯｽﾞ:"},
    {"O6", "09", false, true, {}, ".jvO6", false, true, true, Label::Odds, "3連単確定ｵｯｽﾞ:"},
};

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

bool hasRealDate(std::string_view record) {
    std::string_view date = fieldText(record, 12, 8);
    if (date.size() != 8 || date.find_first_not_of("0123456789") != std::string_view::npos) return false;
    return DateTime::isValidDate(lenientInt(date.substr(0, 4)), lenientInt(date.substr(4, 2)),
                                 lenientInt(date.substr(6, 2)));
}

bool taken(const RecordRule& rule, std::string_view record, int fromDateNumber, bool finalOdds) {
    if (rule.finalOddsOnly && !finalOdds) return false;
    std::string_view kind = fieldText(record, 3, 1);
    if (!kind.empty() && rule.refusedKinds.find(kind) != std::string_view::npos) return false;
    if (rule.fromDateLimit && fieldNumber(record, 12, 8) < fromDateNumber - 10) return false;
    if (fieldNumber(record, 26, 2) <= 0) return false;
    if (rule.range.position > 0) {
        int value = fieldNumber(record, rule.range.position, rule.range.length);
        if (value < rule.range.min || value > rule.range.max) return false;
    }
    // The runner file has lines for races 1 to 12 only.
    return !rule.runnerFile || runnerLineIndex(record).has_value();
}

std::optional<std::string> labelOf(const RecordRule& rule, std::string_view record, const std::string& fileName) {
    const std::string race = std::to_string(fieldNumber(record, 26, 2));
    const std::string course = CourseName(fieldUtf8(record, 20, 2));
    switch (rule.label) {
        case Label::Unchanged: return std::nullopt;
        case Label::Meeting: return std::string(rule.labelPrefix) + DayText(record) + course + race + "R";
        case Label::Runner:
            return std::string(rule.labelPrefix) + course + race + "R/" + CircledNumber(fieldUtf8(record, 29, 2)) +
                   firstCharacters(fieldUtf8(record, 41, 36), 18);
        case Label::Odds: return std::string(rule.labelPrefix) + race + "R/" + fileName;
    }
    return std::nullopt;
}

}  // namespace

RecordDecision decideRecord(std::string_view record, int fromDateNumber, bool finalOdds) {
    RecordDecision decision;
    const RecordRule* rule = ruleOf(record.substr(0, 2));
    if (!rule) return decision;
    if (auto layout = checkRecord(record, rule->type); !layout) {
        decision.outcome = RecordDecision::Outcome::Corrupt;
        decision.problem = layout.error();
        return decision;
    }
    // The date names the day files: anything but a real yyyymmdd could make a path of any shape.
    if (!hasRealDate(record)) {
        decision.outcome = RecordDecision::Outcome::Corrupt;
        decision.problem =
            std::string(rule->type) + " record with a malformed date \"" + std::string(fieldText(record, 12, 8)) + "\"";
        return decision;
    }
    if (!taken(*rule, record, fromDateNumber, finalOdds)) return decision;

    decision.outcome = RecordDecision::Outcome::Store;
    decision.fileName = DayText(record);
    if (rule->runnerFile) decision.fileName += CourseName(fieldUtf8(record, 20, 2));
    decision.fileName += rule->extension;
    decision.line = recordLine(record);
    if (rule->zero) zeroDataKind(decision.line);
    decision.runnerFile = rule->runnerFile;
    decision.dropEmptyFirstLine = rule->drop;
    decision.label = labelOf(*rule, record, decision.fileName);
    return decision;
}

}  // namespace marovix
