// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <string_view>

namespace ktq {

// Tells the desktop which menu entry the window belongs to (the desktop file's
// name, sent to the window system with every window) and gives the windows
// the menu entry's icon: the theme icon installed with the program at
// EXECUTABLE, else the one built in. Needs the application object.
void IdentifyToDesktop(const std::filesystem::path& executable);

// The built-in icon: a PNG drawn from the menu icon at build time.
std::string_view ProgramIconPng();

}  // namespace ktq
