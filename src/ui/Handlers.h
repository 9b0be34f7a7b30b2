// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The handlers a control runs: the window's event handlers, bound to them.
#include <functional>

#include "ui/Control.h"

namespace ktq {

using Handler = std::function<void()>;
using MouseHandler = std::function<void(MouseButton)>;

}  // namespace ktq
