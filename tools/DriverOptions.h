// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The driver's own command line; what follows "--" is the program's.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "app/ProgramInfo.h"
#include "platform/DateTime.h"
#include "text/Text.h"

namespace ktq {

struct DriverOptions {
    std::string script;  // empty: standard input
    std::string folder;  // empty: the current folder
    std::string settingsFile;
    int screenHeight = 1080;
    std::optional<DateTime> now;
    std::optional<std::uint64_t> counter;
    bool echo = false;      // print each action before its output
    bool readOnly = false;  // open the folder read-only, without asking
    std::vector<Text> parameters;
    InfoRequest info = InfoRequest::None;  // "--help" or "--version": print it, run nothing
};

// False, with the reason and the usage on `err`, for options it cannot take.
bool ParseDriverOptions(int argc, const char* const* argv, DriverOptions& options,
                        std::ostream& err);

// The driver's usage and options, for "--help".
std::string DriverHelp();

}  // namespace ktq
