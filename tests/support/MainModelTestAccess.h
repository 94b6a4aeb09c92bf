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
    // Automatic operation on or off without its switch (which comes with the scheduler).
    static void setAutoRunMode(MainModel& model, bool on) { model.m_autoRunMode = on; }
    // The settings store, to count its reads of the file.
    static const Settings& settings(MainModel& model) { return *model.m_settings; }
    // KaimeMakeBtn, the hidden button other steps press (the simulation presses it after each race).
    static void KaimeMakeBtnClick(MainModel& model) { model.KaimeMakeBtnClick(); }
};

}  // namespace marovix
