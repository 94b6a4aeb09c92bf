#pragma once
// A downloaded Sunday of three courses (7 April 2024, 36 races) and the main model of its application
// folder with the JV-Link stand-in serving its feed, the clock at a chosen moment, the day selected. What
// the benchmarks of real-time fetches and of the scheduler share.
#include <cstdlib>
#include <functional>
#include <memory>

#include "core/app/MainModel.h"
#include "standins/jvlink/FeedJvLink.h"
#include "tests/support/DemoDay.h"
#include "tests/support/FakeMainPorts.h"

namespace marovix::bench {

class BenchRaceDay {
public:
    // `beforeDay` runs on the created model before the day is selected (options that shape the day).
    explicit BenchRaceDay(const DateTime& moment, const std::function<void(MainModel&)>& beforeDay = {})
        : m_demo(DemoDayOptions{DateTime{2024, 4, 7}, DateTime{2024, 4, 7}, 1, false, false}),
          m_feed(m_fakes.clock, m_demo.feedFolder()) {
        if (!m_demo.problems().empty() || m_demo.days().empty()) std::abort();
        m_fakes.clock.set(moment);
        m_model = std::make_unique<MainModel>(m_demo.appFolder(), m_demo.appFolder() + "/share", m_fakes.ports(m_feed));
        if (!m_model->create()) std::abort();
        m_model->firstShow();
        if (beforeDay) beforeDay(*m_model);
        m_model->DateComboChange(m_demo.days().front());
        if (m_model->state().datList.size() != kRaceSlotCount) std::abort();
    }

    MainModel& model() { return *m_model; }
    FakeMainPorts& fakes() { return m_fakes; }
    const DemoDay& demo() const { return m_demo; }

private:
    FakeMainPorts m_fakes;
    DemoDay m_demo;
    FeedJvLink m_feed;
    std::unique_ptr<MainModel> m_model;
};

}  // namespace marovix::bench
