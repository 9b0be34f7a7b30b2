// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The driver's verbs, one row each, as the README lists them. A row's parser
// checks the arguments and the control's kind and returns the action, so a
// malformed action is refused before anything runs.
#include <functional>
#include <string>
#include <vector>

#include "DriverContext.h"

namespace ktq {

using ScriptAction = std::function<void()>;

struct ScriptVerb {
    const char* name;
    // Throws ScriptError for malformed arguments.
    std::function<ScriptAction(DriverContext&, const std::string& arguments)> parse;
};

const std::vector<ScriptVerb>& ScriptVerbs();

}  // namespace ktq
