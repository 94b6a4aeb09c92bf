#pragma once
// Port: the local time. Tests set and advance it.
#include "core/common/DateTime.h"

namespace marovix {

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
};

}  // namespace marovix
