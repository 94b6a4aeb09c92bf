#pragma once
// The main model's state and day for tests that put selections into the grids without the builders, or
// stand in for a step that comes later (announced weather), and its settings store for counting reads.
#include "core/app/MainModel.h"
#include "core/settings/Settings.h"
#include "core/vote/VoteQueue.h"

namespace marovix {

struct MainModelTestAccess {
    static MainState& state(MainModel& model) { return model.m_state; }
    static RaceDay& day(MainModel& model) { return model.m_session.day(); }
    static VoteQueue& voteQueue(MainModel& model) { return *model.m_voteQueue; }
    // The settings store, to count its reads of the file.
    static const Settings& settings(MainModel& model) { return *model.m_settings; }
};

}  // namespace marovix
