#pragma once
// The local time started at a chosen moment and running on from there (the command line's --at): a past
// race day can be replayed as if it were today.
#include <chrono>

#include "core/ports/Clock.h"

namespace marovix {

class StartedClock : public Clock {
public:
    explicit StartedClock(const DateTime& start) : m_start(start), m_origin(std::chrono::steady_clock::now()) {}
    DateTime now() const override {
        const auto elapsed = std::chrono::steady_clock::now() - m_origin;
        return m_start.addSeconds(std::chrono::duration_cast<std::chrono::seconds>(elapsed).count());
    }

private:
    DateTime m_start;
    std::chrono::steady_clock::time_point m_origin;
};

}  // namespace marovix
