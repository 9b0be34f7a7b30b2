// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a control says, for the skin: its caption, whether it shows anything
// at all, and the name a screen reader reads for it.
#include "ui/Controls.h"

namespace ktq {

// A label with only blanks in it: nothing of it can be cut off or read.
bool ShowsNothing(const Control& c);
// Its caption, else its own designed hint; controls with neither are named
// after what they show, with their value where they are a display.
Text AccessibleNameOf(const Control& c);

}  // namespace ktq
