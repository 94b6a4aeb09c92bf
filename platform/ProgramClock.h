#pragma once
// The clock the program and the command line run on.
#include <memory>
#include <optional>

#include "core/ports/Clock.h"

namespace marovix {

// The machine's local time, or, with `at` (--at), the local time started at that moment and running on
// from there, so that a past race day can be replayed as if it were today.
std::unique_ptr<Clock> programClock(const std::optional<DateTime>& at);

}  // namespace marovix
