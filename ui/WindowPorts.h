#pragma once
// The program's adapter of every port, as the window runs them: made and owned here, handed to the main
// model as MainPorts. A new port is wired in this one place.
#include <memory>
#include <optional>

#include "core/app/MainModel.h"
#include "core/common/DateTime.h"
#include "platform/EmptyRegistry.h"
#include "platform/PosixVotePluginLauncher.h"
#include "platform/SeededRandom.h"
#include "standins/jvlink/FeedJvLink.h"
#include "ui/QtDialogs.h"
#include "ui/QtDocumentOpener.h"
#include "ui/QtSound.h"

namespace marovix {

class WindowPorts {
public:
    // The clock starts at `at` (--at) when given. JV-Link's settings dialog is the feed settings window.
    // REQUIRES: a QApplication exists.
    explicit WindowPorts(const std::optional<DateTime>& at);
    WindowPorts(const WindowPorts&) = delete;
    WindowPorts& operator=(const WindowPorts&) = delete;

    // The ports as the main model takes them. REQUIRES: this object outlives the model.
    MainPorts mainPorts();

    JvLink& jvLink() { return m_jvLink; }
    QtDialogs& dialogs() { return m_dialogs; }

private:
    std::unique_ptr<Clock> m_clock;  // first: the stand-in runs on it
    EmptyRegistry m_registry;
    QtDialogs m_dialogs;
    QtSound m_sound;
    QtDocumentOpener m_opener;
    SeededRandom m_random;
    PosixVotePluginLauncher m_launcher;
    FeedJvLink m_jvLink;
};

}  // namespace marovix
