#pragma once
// A clock that tests set and advance by hand.
#include "core/app/Clock.h"

namespace marovix {

class FakeClock : public Clock {
public:
    explicit FakeClock(DateTime start = {}) : m_now(start) {}
    DateTime now() const override { return m_now; }
    void set(DateTime moment) { m_now = moment; }
    void advanceSeconds(std::int64_t seconds) { m_now = m_now.addSeconds(seconds); }

private:
    DateTime m_now;
};

}  // namespace marovix
