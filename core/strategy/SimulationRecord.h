#pragma once
// The record of one simulated race in the work file "tmpData.dat": 66 bytes of CP932 text and CR LF, so 68
// bytes, read back by record position. Race-key and race-record fields are copied as the race record holds
// them; the selection count, stake and return are the figures the main window shows for the race.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/MainLabels.h"
#include "core/race/RaceAttributeFilter.h"
#include "core/race/RecordField.h"

namespace marovix {

constexpr std::size_t kSimulationLineBytes = 66;
constexpr std::size_t kSimulationRecordBytes = kSimulationLineBytes + 2;
constexpr const char* kSimulationFileName = "tmpData.dat";

// The fields of a record (1-based byte positions, as the file is laid out).
struct SimField {
    static constexpr RecordField year{1, 4};
    static constexpr RecordField month{5, 2};
    static constexpr RecordField day{7, 2};
    static constexpr RecordField courseCode{9, 2};
    static constexpr RecordField meetingNumber{11, 2};
    static constexpr RecordField dayNumber{13, 2};
    static constexpr RecordField raceNumber{15, 2};
    static constexpr RecordField shortName{17, 6};  // three full-width characters
    static constexpr RecordField gradeCode{23, 1};
    static constexpr RecordField raceSymbolCode{24, 3};  // written, never read back
    static constexpr RecordField raceTypeCode{27, 2};
    static constexpr RecordField weightRuleCode{29, 1};
    static constexpr RecordField conditionCode{30, 3};
    static constexpr RecordField distance{33, 4};
    static constexpr RecordField trackCode{37, 2};
    static constexpr RecordField registeredRunners{39, 2};
    static constexpr RecordField turfGoingCode{41, 1};
    static constexpr RecordField dirtGoingCode{42, 1};
    static constexpr RecordField count{43, 4};     // "%4d"
    static constexpr RecordField stake{47, 10};    // "%10d"
    static constexpr RecordField returns{57, 10};  // "%10d"
};

// The three figures of a simulated race.
struct RaceFigures {
    std::int64_t count = 0;
    std::int64_t stake = 0;
    std::int64_t returns = 0;
    friend bool operator==(const RaceFigures&, const RaceFigures&) = default;
};

// The figures of the selection page `page` of the main window: page 0 ("一括") the combined list's
// SoTensuLabel, SoTohyoGakuLabel and KaishuLabel, pages 1 to 8 the bet type's TensuLabel, ToshiLabel and
// KaishuLabel; each label's text read as an integer (0 when it is none). A page outside 0..8 counts as 0.
RaceFigures pageFigures(const MainLabels& labels, int page);

// The 66 bytes of the record of the race of RA record `raceRecord` (without CR LF). A field of the race
// record cut short is filled with blanks; a figure too wide for its field is capped at its largest value.
std::string simulationLine(std::string_view raceRecord, const RaceFigures& figures);

// A record read back: its 66 bytes.
struct SimulationRecord {
    std::string line;

    std::string_view field(RecordField field) const;
    int number(RecordField field) const;
    RaceFigures figures() const;
    RaceAttributes attributes() const;
};

// The records of the file's bytes, each taken by its position (record k at byte 68 k). A last part
// shorter than a record is no record; `shortTail` tells how many bytes were left over.
std::vector<SimulationRecord> simulationRecords(std::string_view bytes, std::size_t* shortTail = nullptr);

// The file's bytes of the records (each line and CR LF).
std::string simulationFileBytes(const std::vector<std::string>& lines);

}  // namespace marovix
