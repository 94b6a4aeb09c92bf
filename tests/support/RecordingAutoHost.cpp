#include "tests/support/RecordingAutoHost.h"

#include "core/common/Format.h"
#include "core/jv/FetchQueue.h"

namespace marovix {
namespace {

std::string joined(const std::string& name, const std::vector<std::string>& lines) {
    std::string text = name;
    for (const std::string& line : lines)
        text += " " + line.substr(0, 16) + " " + std::to_string(fetchQueueEntry(line).slot);
    return text;
}

}  // namespace

void RecordingAutoHost::addRace(RaceSlot slot, const std::string& postHhmm, const ScheduleTiming& timing) {
    SchedulerSlot& race = today.races[static_cast<std::size_t>(slot)];
    race.raceNumber = slot + 1;
    race.raceKey16 = "20240526050208" + formatted("%02d", slot + 1);
    race.postTime = postHhmm;
    race.schedule = RaceSchedule::of(postHhmm, timing);
    race.fetchLine = race.raceKey16 + formatted("%2d", slot);
}

void RecordingAutoHost::setOzFetched(RaceSlot slot) {
    calls.push_back("setOzFetched " + std::to_string(slot));
    today.races[static_cast<std::size_t>(slot)].ozFetched = true;
}

void RecordingAutoHost::fetchOdds(const std::vector<std::string>& fetchList) {
    calls.push_back(joined("fetchOdds", fetchList));
    for (const std::string& line : fetchList)
        today.races[static_cast<std::size_t>(fetchQueueEntry(line).slot)].winPlaceOdds = true;
    if (duringFetch) duringFetch();
}

bool RecordingAutoHost::showRace(RaceSlot slot) {
    calls.push_back("showRace " + std::to_string(slot));
    m_shown = slot;
    return true;
}

void RecordingAutoHost::voteAutomatically() {
    calls.push_back("vote " + std::to_string(m_shown));
    if (m_shown >= 0) today.races[static_cast<std::size_t>(m_shown)].tohyoDone = true;
}

void RecordingAutoHost::fetchPayouts(const std::vector<std::string>& fetchList) {
    calls.push_back(joined("fetchPayouts", fetchList));
}

}  // namespace marovix
