// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dates a pool is in force, from its name: "2026-2030" in a name means
// from 1 July 2026 to 30 June 2030.
#include <optional>

#include "platform/DateTime.h"
#include "text/Text.h"

namespace ktq {

class TForm1;

struct YearsInForce {
    int from = 0;
    int until = 0;
};

// The first two years joined by "-" (four digits each, the second the
// later); nothing for a name without them.
std::optional<YearsInForce> YearsInForceOf(const Text& name);
// "in force until 2030-06-30", "expired 2026-06-30" or "from 2027-07-01".
Text InForceState(YearsInForce years, DateTime now);
// What the window tells when the pool is not in force; empty while it is.
Text NotInForceNote(YearsInForce years, DateTime now);

// Sets PoolInForce for the chosen pool and, when it is not in force today,
// says so on the status line.
void NotePoolInForce(TForm1& f);

}  // namespace ktq
