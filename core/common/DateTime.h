#pragma once
// Local calendar date and time of day, second precision, with the formats the system writes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace marovix {

struct DateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    // Days since 1970-01-01 of the date part (proleptic Gregorian).
    std::int64_t dayNumber() const;
    // Seconds since 1970-01-01 00:00:00 of this local time (no time zone involved).
    std::int64_t serial() const;
    static DateTime fromSerial(std::int64_t seconds);

    DateTime addDays(int days) const { return fromSerial(serial() + std::int64_t(days) * 86400); }
    DateTime addSeconds(std::int64_t seconds) const { return fromSerial(serial() + seconds); }
    // 1 Monday ... 7 Sunday.
    int isoWeekday() const;

    // "yyyy/mm/dd hh:nn:ss"
    std::string slashText() const;
    // "yyyymmddhhnnss"
    std::string compactText() const;
    // "yyyymmdd"
    std::string dateKey() const;
    // "hh:nn:ss"
    std::string timeText() const;
    // DayText: "yyyy年mm月dd日" (UTF-8)
    std::string dayText() const;

    // Parses "yyyy/mm/dd hh:nn:ss" (the time part may be missing). Nothing when the text is no valid moment.
    static std::optional<DateTime> parseSlash(std::string_view text);
    // Parses "yyyymmddhhnnss" or "yyyymmdd". Nothing when invalid.
    static std::optional<DateTime> parseCompact(std::string_view text);

    static bool isValidDate(int year, int month, int day);

    friend bool operator==(const DateTime&, const DateTime&) = default;
    friend auto operator<=>(const DateTime& a, const DateTime& b) { return a.serial() <=> b.serial(); }
};

}  // namespace marovix
