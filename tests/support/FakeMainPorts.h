#pragma once
// Every port of the main window as a test fake, with the clock at a chosen moment.
#include "core/app/MainModel.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeDocumentOpener.h"
#include "tests/support/FakeRandom.h"
#include "tests/support/FakeRegistry.h"
#include "tests/support/FakeSound.h"
#include "tests/support/FakeVotePluginLauncher.h"
#include "tests/support/ScriptedJvLink.h"

namespace marovix {

struct FakeMainPorts {
    FakeClock clock{DateTime{2024, 1, 6, 9, 30, 0}};
    FakeDialogs dialogs;
    FakeRegistry registry;
    FakeSound sound;
    FakeDocumentOpener opener;
    ScriptedJvLink jvLink;
    FakeRandom random;
    FakeVotePluginLauncher launcher;

    MainPorts ports() { return ports(jvLink); }
    // The same with another JV-Link, such as the stand-in serving a feed folder.
    MainPorts ports(JvLink& link) { return MainPorts{link, dialogs, clock, registry, sound, opener, random, launcher}; }
};

}  // namespace marovix
