#pragma once
// The main window's model on the command line: the program's ports as a console has them (ConsolePorts)
// and the model of an application folder, started as the program starts and closed as it closes.
#include <memory>
#include <string>

#include "cli/CliApp.h"
#include "cli/ConsolePorts.h"
#include "core/app/MainModel.h"

namespace marovix {

class CliSession {
public:
    // The model of `appFolder`, its create step run. `feed` is the --feed option (may be empty). The model
    // and the stand-in read `clock` when given (it must outlive the session), else the program's clock.
    CliSession(CliContext& context, const std::string& appFolder, const std::string& feed,
               ConsoleDialogs::Options dialogs, const Clock* clock = nullptr);
    ~CliSession();

    MainModel& model() { return *m_model; }
    ConsoleDialogs& dialogs() { return m_ports.dialogs(); }
    JvLink& jvLink() { return m_ports.jvLink(); }
    bool created() const { return m_created; }
    // Whether the create step ran; if not, its messages (why) go to standard error.
    bool ready();
    // The messages the dialogs showed so far, one a line on standard error.
    void printMessages();
    // Whether DateCombo lists `day`; if not, says so on standard error for `command`.
    bool dayListed(const std::string& day, const std::string& command);
    // The close request of the program (placement and the run log's closing lines).
    void close();

private:
    ConsolePorts m_ports;
    std::unique_ptr<MainModel> m_model;
    bool m_created = false;
    bool m_closed = false;
};

}  // namespace marovix
