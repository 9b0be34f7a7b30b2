// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What "--help" and "--version" print. Both programs answer them before any
// window, folder or display is touched, so they work from any shell.
#include <string>

namespace ktq {

enum class InfoRequest { None, Help, Version };

// The request one argument makes: "-h" or "--help", "-v" or "--version".
InfoRequest InfoRequestOf(const std::string& argument);

// The window program's usage: its folder options and its own parameters.
std::string WindowProgramHelp();

// The version and the licence, as "PROGRAM 1.1.0.1" and the lines after it.
std::string VersionText(const std::string& program);

}  // namespace ktq
