#include "core/session/VotedRaces.h"

#include <algorithm>
#include <optional>

#include "core/race/JvRecord.h"
#include "core/race/RaceCard.h"
#include "core/race/RecordFields.h"

namespace marovix {
namespace {

// Date, course and race number of a race key (RaceKey16), as a vote line's first fields give them.
std::string raceOfKey(std::string_view key16) {
    if (key16.size() < 16) return {};
    return std::string(key16.substr(0, 10)) + std::string(key16.substr(14, 2));
}

std::optional<DateTime> raceDay(const DaySession& session, const std::vector<RaceSlot>& slots) {
    if (slots.empty()) return std::nullopt;
    return DateTime::parseCompact(fieldText(session.race(slots.front()), RaField::raceKey16).substr(0, 8));
}

}  // namespace

std::vector<DateTime> voteLogDays(const DaySession& session) {
    const std::optional<DateTime> day = raceDay(session, session.usedSlots());
    if (!day) return {};
    return {*day, day->addDays(-1), day->addDays(-2)};
}

void markVotedRaces(DaySession& session, std::span<const LoggedVote> votes, const std::set<std::string>& meetingDays) {
    const std::vector<RaceSlot> slots = session.usedSlots();
    const std::optional<DateTime> day = raceDay(session, slots);
    if (!day) return;
    for (const LoggedVote& vote : votes) {
        for (RaceSlot slot : slots) {
            const std::string race = raceOfKey(fieldText(session.race(slot), RaField::raceKey16));
            if (std::find(vote.races.begin(), vote.races.end(), race) != vote.races.end())
                session.slot(slot).TohyoDone = true;
        }
        if (!vote.races.empty()) continue;
        const auto voteDate = DateTime::parseCompact(vote.voteDate);
        if (!voteDate) continue;
        const int daysBefore = static_cast<int>(day->dayNumber() - voteDate->dayNumber());
        if (daysBefore != 0 && daysBefore != 1) continue;
        const DateTime other = daysBefore == 0 ? day->addDays(1) : *voteDate;
        if (meetingDays.count(other.dayText()) > 0) continue;
        std::vector<RaceSlot> named;
        for (RaceSlot slot : slots)
            if (raceListText(session.race(slot)) == vote.raceEntry) named.push_back(slot);
        if (named.size() == 1) session.slot(named.front()).TohyoDone = true;
    }
}

}  // namespace marovix
