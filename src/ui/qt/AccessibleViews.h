// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What assistive technology reads of the widgets where Qt's own reading
// misleads: a display keeps its name and shows its value as text, a combo
// box keeps its name whatever it holds, and the speech line is a
// notification that is spoken when it shows.
class QWidget;

namespace ktq {

// Once per program, before the first widget is read.
void InstallAccessibleViews();

// A label that shows a value under a name of its own ("Done": "3").
void MarkAsDisplay(QWidget& label);
// The speech line's object name, by which its interface is made.
inline constexpr const char* kSpeechLineName = "ktq-speech-line";

}  // namespace ktq
