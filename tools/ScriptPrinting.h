// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The verbs that print: a control's properties and the run state.
#include <string>

#include "ScriptVerbs.h"

namespace ktq {

ScriptAction ParsePrint(DriverContext& d, const std::string& arguments);
ScriptAction ParseState(DriverContext& d, const std::string& arguments);

}  // namespace ktq
