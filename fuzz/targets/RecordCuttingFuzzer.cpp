// One JV-Data record as a stream delivers it (or as a day file holds it, without CR LF): the record check,
// every named field of its type cut as text, number and UTF-8, the code tables read from it, the store
// decisions of the download and of every real-time stream, and what the odds, payout and race readers
// take from a record of their type. The change records (WE, AV, TC) are cut by their own tables.
#include <cstdint>
#include <string>

#include "core/jv/DayDataFile.h"
#include "core/jv/DownloadRecordRule.h"
#include "core/jv/RealTimeRecordRule.h"
#include "core/odds/OddsAnnouncement.h"
#include "core/odds/OddsTableReader.h"
#include "core/race/JvRecord.h"
#include "core/race/KeibaFunc.h"
#include "core/race/RaceCard.h"
#include "core/race/RecordFields.h"
#include "core/race/RecordKeys.h"
#include "core/results/PayoutRecord.h"
#include "core/results/PayoutSummary.h"
#include "fuzz/support/FuzzFolder.h"
#include "fuzz/support/FuzzParts.h"

namespace marovix {
namespace {

using fuzz::check;

// A cut field is a view into the record, never longer than the field.
void cutField(std::string_view record, RecordField field) {
    const std::string_view text = fieldText(record, field);
    check(text.empty() || (text.data() >= record.data() && text.data() + text.size() <= record.data() + record.size()),
          "a field view lies outside its record");
    check(text.size() <= static_cast<std::size_t>(field.length), "a field view is longer than its field");
    check(text.find('\0') == std::string_view::npos, "a field view holds a NUL");
    (void)fieldNumber(record, field);
    (void)fieldUtf8(record, field);
}

// Every field of the type's table; of a long list (the thousands of trifecta entries) the first entries
// and the last, which take the same paths as the rest and keep a run fast.
void cutEveryField(std::string_view record, std::string_view type) {
    constexpr int kEntries = 4;
    for (const FieldTable& table : kFieldTables) {
        if (table.type != type) continue;
        for (const auto& list : table.lists)
            for (const NamedField& named : list) {
                const int count = named.field.count;
                for (int k = 0; k < count; k = k + 1 == kEntries && count > kEntries ? count - 1 : k + 1)
                    cutField(record, named.field.at(k));
            }
    }
}

void readCodeTables(std::string_view record) {
    (void)CourseName(fieldText(record, RaField::courseCode));
    (void)WeekdayText(fieldText(record, RaField::weekdayCode));
    (void)GradeText(fieldText(record, RaField::gradeCode), 1);
    (void)RaceTypeText(fieldText(record, RaField::raceTypeCode), 4);
    (void)WeightRuleText(fieldText(record, RaField::weightRuleCode));
    (void)TrackText(fieldText(record, RaField::trackCode));
    (void)TrackShortText(fieldText(record, RaField::trackCode));
    (void)WeatherText(fieldText(record, RaField::weatherCode));
    (void)GoingText(fieldText(record, RaField::turfGoingCode), 1);
    (void)AgeClassText(fieldText(record, RaField::raceTypeCode), fieldText(record, RaField::youngestConditionCode));
    (void)ClassLabel(fieldText(record, RaField::youngestConditionCode), fieldText(record, RaField::gradeCode),
                     fieldUtf8(record, RaField::raceShortName6));
    (void)StripFullWidthSpaces(fieldUtf8(record, RaField::raceName));
    (void)SexText(fieldText(record, SeField::sexCode));
    (void)FixedWidthNumber(fieldText(record, SeField::age));
    (void)CircledNumber(fieldText(record, SeField::horseNumber));
    (void)carriedWeightText(fieldText(record, SeField::carriedWeight));
    (void)winOddsText(fieldText(record, SeField::finalWinOdds));
    (void)DayText(record);
    (void)dayMatchingKey(record);
    (void)courseRaceKey(record);
    (void)isUsedSlot(record);
}

void checkDecision(const RecordDecision& decision) {
    if (decision.outcome != RecordDecision::Outcome::Store) return;
    check(!decision.fileName.empty(), "a record to store has no file");
    check(decision.fileName.find('/') == std::string::npos, "a day file name leaves the data folder");
    check(!decision.line.ends_with("\r\n"), "a day-file line keeps its CR LF");
}

void decideStores(std::string_view record) {
    for (const int from : {0, 99999999}) checkDecision(decideRecord(record, from, true));
    checkDecision(decideRecord(record, 0, false));
    for (const RealTimeStream stream :
         {RealTimeStream::Odds, RealTimeStream::Results, RealTimeStream::TimeMining, RealTimeStream::MatchMining})
        checkDecision(decideRealTimeRecord(stream, record));
    std::string line = recordLine(record);
    zeroDataKind(line);
    check(line.size() >= 11 && line.compare(2, 9, "000000000") == 0, "positions 3-11 are not zeroed");
}

void readAsPayout(std::string_view record) {
    for (int bet = 0; bet < 8; ++bet)
        for (const PayoutEntry& entry : payoutEntries(record, static_cast<BetType>(bet)))
            if (hasWinner(entry)) (void)combinationText(entry);
    (void)summarisePayout(record);
}

void readAsOdds(std::string_view record, std::string_view type) {
    (void)oddsAnnouncement(record);
    (void)announcementTimeText(record);
    for (const OddsKind kind : kAllOddsKinds) {
        if (kOddsKindLayouts[static_cast<std::size_t>(kindIndex(kind))].type != type) continue;
        OddsRawRecords raw = blankOddsRecords();
        raw[static_cast<std::size_t>(kindIndex(kind))] = record;
        for (const int registered : {fieldNumber(record, OddsField::registeredRunners), 18})
            (void)deriveOddsTable(raw, registered);
    }
}

void readAsRace(std::string_view record) {
    const RaceRecord race = wholeRecord(record);
    RaceWork work;
    work.WeatherCode = std::string(fieldText(race, RaField::weatherCode));
    (void)raceHeader(race, work);
    (void)raceListText(race);
}

}  // namespace
}  // namespace marovix

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace marovix;
    const std::string_view record = fuzz::inputText(data, size);
    const Result<RecordLayout> layout = checkRecord(record);
    if (layout) {
        const std::size_t whole = static_cast<std::size_t>(layout->length);
        check(record.size() == whole || record.size() + 2 == whole, "a record of the wrong length passed the check");
    }
    (void)lenientInt(record.substr(0, 32));
    (void)isAllBlanks(record);
    const std::string asWhole = wholeRecord(record);
    check(asWhole.ends_with("\r\n"), "a whole record lacks its CR LF");
    const std::string_view type = record.substr(0, 2);
    (void)blankRecord(type);
    cutEveryField(record, type);
    readCodeTables(record);
    decideStores(record);
    if (type == "HR") readAsPayout(record);
    if (type.size() == 2 && type[0] == 'O') readAsOdds(record, type);
    if (type == "RA") readAsRace(record);
    return 0;
}
