// SPDX-License-Identifier: GPL-3.0-or-later
#include "pool/PoolInForce.h"

#include <cctype>

#include "ui/TForm1.h"

namespace ktq {
namespace {

bool IsYearAt(const Text& s, std::size_t at) {
    if (at + 4 > s.size())
        return false;
    for (std::size_t i = at; i < at + 4; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(s[i])))
            return false;
    }
    return true;
}

bool IsDigitAt(const Text& s, std::size_t at) {
    return at < s.size() && std::isdigit(static_cast<unsigned char>(s[at]));
}

// The first day of the pool and the day after its last one.
DateTime Start(YearsInForce y) {
    return MakeDateTime(y.from, 7, 1);
}
DateTime End(YearsInForce y) {
    return MakeDateTime(y.until, 7, 1);
}

}  // namespace

std::optional<YearsInForce> YearsInForceOf(const Text& name) {
    for (std::size_t at = 0; at + 9 <= name.size(); ++at) {
        if ((at > 0 && IsDigitAt(name, at - 1)) || !IsYearAt(name, at) || name[at + 4] != '-' ||
            !IsYearAt(name, at + 5) || IsDigitAt(name, at + 9))
            continue;
        const YearsInForce years{std::stoi(name.substr(at, 4)), std::stoi(name.substr(at + 5, 4))};
        if (years.until > years.from)
            return years;
    }
    return std::nullopt;
}

Text InForceState(YearsInForce years, DateTime now) {
    if (now.ms < Start(years).ms)
        return "from " + std::to_string(years.from) + "-07-01";
    const Text last = std::to_string(years.until) + "-06-30";
    return now.ms < End(years).ms ? "in force until " + last : "expired " + last;
}

Text NotInForceNote(YearsInForce years, DateTime now) {
    if (now.ms < Start(years).ms)
        return "This pool comes into force on 1 July " + std::to_string(years.from) + ".";
    if (now.ms >= End(years).ms)
        return "This pool was in force until 30 June " + std::to_string(years.until) + ".";
    return Text();
}

void NotePoolInForce(TForm1& f) {
    f.state.PoolInForce.clear();
    const std::optional<YearsInForce> years = YearsInForceOf(f.state.PoolFileName);
    if (!years)
        return;
    const DateTime now = f.Sys().Now();
    f.state.PoolInForce = InForceState(*years, now);
    const Text note = NotInForceNote(*years, now);
    if (!note.empty())
        f.AddStatusNote(note);
}

}  // namespace ktq
