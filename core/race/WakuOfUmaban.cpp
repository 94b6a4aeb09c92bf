#include "core/race/WakuOfUmaban.h"

#include "core/race/RaceSlot.h"

namespace marovix {

int WakuOfUmaban(int registered, int horse) {
    if (registered < 1 || registered > kRunnerSlotCount || horse < 1 || horse > registered) return 0;
    if (registered <= kBracketCount) return horse;
    const int perBracket = registered / kBracketCount;
    const int largerBrackets = registered % kBracketCount;
    // The first brackets hold `perBracket` horses each, the last `largerBrackets` one more.
    const int inSmallerBrackets = (kBracketCount - largerBrackets) * perBracket;
    if (horse <= inSmallerBrackets) return (horse - 1) / perBracket + 1;
    return kBracketCount - largerBrackets + (horse - inSmallerBrackets - 1) / (perBracket + 1) + 1;
}

}  // namespace marovix
