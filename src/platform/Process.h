// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The processes of this machine, as far as the program asks about them.

namespace ktq {

long CurrentProcessId();
// True while a process of that id exists (also one of another user).
bool ProcessRunning(long id);

}  // namespace ktq
