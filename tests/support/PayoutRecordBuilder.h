#pragma once
// HR payout records for tests: a race key and chosen winning entries, every other entry zeros. The
// positions are written here from the record's layout, apart from the code that reads them.
#include <string>
#include <string_view>
#include <vector>

#include "core/common/BetType.h"
#include "standins/records/RecordBuilder.h"

namespace marovix {

class PayoutRecordBuilder {
public:
    // `raceKey16`: year, month-day, course, meeting, day and race number, e.g. "2024052605020811".
    explicit PayoutRecordBuilder(std::string_view raceKey16);

    // Entry `index` (0-based) of a bet type: its numbers (horses, or brackets for the bracket
    // quinella), payout per 100 yen and popularity.
    PayoutRecordBuilder& entry(BetType bet, int index, const std::vector<int>& numbers, long long payout,
                               int popularity);
    // Blanks instead of zeros over the entries of a bet type.
    PayoutRecordBuilder& blank(BetType bet);

    const std::string& record() const { return m_hr.record(); }
    std::string line() const { return m_hr.line(); }

private:
    RecordBuilder m_hr;
};

// The race key of a test race: 2024-05-26, course `course` (two digits), meeting 02, day 08, race `race`.
std::string testRaceKey(int race, std::string_view course = "05");

}  // namespace marovix
