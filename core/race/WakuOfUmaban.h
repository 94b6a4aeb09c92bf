#pragma once
// The bracket (waku, 1..8) of a horse under the race's registered-runner count (RA 882-883). The
// registered count decides, not the number of starters: scratched horses keep their brackets.
namespace marovix {

// Brackets of a race.
inline constexpr int kBracketCount = 8;

// The bracket of horse `horse` in a race of `registered` runners: with 8 runners or fewer the horse
// number itself; otherwise each bracket holds registered / 8 horses, the last (registered mod 8)
// brackets one more, filled in horse-number order (18 runners: 1 1 2 2 3 3 4 4 5 5 6 6 7 7 7 8 8 8).
// Gives 0 when `registered` is not 1..18 or `horse` not 1..registered.
int WakuOfUmaban(int registered, int horse);

}  // namespace marovix
