// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The headless driver: runs the program in its folder as the window does,
// one scripted action a line, and prints what is asked.
#include <iosfwd>
#include <string>

#include "DriverContext.h"

namespace ktq {

class ScriptDriver {
  public:
    // With `echo`, every action is printed ("> print Label5.text") before
    // its output, so a run reads as a transcript.
    ScriptDriver(TForm1& form, HeadlessPlatform& platform, std::ostream& out, bool echo = false);
    // Runs one action (UTF-8). False once the window has closed. Throws
    // ScriptError for a malformed action, before any of it runs.
    bool Run(const std::string& line);

  private:
    DriverContext context_;
    bool echo_;
};

// The whole program: options, start-up, the script, closing. Returns the
// process exit code (2 for bad options or a malformed action).
int RunHeadlessProgram(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                       std::ostream& err);

}  // namespace ktq
