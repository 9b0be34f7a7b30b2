// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a control says, for the skin: its caption, whether it shows anything
// at all, and the name a screen reader reads for it.
#include "ui/Controls.h"

namespace ktq {

// A label with only blanks in it: nothing of it can be cut off or read.
bool ShowsNothing(const Control& c);
// A label that shows a value (a count, the clock, a marker) rather than a
// caption: it keeps its name while its text changes.
bool IsDisplay(const Control& c);
// A name that says what the control is: a display's or a box's own, else
// its caption, else its own hint. Never the text it holds.
Text AccessibleNameOf(const Control& c);

}  // namespace ktq
