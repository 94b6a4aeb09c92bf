#include "cli/WaitNotice.h"

namespace marovix {
namespace {

// Calls of one wait follow each other within this (a 10 ms sleep and the call itself).
constexpr std::chrono::milliseconds kSameWait{500};

}  // namespace

std::optional<std::string> WaitNotice::waiting(const std::string& call, Clock::time_point now) {
    if (!m_waiting || now - m_last > kSameWait) {
        m_waiting = true;
        m_since = now;
        m_told = std::chrono::seconds(0);
    }
    m_last = now;
    const auto waited = std::chrono::duration_cast<std::chrono::seconds>(now - m_since);
    if (waited < std::chrono::seconds(1) || (m_told.count() > 0 && waited < m_told + m_repeat)) return std::nullopt;
    m_told = waited;
    return "JV-Linkの応答待ち(" + call + "): " + std::to_string(waited.count()) + "秒 (Ctrl-Cで中止)";
}

}  // namespace marovix
