#include "core/auto/AutoRunState.h"

#include "core/auto/AutoDecisions.h"
#include "core/common/Format.h"

namespace marovix {

AutoRunState autoRunState(const std::string& shownDay, const DateTime& now, bool autoRunMode) {
    if (!passesDayGate(shownDay, now)) return AutoRunState::Idle;
    return autoRunMode ? AutoRunState::Running : AutoRunState::Watching;
}

std::string_view autoRunStateName(AutoRunState state) {
    switch (state) {
        case AutoRunState::Idle: return "Idle";
        case AutoRunState::Watching: return "Watching";
        case AutoRunState::Running: return "Running";
    }
    return {};
}

std::vector<std::string> autoRunSwitchLines(bool on, const DateTime& now) {
    return {"-----", std::string(on ? "■自動運転開始 " : "■自動運転解除 ") + now.slashText()};
}

int formDisableIntervalMs(int autoTohyoInterval) { return autoTohyoInterval * 1000 + 15000; }

std::optional<DateTime> postMoment(std::string_view raceKey16, std::string_view postHhmm) {
    if (raceKey16.size() < 8 || postHhmm.size() < 4) return std::nullopt;
    auto date = DateTime::parseCompact(raceKey16.substr(0, 8));
    if (!date) return std::nullopt;
    int hour = 0;
    int minute = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const char c = postHhmm[i];
        if (c < '0' || c > '9') return std::nullopt;
        (i < 2 ? hour : minute) = (i < 2 ? hour : minute) * 10 + (c - '0');
    }
    if (hour > 23 || minute > 59) return std::nullopt;
    date->hour = hour;
    date->minute = minute;
    date->second = 0;
    return date;
}

std::string restTimeText(const std::optional<DateTime>& post, const DateTime& now) {
    if (!post) return {};
    const std::int64_t left = post->serial() - now.serial();
    if (left <= 0) return "発走済み";
    return "発走までの残り時間：" + formatted("%02lld:%02lld:%02lld", static_cast<long long>(left / 3600),
                                              static_cast<long long>(left % 3600 / 60),
                                              static_cast<long long>(left % 60));
}

}  // namespace marovix
