#pragma once
// Tells the user that JV-Link keeps answering "call again" (JVRead -2/-3, a JVStatus that does not reach
// the download count): after the first second of such answers, and then every `repeat`.
#include <chrono>
#include <optional>
#include <string>

namespace marovix {

class WaitNotice {
public:
    using Clock = std::chrono::steady_clock;

    explicit WaitNotice(std::chrono::seconds repeat) : m_repeat(repeat) {}

    // Notes one "call again" answer to `call` ("JVRead -3"). Returns the text to show when it is time to
    // say so, else nothing. Answers more than a moment apart start a new wait.
    std::optional<std::string> waiting(const std::string& call, Clock::time_point now = Clock::now());
    // Progress was made: the wait is over.
    void progressed() { m_waiting = false; }

private:
    std::chrono::seconds m_repeat;
    bool m_waiting = false;
    Clock::time_point m_since;
    Clock::time_point m_last;
    std::chrono::seconds m_told{0};
};

}  // namespace marovix
