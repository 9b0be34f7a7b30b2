// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the driver's actions work on: the window, the headless platform and
// the output, with the few helpers every action shares.
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "platform/HeadlessPlatform.h"
#include "ui/TForm1.h"

namespace ktq {

// A malformed action: the script ends with exit code 2.
class ScriptError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct DriverContext {
    TForm1& form;
    HeadlessPlatform& platform;
    std::ostream& out;
    bool open = true;  // false once the window has closed

    Control& NeedControl(const std::string& name) const;
    // One line of output, converted from the program's Windows-1252.
    void Emit(const Text& cp1252Text) const;
    // Runs a user's action inside the program's general error report; a
    // control that is hidden or disabled refuses it, which is noted.
    void UserAction(const std::string& verb, const std::string& name,
                    const std::function<bool()>& action) const;
};

}  // namespace ktq
