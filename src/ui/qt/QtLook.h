// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fonts, colours and texts of the model as Qt sees them.
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

#include "ui/Control.h"

class QWidget;

namespace ktq {

QString ToQString(const Text& cp1252);
Text FromQString(const QString& s);
// A model colour; the named system colours come from `palette`.
QColor ToQColor(Color c, const QPalette& palette);
// The design's faces that a desktop may lack get close stand-ins.
QFont ToQFont(const Font& f);
// Font and its colour, and the background colour in `backgroundRole`.
void ApplyLook(QWidget& widget, const Control& control, QPalette::ColorRole backgroundRole,
               bool fillBackground);

}  // namespace ktq
