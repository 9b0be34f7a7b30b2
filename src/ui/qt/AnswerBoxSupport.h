// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answering without the mouse and without seeing the colours: the answer
// keys of the window, and the feedback told to assistive technology.
#include "ui/TForm1.h"
#include "ui/qt/Skin.h"

class QWidget;

namespace ktq {

// Keys 1-4 and A-D press the answer box with the left button, 0 and ? the
// "Don't know" button, unless the focus is in a text entry (which takes the
// key as text).
void InstallAnswerKeys(QWidget& window, TForm1& form, SkinContext& skin);

// Brings the answer boxes' marks and accessible descriptions in line with the
// feedback colours on screen.
void ShowFeedbackBeyondColour(TForm1& form, const Skin& skin);

}  // namespace ktq
