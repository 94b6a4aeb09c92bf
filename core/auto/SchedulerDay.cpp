#include "core/auto/SchedulerDay.h"

namespace marovix {

bool ResultsTimer::firesAt(std::int64_t second) const {
    if (!setAt) return true;
    const std::int64_t period = std::int64_t(intervalMinutes) * 60;
    if (period <= 0) return false;
    const std::int64_t elapsed = second - *setAt;
    return elapsed > 0 && elapsed % period == 0;
}

}  // namespace marovix
