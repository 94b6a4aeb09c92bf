#include "core/common/DateTime.h"

#include <cstdio>

namespace marovix {
namespace {

// Howard Hinnant's days-from-civil and its inverse.
std::int64_t daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
}

bool digits(std::string_view text, std::size_t pos, std::size_t len, int& out) {
    if (pos + len > text.size()) return false;
    int v = 0;
    for (std::size_t i = pos; i < pos + len; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        v = v * 10 + (text[i] - '0');
    }
    out = v;
    return true;
}

std::optional<DateTime> validated(const DateTime& t) {
    if (!DateTime::isValidDate(t.year, t.month, t.day)) return std::nullopt;
    if (t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 59)
        return std::nullopt;
    return t;
}

}  // namespace

bool DateTime::isValidDate(int year, int month, int day) {
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    int length = lengths[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= length;
}

std::int64_t DateTime::dayNumber() const { return daysFromCivil(year, month, day); }

std::int64_t DateTime::serial() const { return dayNumber() * 86400 + hour * 3600 + minute * 60 + second; }

DateTime DateTime::fromSerial(std::int64_t seconds) {
    std::int64_t days = seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400;
    std::int64_t rest = seconds - days * 86400;
    DateTime t;
    civilFromDays(days, t.year, t.month, t.day);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    return t;
}

int DateTime::isoWeekday() const {
    std::int64_t z = dayNumber();                     // 1970-01-01 was a Thursday
    int w = static_cast<int>(((z % 7) + 7 + 3) % 7);  // 0 Monday
    return w + 1;
}

std::string DateTime::slashText() const {
    char b[32];
    std::snprintf(b, sizeof b, "%04d/%02d/%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
    return b;
}

std::string DateTime::compactText() const {
    char b[32];
    std::snprintf(b, sizeof b, "%04d%02d%02d%02d%02d%02d", year, month, day, hour, minute, second);
    return b;
}

std::string DateTime::dateKey() const {
    char b[16];
    std::snprintf(b, sizeof b, "%04d%02d%02d", year, month, day);
    return b;
}

std::string DateTime::timeText() const {
    char b[16];
    std::snprintf(b, sizeof b, "%02d:%02d:%02d", hour, minute, second);
    return b;
}

std::string DateTime::dayText() const {
    char b[48];
    std::snprintf(b, sizeof b, "%04d年%02d月%02d日", year, month, day);
    return b;
}

std::optional<DateTime> DateTime::parseSlash(std::string_view text) {
    DateTime t;
    if (text.size() < 10 || text[4] != '/' || text[7] != '/') return std::nullopt;
    if (!digits(text, 0, 4, t.year) || !digits(text, 5, 2, t.month) || !digits(text, 8, 2, t.day)) return std::nullopt;
    if (text.size() == 10) return validated(t);
    if (text.size() != 19 || text[10] != ' ' || text[13] != ':' || text[16] != ':') return std::nullopt;
    if (!digits(text, 11, 2, t.hour) || !digits(text, 14, 2, t.minute) || !digits(text, 17, 2, t.second))
        return std::nullopt;
    return validated(t);
}

std::optional<DateTime> DateTime::parseCompact(std::string_view text) {
    DateTime t;
    if (text.size() != 8 && text.size() != 14) return std::nullopt;
    if (!digits(text, 0, 4, t.year) || !digits(text, 4, 2, t.month) || !digits(text, 6, 2, t.day)) return std::nullopt;
    if (text.size() == 14 &&
        (!digits(text, 8, 2, t.hour) || !digits(text, 10, 2, t.minute) || !digits(text, 12, 2, t.second)))
        return std::nullopt;
    return validated(t);
}

}  // namespace marovix
