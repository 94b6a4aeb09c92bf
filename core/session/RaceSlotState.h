#pragma once
// What a race of the loaded day carries besides its records, odds, payout and stake inputs (which the
// day's stores hold, DaySession.h): the flags and times of voting and automatic operation, and the
// race's payout summary. It lives exactly as long as the day it belongs to: a new day load starts every
// race from these initial values, and nothing else resets it.
#include <optional>
#include <string>

#include "core/results/PayoutSummary.h"

namespace marovix {

// The times of automatic operation of a race, each "hhmmss" (blank until computed): the balance check,
// the first and second odds fetch and the automatic vote.
struct SlotSchedule {
    std::string PreFetchTime;
    std::string OzGetTime1;
    std::string OzGetTime2;
    std::string TohyoTime;
    friend bool operator==(const SlotSchedule&, const SlotSchedule&) = default;
};

struct RaceSlotState {
    // A vote of the race was handed over (or kept from the plug-in in simulation mode), or the day logs
    // say it was before the day was loaded.
    bool TohyoDone = false;
    // The race's odds were fetched (by the schedule or the quick odds fetch) since the day was loaded.
    bool OzFetched = false;
    // The race is a target of automatic operation.
    bool NaviTarget = false;
    SlotSchedule schedule;
    // The payout summary of the race's payout record, formed when first asked for
    // (DaySession::payoutSummary) and forgotten when the payouts are read again.
    mutable std::optional<PayoutSummary> payoutSummary;
};

}  // namespace marovix
