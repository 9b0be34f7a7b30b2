// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Designed properties the control model leaves to the window system:
// scroll bars, line wrapping, pointer shape and frames.
#include <string>

namespace ktq {

struct WidgetDesign {
    bool verticalScrollBar = false;
    bool horizontalScrollBar = false;
    bool wrapLines = true;
    bool arrowPointer = false;
    bool frame = true;
    int frameWidth = 1;
    // A multi-line box that takes Enter as a new line.
    bool enterAddsLines = true;
    // An answer box, with a margin for the mark of its feedback.
    bool answerMark = false;
};

WidgetDesign DesignOf(const std::string& controlName);

}  // namespace ktq
