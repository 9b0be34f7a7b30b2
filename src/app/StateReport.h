// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include "ui/TForm1.h"

namespace ktq {

// What follows a variable's name: nothing, a question code, or a count.
enum class StateArgument { None, Code, Count };

// The argument a variable takes; empty for an unknown name.
std::optional<StateArgument> StateVariableArgument(const std::string& name);

// The value of a run-state variable by its name, as text lines: a list gives
// one line per item, everything else one line.
void DescribeStateVariable(TForm1& form, const std::string& name, const std::string& argument,
                           LineList& out);

}  // namespace ktq
