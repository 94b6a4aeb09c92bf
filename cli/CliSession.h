#pragma once
// The main window's model on the command line: the program's ports as a console has them (the JV-Link
// stand-in, dialogs that keep their texts, no sound, no document viewer) and the model of an application
// folder, started as the program starts and closed as it closes.
#include <memory>
#include <string>

#include "cli/CliApp.h"
#include "cli/ConsoleDialogs.h"
#include "core/app/MainModel.h"
#include "core/ports/DocumentOpener.h"
#include "core/ports/Sound.h"
#include "platform/EmptyRegistry.h"
#include "platform/PosixVotePluginLauncher.h"
#include "platform/SeededRandom.h"
#include "standins/jvlink/FeedJvLink.h"

namespace marovix {

class CliSession {
public:
    // The model of `appFolder`, its create step run. `feed` is the --feed option (may be empty). The model
    // and the stand-in read `clock` when given (it must outlive the session), else the program's clock.
    CliSession(CliContext& context, const std::string& appFolder, const std::string& feed,
               ConsoleDialogs::Options dialogs, const Clock* clock = nullptr);
    ~CliSession();

    MainModel& model() { return *m_model; }
    ConsoleDialogs& dialogs() { return m_dialogs; }
    FeedJvLink& jvLink() { return *m_jvLink; }
    bool created() const { return m_created; }
    // The close request of the program (placement and the run log's closing lines).
    void close();

private:
    class NoSound : public Sound {
    public:
        void play(const std::string&) override {}
    };
    class NoOpener : public DocumentOpener {
    public:
        bool open(const std::string&) override { return false; }
    };

    ConsoleDialogs m_dialogs;
    std::unique_ptr<FeedJvLink> m_jvLink;
    EmptyRegistry m_registry;
    NoSound m_sound;
    NoOpener m_opener;
    SeededRandom m_random;
    PosixVotePluginLauncher m_launcher;
    std::unique_ptr<MainModel> m_model;
    bool m_created = false;
    bool m_closed = false;
};

}  // namespace marovix
