#include "core/strategy/SimulationRecord.h"

#include <algorithm>

#include "core/common/Format.h"
#include "core/common/Yen.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordFields.h"

namespace marovix {
namespace {

// The value right-aligned in `width` characters, capped at the largest value the width holds.
std::string fixedWidth(std::int64_t value, int width) {
    std::int64_t largest = 1;
    for (int i = 0; i < width; ++i) largest *= 10;
    value = std::clamp<std::int64_t>(value, -(largest / 10 - 1), largest - 1);
    return formatted("%*lld", width, static_cast<long long>(value));
}

// The field's bytes, blanks filling what the record lacks.
void appendField(std::string& line, std::string_view record, RecordField field) {
    const std::string_view text = fieldText(record, field);
    line.append(text);
    line.append(static_cast<std::size_t>(field.length) - text.size(), ' ');
}

}  // namespace

RaceFigures pageFigures(const MainLabels& labels, int page) {
    auto read = [&labels](LabelId id) { return lenientInt64(labels[id].text); };
    if (page >= 1 && page <= 8) {
        const auto bet = static_cast<BetType>(page - 1);
        return {read(betLabel(bet, BetLabel::Tensu)), read(betLabel(bet, BetLabel::Toshi)),
                read(betLabel(bet, BetLabel::Kaishu))};
    }
    return {read(LabelId::SoTensuLabel), read(LabelId::SoTohyoGakuLabel), read(LabelId::KaishuLabel)};
}

std::string simulationLine(std::string_view ra, const RaceFigures& figures) {
    std::string line;
    line.reserve(kSimulationLineBytes);
    for (RecordField field :
         {RaField::raceKey16, RaField::raceShortName3, RaField::gradeCode, RaField::raceSymbolCode,
          RaField::raceTypeCode, RaField::weightRuleCode, RaField::youngestConditionCode, RaField::distance,
          RaField::trackCode, RaField::registeredRunners, RaField::turfGoingCode, RaField::dirtGoingCode})
        appendField(line, ra, field);
    line += fixedWidth(figures.count, SimField::count.length);
    line += fixedWidth(figures.stake, SimField::stake.length);
    line += fixedWidth(figures.returns, SimField::returns.length);
    return line;
}

std::string_view SimulationRecord::field(RecordField field) const { return fieldText(line, field); }

int SimulationRecord::number(RecordField field) const { return fieldNumber(line, field); }

RaceFigures SimulationRecord::figures() const {
    return {lenientInt64(field(SimField::count)), lenientInt64(field(SimField::stake)),
            lenientInt64(field(SimField::returns))};
}

RaceAttributes SimulationRecord::attributes() const {
    return RaceAttributes{number(SimField::trackCode),
                          number(SimField::courseCode),
                          number(SimField::raceTypeCode),
                          number(SimField::conditionCode),
                          std::string(field(SimField::gradeCode)),
                          number(SimField::weightRuleCode),
                          number(SimField::registeredRunners),
                          number(SimField::distance)};
}

std::vector<SimulationRecord> simulationRecords(std::string_view bytes, std::size_t* shortTail) {
    std::vector<SimulationRecord> records;
    const std::size_t count = bytes.size() / kSimulationRecordBytes;
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        records.push_back({std::string(bytes.substr(i * kSimulationRecordBytes, kSimulationLineBytes))});
    if (shortTail) *shortTail = bytes.size() - count * kSimulationRecordBytes;
    return records;
}

std::string simulationFileBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    bytes.reserve(lines.size() * kSimulationRecordBytes);
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace marovix
