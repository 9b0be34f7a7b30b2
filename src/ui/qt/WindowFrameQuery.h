// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame the window manager will put around a window, asked before the
// window is mapped (the request for frame extents of the desktop window
// manager conventions), so the first show places and sizes it once.
#include <QMargins>
#include <optional>

class QWidget;

namespace ktq {

// Empty off X11, without a window manager that answers such requests, or
// when it does not answer within a moment.
std::optional<QMargins> AskFrameBeforeMapping(QWidget& window);

}  // namespace ktq
