#pragma once
#include <string>

#include "ui/RunState.h"

namespace ktq {

// The value of a run-state variable by its name, as text lines: a list gives
// one line per item, everything else one line. False for an unknown name.
bool DescribeStateVariable(const RunState& state, const std::string& name, LineList& out);

}  // namespace ktq
