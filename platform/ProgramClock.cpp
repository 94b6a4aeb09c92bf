#include "platform/ProgramClock.h"

#include "platform/StartedClock.h"
#include "platform/SystemClock.h"

namespace marovix {

std::unique_ptr<Clock> programClock(const std::optional<DateTime>& at) {
    if (at) return std::make_unique<StartedClock>(*at);
    return std::make_unique<SystemClock>();
}

}  // namespace marovix
