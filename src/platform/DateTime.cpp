// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DateTime.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>

#include "text/CodePage.h"

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

namespace {

struct CivilTime {
    int year = 0;
    unsigned month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
    int weekday = 0;  // 0 Sunday
};

CivilTime ToCivil(DateTime t) {
    const std::int64_t totalSeconds = t.ms >= 0 ? t.ms / 1000 : (t.ms - 999) / 1000;
    const std::int64_t days =
        totalSeconds >= 0 ? totalSeconds / 86400 : (totalSeconds - 86399) / 86400;
    const std::int64_t secondOfDay = totalSeconds - days * 86400;
    CivilTime c;
    CivilFromDays(days, c.year, c.month, c.day);
    c.hour = static_cast<int>(secondOfDay / 3600);
    c.minute = static_cast<int>(secondOfDay / 60 % 60);
    c.second = static_cast<int>(secondOfDay % 60);
    c.weekday = static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
    return c;
}

bool IsPlainCLocale(const char* name) {
    const std::string_view n = name == nullptr ? "C" : name;
    return n == "C" || n == "POSIX" || n.starts_with("C.");
}

}  // namespace

std::string FormatDateTime(DateTime t) {
    const CivilTime c = ToCivil(t);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02u/%02u/%04d %02d:%02d:%02d", c.day, c.month, c.year, c.hour,
                  c.minute, c.second);
    return buf;
}

std::string FormatIsoDateTime(DateTime t) {
    const CivilTime c = ToCivil(t);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02u %02d:%02d:%02d", c.year, c.month, c.day, c.hour,
                  c.minute, c.second);
    return buf;
}

namespace {
// The C library's broken-down form of a wall-clock time, its daylight saving
// left for the library to find.
std::tm BrokenDown(DateTime t) {
    const CivilTime c = ToCivil(t);
    std::tm tm{};
    tm.tm_year = c.year - 1900;
    tm.tm_mon = static_cast<int>(c.month) - 1;
    tm.tm_mday = static_cast<int>(c.day);
    tm.tm_hour = c.hour;
    tm.tm_min = c.minute;
    tm.tm_sec = c.second;
    tm.tm_wday = c.weekday;
    tm.tm_isdst = -1;
    return tm;
}
}  // namespace

std::string FormatDateTimeForLocale(DateTime t) {
    if (IsPlainCLocale(std::setlocale(LC_TIME, nullptr)))
        return FormatDateTime(t);
    std::tm tm = BrokenDown(t);
    char buf[128];
    if (std::strftime(buf, sizeof buf, "%x %X", &tm) == 0)
        return FormatDateTime(t);
    return buf;
}

std::string LocalDateTimeOrIso(const std::string& utf8, DateTime t) {
    return ExactUtf8ToCp1252(utf8).value_or(FormatIsoDateTime(t));
}

std::int64_t UtcMsOfLocal(DateTime local) {
    std::tm tm = BrokenDown(local);
    const std::time_t utc = std::mktime(&tm);
    const std::int64_t wholeSecondsMs = ((local.ms % 1000) + 1000) % 1000;
    return static_cast<std::int64_t>(utc) * 1000 + wholeSecondsMs;
}

std::int64_t WholeSecondsBetween(DateTime a, DateTime b) {
    return std::llabs(a.ms - b.ms) / 1000;
}

}  // namespace ktq
