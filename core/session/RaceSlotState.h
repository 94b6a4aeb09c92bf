#pragma once
// What a race of the loaded day carries besides its records, odds, payout and stake inputs (which the
// day's stores hold, DaySession.h): the flags and times of voting and automatic operation, and the
// race's payout summary. It lives exactly as long as the day it belongs to: a new day load starts every
// race from these initial values, and nothing else resets it.
#include <optional>
#include <string>

#include "core/race/RaceSchedule.h"
#include "core/results/PayoutSummary.h"

namespace marovix {

struct RaceSlotState {
    // A vote of the race was handed over (or kept from the plug-in in simulation mode), or the day logs
    // say it was before the day was loaded.
    bool TohyoDone = false;
    // The race's odds were fetched (by the schedule or the quick odds fetch) since the day was loaded.
    bool OzFetched = false;
    // The race is a target of automatic operation.
    bool NaviTarget = false;
    // The race's times of automatic operation, computed when the day is selected (blank before).
    RaceSchedule schedule;
    // The payout summary of the race's payout record, formed when first asked for
    // (DaySession::payoutSummary) and forgotten when the payouts are read again.
    mutable std::optional<PayoutSummary> payoutSummary;
};

}  // namespace marovix
