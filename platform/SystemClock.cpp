#include "platform/SystemClock.h"

#include <ctime>

namespace marovix {

DateTime SystemClock::now() const {
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace marovix
