// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <string_view>

class QIcon;
class QWidget;

namespace ktq {

// Tells the desktop which menu entry the windows belong to: the desktop
// file's name, sent to the window system with every window. Needs the
// application object.
void IdentifyToDesktop();

// Gives the windows the menu entry's icon once WINDOW has been painted.
void GiveIconAfterFirstPaint(QWidget& window, const std::filesystem::path& executable);

// The menu entry's icon: the theme icon installed with the program at
// EXECUTABLE, in the sizes a window's icon is drawn in, else the one built in.
QIcon ProgramIcon(const std::filesystem::path& executable);

// The built-in icon: a PNG drawn from the menu icon at build time.
std::string_view ProgramIconPng();

}  // namespace ktq
