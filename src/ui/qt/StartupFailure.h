// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace ktq {

// Why the window program cannot start, on standard error and, when a display
// is there, in a message box too: started from a menu, nobody reads standard
// error. Not offscreen (or on Qt's "minimal" platform), where the box would
// wait for good for a click nobody can make. Returns the exit code, 2.
int FailStartup(const std::string& reason, const char* programPath);

}  // namespace ktq
