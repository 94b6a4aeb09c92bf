#pragma once
#include "core/ports/Clock.h"

namespace marovix {

// The machine's local time.
class SystemClock : public Clock {
public:
    DateTime now() const override;
};

}  // namespace marovix
