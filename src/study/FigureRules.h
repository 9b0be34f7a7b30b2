// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which picture a question names, and the size it is shown at.
#include "platform/FileSystem.h"
#include "text/Text.h"

namespace ktq {

// The first figure a question record names ("... in figure E5-2?" names
// "E5-2"), or empty when it names none. Only names of the pool's figures
// count (starting with E, G or T); a name that could reach outside the
// working folder is no figure. Its picture is "E5-2.jpg" or "E5-2.png".
Text FigureName(const Text& record);

// The figure's picture file: a JPEG of the name wins over a PNG; empty when
// there is neither.
Text FigureFileOf(FileSystem& files, const Text& figure);

struct FigureSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const FigureSize&, const FigureSize&) = default;
};

// Fits a picture into 600 x 310, keeping its proportions; a smaller picture
// keeps its own size. The height is limited first, then the width.
FigureSize FitFigure(int width, int height);

}  // namespace ktq
