#include "core/odds/DayOdds.h"

#include <algorithm>
#include <utility>

#include "core/odds/RaceRecordFields.h"
#include "core/race/JvRecord.h"
#include "core/race/RecordKeys.h"

namespace marovix {
namespace {

// The odds files are searched only for a race with a race number and a course-race key.
bool hasOddsKey(std::string_view race) {
    return fieldNumber(race, RaceRecordFields::RaceNumber.position, RaceRecordFields::RaceNumber.width) >= 1 &&
           !isAllBlanks(courseRaceKey(race));
}

}  // namespace

DayOdds::DayOdds() : m_slots(kRaceSlotCount) { openDay(); }

void DayOdds::openDay() {
    const OddsRawRecords blanks = blankOddsRecords();
    for (Slot& slot : m_slots) {
        slot.raw = blanks;
        slot.table.clear();
    }
}

void DayOdds::take(RaceSlot slot, std::string_view race, const OddsFileIndex& files,
                   std::vector<std::string>& problems) {
    Slot& target = m_slots[static_cast<std::size_t>(slot)];
    if (hasOddsKey(race)) {
        for (OddsKind kind : kAllOddsKinds) {
            const OddsFileLookup found = files.find(kind, race);
            switch (found.outcome) {
                case OddsFileLookup::Outcome::Found: {
                    std::string& raw = target.raw[kindIndex(kind)];
                    raw.assign(found.record);
                    raw += "\r\n";
                    break;
                }
                case OddsFileLookup::Outcome::FaultyRecord:
                case OddsFileLookup::Outcome::Unreadable: problems.push_back(found.problem); break;
                case OddsFileLookup::Outcome::NoFile:
                case OddsFileLookup::Outcome::NoRecord: break;
            }
        }
    }
    fillOddsTable(target.raw,
                  fieldNumber(race, RaceRecordFields::Registered.position, RaceRecordFields::Registered.width),
                  target.table);
}

std::vector<std::string> DayOdds::readSlot(RaceSlot slot, std::string_view race, OddsFileIndex& files) {
    std::vector<std::string> problems;
    if (slot < 0 || slot >= kRaceSlotCount) {
        problems.push_back("race slot " + std::to_string(slot) + " is not 0.." + std::to_string(kRaceSlotCount - 1));
        return problems;
    }
    files.refreshAll();
    take(slot, race, files, problems);
    return problems;
}

std::vector<std::string> DayOdds::readDay(const RaceRecords& races, OddsFileIndex& files) {
    std::vector<std::string> problems;
    files.refreshAll();
    for (RaceSlot slot = 0; slot < kRaceSlotCount; ++slot) {
        std::vector<std::string> slotProblems;
        take(slot, races[static_cast<std::size_t>(slot)], files, slotProblems);
        // An unreadable file concerns every slot; it is reported once.
        for (auto& problem : slotProblems)
            if (std::find(problems.begin(), problems.end(), problem) == problems.end())
                problems.push_back(std::move(problem));
    }
    return problems;
}

}  // namespace marovix
