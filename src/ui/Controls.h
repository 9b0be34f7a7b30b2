// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every kind of control of the window. The event rules, for code and user
// alike, live in the setters of each kind: an edit box set to a different
// text runs its change handler; a line appended to a multi-line box runs its
// change handler, clearing runs none; a check box set to a state it does not
// have runs its click handler; a track bar moved runs its change handler; a
// combo box's text set from code runs nothing.
#include "ui/Form.h"
#include "ui/Memo.h"
#include "ui/PlainControls.h"
#include "ui/RangeControls.h"
#include "ui/TextControls.h"
