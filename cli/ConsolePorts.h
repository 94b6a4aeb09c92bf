#pragma once
// The ports as a console has them, made and owned in this one place and handed to the main model as
// MainPorts: JV-Link (makeJvLink: the stand-in, or on Windows the component through COM), dialogs that
// keep their texts, no sound, no document viewer, the system's registry (none on Linux) and the system's
// launcher of the vote plug-in. A new port is wired here.
#include <memory>
#include <string>

#include "cli/ConsoleDialogs.h"
#include "core/app/MainModel.h"
#include "core/ports/DocumentOpener.h"
#include "core/ports/JvLink.h"
#include "core/ports/Sound.h"
#include "platform/SeededRandom.h"
#include "platform/SystemPorts.h"

namespace marovix {

class ConsolePorts {
public:
    // `feed` is the --feed option (may be empty: the stand-in's own settings name the folder).
    // REQUIRES: `clock` outlives this object.
    ConsolePorts(const Clock& clock, const std::string& feed, ConsoleDialogs::Options dialogs);
    ConsolePorts(const ConsolePorts&) = delete;
    ConsolePorts& operator=(const ConsolePorts&) = delete;

    // The ports as the main model takes them. REQUIRES: this object outlives the model.
    MainPorts mainPorts();

    ConsoleDialogs& dialogs() { return m_dialogs; }
    JvLink& jvLink() { return *m_jvLink; }

private:
    class NoSound : public Sound {
    public:
        void play(const std::string&) override {}
    };
    class NoOpener : public DocumentOpener {
    public:
        bool open(const std::string&) override { return false; }
    };

    const Clock& m_clock;
    ConsoleDialogs m_dialogs;
    std::unique_ptr<JvLink> m_jvLink;
    SystemRegistry m_registry;
    NoSound m_sound;
    NoOpener m_opener;
    SeededRandom m_random;
    SystemVotePluginLauncher m_launcher;
};

}  // namespace marovix
