#include "core/odds/OddsAnnouncement.h"

#include "core/odds/OddsRecordLayout.h"
#include "core/race/JvRecord.h"

namespace marovix {
namespace {

// The value of a field of decimal digits only; nothing when it holds anything else or is cut short.
std::optional<int> digits(std::string_view record, OddsFieldSpan field) {
    const std::string_view text = fieldText(record, field.position, field.width);
    if (text.size() != static_cast<std::size_t>(field.width)) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::optional<OddsAnnouncement> oddsAnnouncement(std::string_view record) {
    const auto monthDay = digits(record, OddsKeyFields::AnnouncedMonthDay);
    const auto hour = digits(record, OddsKeyFields::AnnouncedHour);
    const auto minute = digits(record, OddsKeyFields::AnnouncedMinute);
    if (!monthDay || !hour || !minute) return std::nullopt;
    OddsAnnouncement announcement{*monthDay / 100, *monthDay % 100, *hour, *minute};
    if (announcement.month < 1 || announcement.month > 12 || announcement.day < 1 || announcement.day > 31 ||
        announcement.hour > 23 || announcement.minute > 59)
        return std::nullopt;
    return announcement;
}

std::string announcementTimeText(std::string_view record) {
    if (!oddsAnnouncement(record)) return {};
    return std::string(fieldText(record, OddsKeyFields::AnnouncedHour.position, OddsKeyFields::AnnouncedHour.width)) +
           ":" +
           std::string(
               fieldText(record, OddsKeyFields::AnnouncedMinute.position, OddsKeyFields::AnnouncedMinute.width));
}

std::string announcementTimeLabel(std::string_view o1Record) {
    std::string text = announcementTimeText(o1Record);
    return text.empty() ? "  :  " : text;
}

}  // namespace marovix
