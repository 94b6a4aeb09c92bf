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
    // A table is written whole by every reading of its slot; until then it reads as cleared.
    for (Slot& slot : m_slots) {
        for (RawRecord& raw : slot.raw) {
            raw.source.reset();
            raw.view = {};
        }
        slot.read = false;
    }
}

const WinPlaceOdds& DayOdds::winPlaceOdds(RaceSlot slot) const {
    static const WinPlaceOdds notRead{};
    const Slot& held = m_slots[static_cast<std::size_t>(slot)];
    if (!held.read) return notRead;
    if (!held.winPlaceDerived) {
        fillWinPlaceOdds(rawRecords(slot), held.registered, held.winPlace);
        held.winPlaceDerived = true;
    }
    return held.winPlace;
}

const OddsTable& DayOdds::table(RaceSlot slot) const {
    static const OddsTable notRead{};
    const Slot& held = m_slots[static_cast<std::size_t>(slot)];
    if (!held.read) return notRead;
    if (!held.tableDerived) {
        if (!held.table) held.table = std::make_unique<OddsTable>();
        static_cast<WinPlaceOdds&>(*held.table) = winPlaceOdds(slot);
        const OddsRawRecords raw = rawRecords(slot);
        for (OddsKind kind : kAllOddsKinds) fillCombinationOdds(raw, kind, *held.table);
        held.tableDerived = true;
    }
    return *held.table;
}

OddsRawRecords DayOdds::rawRecords(RaceSlot slot) const {
    OddsRawRecords views = blankOddsRecords();
    const Slot& held = m_slots[static_cast<std::size_t>(slot)];
    for (std::size_t kind = 0; kind < views.size(); ++kind)
        if (!held.raw[kind].view.empty()) views[kind] = held.raw[kind].view;
    return views;
}

void DayOdds::releaseOldFiles(const OddsFileIndex& files) {
    for (Slot& slot : m_slots) {
        for (OddsKind kind : kAllOddsKinds) {
            RawRecord& raw = slot.raw[kindIndex(kind)];
            if (!raw.source || files.isCurrent(kind, raw.source)) continue;
            raw.own.assign(raw.view);
            raw.view = raw.own;
            raw.source.reset();
        }
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
                    RawRecord& raw = target.raw[kindIndex(kind)];
                    raw.source = found.bytes;
                    raw.view = found.record;
                    break;
                }
                case OddsFileLookup::Outcome::FaultyRecord:
                case OddsFileLookup::Outcome::Unreadable: problems.push_back(found.problem); break;
                case OddsFileLookup::Outcome::NoFile:
                case OddsFileLookup::Outcome::NoRecord: break;
            }
        }
    }
    // The table is derived when it is first asked for: a day's load takes every slot's records, and most
    // slots' tables are looked at later, or never.
    target.registered = fieldNumber(race, RaceRecordFields::Registered.position, RaceRecordFields::Registered.width);
    target.winPlaceDerived = false;
    target.tableDerived = false;
    target.read = true;
}

std::vector<std::string> DayOdds::readSlot(RaceSlot slot, std::string_view race, OddsFileIndex& files) {
    std::vector<std::string> problems;
    if (slot < 0 || slot >= kRaceSlotCount) {
        problems.push_back("レースの位置" + std::to_string(slot) + "は0～" + std::to_string(kRaceSlotCount - 1) +
                           "の範囲外です");
        return problems;
    }
    files.refreshAll();
    releaseOldFiles(files);
    take(slot, race, files, problems);
    return problems;
}

std::vector<std::string> DayOdds::readDay(const RaceRecords& races, OddsFileIndex& files) {
    std::vector<std::string> problems;
    files.refreshAll();
    releaseOldFiles(files);
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
