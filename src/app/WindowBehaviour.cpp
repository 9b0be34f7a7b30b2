// SPDX-License-Identifier: GPL-3.0-or-later
// Window behaviour that belongs to no subsystem: resizing, the scrolling of
// the details box and the hover colouring of the answer boxes.
#include <algorithm>

#include "ui/TForm1.h"

namespace ktq {

void TForm1::FormResize() {
    Memo3.SetHeight(std::max(0, Height() - Memo3.Top() - 30));
    if (Height() > state.MaxHeight)
        state.MaxHeight = Height();
}

void TForm1::SetBounds(int left, int top, int width, int height) {
    const ScreenArea a =
        fitsScreen_ ? Sys().AvailableArea(left + width / 2, top + height / 2) : ScreenArea{};
    if (a.width > 0 && a.height > 0) {
        width = std::min(width, a.width);
        height = std::min(height, a.height);
        left = std::clamp(left, a.left, a.left + a.width - width);
        top = std::clamp(top, a.top, a.top + a.height - height);
    }
    Form::SetBounds(left, top, width, height);
}

void TForm1::ShowDetailsLine(int line, int column) {
    Memo3.SetSelection(static_cast<int>(Memo3.GetText().size()), 0);
    Memo3.ScrollCaret();
    Memo3.SetSelection(Memo3.LineIndex(0), 0);
    Memo3.ScrollCaret();
    Memo3.SetSelection(Memo3.LineIndex(line) + column + 1, 0);
    Memo3.ScrollCaret();
    SetFocus(&Memo3);
}

void TForm1::AnswerBoxMouseMove(int number) {
    for (int n = 1; n <= 4; ++n) AnswerBox(n)->SetColor(n == number ? state.HoverColor : kClWindow);
}

void TForm1::RichEdit1MouseMove() {
    AnswerBoxMouseMove(0);
}

}  // namespace ktq
