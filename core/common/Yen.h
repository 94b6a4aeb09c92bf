#pragma once
// Money in whole yen (stakes, returns and their totals) as 64-bit integers, so that no amount a user can
// type wraps or reads as 0, and odds in whole tenths, so that a return (stake × odds) is exact: 100 × 33.8
// is 3380, never 3379.9999 truncated to 3379. Products and sums hold at the largest amount instead of
// wrapping.
#include <cstdint>
#include <string_view>

namespace marovix {

using Yen = std::int64_t;
// Odds in whole tenths: 33.8 is 338.
using OddsTenths = std::int64_t;

// The lenient integer parse over the whole 64-bit range: half-width blanks around the number are ignored,
// then an optional "+" or "-" directly followed by decimal digits; empty text, any other character or a
// value outside the range gives 0. Never fails.
std::int64_t lenientInt64(std::string_view text);

// An amount of yen written in a text (a stake edit, a grid cell), by the lenient parse.
inline Yen lenientYen(std::string_view text) { return lenientInt64(text); }

// The odds nearest to `odds` in whole tenths (the odds the records publish have one decimal); 0 for odds
// that are not above 0.
OddsTenths oddsTenths(double odds);

// Trunc(stake × odds): the return of a hit in whole yen, the part below one yen dropped.
Yen truncatedReturn(Yen stake, OddsTenths odds);
// stake × odds rounded to whole yen, a half upwards (the "回収額" column, "%7.0f").
Yen roundedReturn(Yen stake, OddsTenths odds);
// stake × odds in tenths of a yen, exact.
Yen returnTenths(Yen stake, OddsTenths odds);
// A payout per 100 yen applied to a stake: payout × stake / 100 with integer division.
Yen payoutReturn(Yen payoutPer100, Yen stake);
// a + b, held at the largest or smallest amount instead of wrapping.
Yen addYen(Yen a, Yen b);

}  // namespace marovix
