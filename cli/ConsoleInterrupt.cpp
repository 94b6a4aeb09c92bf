#include "cli/ConsoleInterrupt.h"

#include <csignal>

namespace marovix {
namespace {

volatile std::sig_atomic_t g_requested = 0;
struct sigaction g_previous {};

void onInterrupt(int) { g_requested = 1; }

}  // namespace

ConsoleInterrupt::ConsoleInterrupt() {
    g_requested = 0;
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;  // the second Ctrl-C finds the default action again
    sigaction(SIGINT, &action, &g_previous);
}

ConsoleInterrupt::~ConsoleInterrupt() { sigaction(SIGINT, &g_previous, nullptr); }

bool ConsoleInterrupt::requested() { return g_requested != 0; }

}  // namespace marovix
