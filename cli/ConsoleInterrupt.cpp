#include "cli/ConsoleInterrupt.h"

#include <csignal>

namespace marovix {
namespace {

volatile std::sig_atomic_t g_requested = 0;
#ifdef _WIN32
void (*g_previous)(int) = SIG_DFL;
#else
struct sigaction g_previous {};
#endif

void onInterrupt(int) { g_requested = 1; }

}  // namespace

#ifdef _WIN32
// The C runtime of Windows sets the default action again before it calls the handler, as SA_RESETHAND.
ConsoleInterrupt::ConsoleInterrupt() {
    g_requested = 0;
    g_previous = std::signal(SIGINT, onInterrupt);
}

ConsoleInterrupt::~ConsoleInterrupt() { std::signal(SIGINT, g_previous); }
#else
ConsoleInterrupt::ConsoleInterrupt() {
    g_requested = 0;
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;  // the second Ctrl-C finds the default action again
    sigaction(SIGINT, &action, &g_previous);
}

ConsoleInterrupt::~ConsoleInterrupt() { sigaction(SIGINT, &g_previous, nullptr); }
#endif

bool ConsoleInterrupt::requested() { return g_requested != 0; }

}  // namespace marovix
