// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace ktq {

// A point in local time with millisecond resolution: milliseconds since
// 1970-01-01 00:00:00 on the local wall clock (no time zone arithmetic is
// ever needed, the program only subtracts and prints local times).
struct DateTime {
    std::int64_t ms = 0;
    friend bool operator==(DateTime, DateTime) = default;
};

DateTime MakeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
// "YYYY-MM-DD HH:MM:SS"; empty optional when malformed.
std::optional<DateTime> ParseDateTime(const std::string& text);
// Short date and long time, day first: "08/12/2026 14:03:05". The fixed
// form where the user has chosen no locale.
std::string FormatDateTime(DateTime t);
// "YYYY-MM-DD HH:MM:SS", the form ParseDateTime reads.
std::string FormatIsoDateTime(DateTime t);
// Short date and long time in the C library's LC_TIME locale (UTF-8 text),
// or FormatDateTime where that is C or POSIX.
std::string FormatDateTimeForLocale(DateTime t);
// A locale's date and time text (UTF-8) in Windows-1252, or, where it holds
// characters Windows-1252 cannot hold (Persian or Arabic digits, Japanese
// date signs), the same point in ISO 8601, which every reader can read.
std::string LocalDateTimeOrIso(const std::string& utf8, DateTime t);
// Milliseconds since 1970-01-01 00:00 UTC of a local wall-clock time, by the
// C library's time zone (TZ).
std::int64_t UtcMsOfLocal(DateTime local);
// Whole seconds between two points, whichever comes first.
std::int64_t WholeSecondsBetween(DateTime a, DateTime b);

}  // namespace ktq
