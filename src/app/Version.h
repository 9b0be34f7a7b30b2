// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

#include "text/Text.h"

namespace ktq {

// The program's own version, stamped in by the build (an executable on this
// platform carries no version resource). Outputs are left as the caller set
// them when no version is known.
void GetVersionNumbers(std::uint16_t& major, std::uint16_t& minor, std::uint16_t& release,
                       std::uint16_t& build);
// The four numbers in decimal joined by "."; "0.0.0.0" when none is known.
Text GetVersionString();

}  // namespace ktq
