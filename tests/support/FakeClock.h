#pragma once
// A clock for tests: it shows the time it was set to until the test sets or advances it.
#include "core/ports/Clock.h"

namespace marovix {

class FakeClock : public Clock {
public:
    explicit FakeClock(DateTime now = {}) : m_now(now) {}

    DateTime now() const override { return m_now; }
    void set(DateTime now) { m_now = now; }
    void advance(std::int64_t seconds) { m_now = m_now.addSeconds(seconds); }

private:
    DateTime m_now;
};

}  // namespace marovix
