#include "platform/DateTime.h"

#include <cstdio>
#include <cstdlib>

namespace ktq {
namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(int y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& y, unsigned& m, unsigned& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

}  // namespace

DateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second) {
    std::int64_t days =
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
    return DateTime{((days * 24 + hour) * 60 + minute) * 60000 + second * 1000LL};
}

std::optional<DateTime> ParseDateTime(const std::string& text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &y, &mo, &d, &h, &mi, &s, &tail) !=
        6)
        return std::nullopt;
    if (mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 || s > 59 || h < 0 || mi < 0 ||
        s < 0)
        return std::nullopt;
    return MakeDateTime(y, mo, d, h, mi, s);
}

std::string FormatDateTime(DateTime t) {
    std::int64_t totalSeconds = t.ms >= 0 ? t.ms / 1000 : (t.ms - 999) / 1000;
    std::int64_t days = totalSeconds >= 0 ? totalSeconds / 86400 : (totalSeconds - 86399) / 86400;
    std::int64_t secondOfDay = totalSeconds - days * 86400;
    int y = 0;
    unsigned m = 0, d = 0;
    CivilFromDays(days, y, m, d);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02u/%02u/%04d %02d:%02d:%02d", d, m, y,
                  static_cast<int>(secondOfDay / 3600), static_cast<int>(secondOfDay / 60 % 60),
                  static_cast<int>(secondOfDay % 60));
    return buf;
}

std::int64_t WholeSecondsBetween(DateTime a, DateTime b) {
    return std::llabs(a.ms - b.ms) / 1000;
}

}  // namespace ktq
