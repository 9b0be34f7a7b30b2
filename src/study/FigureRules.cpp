// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/FigureRules.h"

#include "platform/TextFile.h"

namespace ktq {
namespace {

constexpr int kMaxWidth = 600;
constexpr int kMaxHeight = 310;

Text CutBefore(const Text& s, const char* mark) {
    const std::size_t p = Pos(mark, s);
    return p == 0 ? s : Copy(s, 1, p - 1);
}

}  // namespace

Text FigureName(const Text& record) {
    const std::size_t p = Pos(" figure", LowerAscii(record));
    if (p == 0)
        return Text();
    // The word, then one character (normally a blank), then the name.
    Text name = Trim(Copy(record, p + 8, 15));
    name = CutBefore(CutBefore(CutBefore(name, "?"), " "), ",");
    if (name.empty() || Pos(Text(1, name[0]), " E G T ") == 0)
        return Text();
    if (Contains(name, "/") || Contains(name, "\\") || Contains(name, ".."))
        return Text();
    return name;
}

FigureSize FitFigure(int width, int height) {
    if (width <= 0 || height <= 0)
        return {0, 0};
    const double ratio = static_cast<double>(width) / height;
    FigureSize s{width, height};
    if (s.height > kMaxHeight) {
        s.height = kMaxHeight;
        s.width = static_cast<int>(kMaxHeight * ratio);
    }
    if (s.width > kMaxWidth) {
        s.width = kMaxWidth;
        s.height = static_cast<int>(kMaxWidth / ratio);
    }
    return s;
}

Text FigureFileOf(FileSystem& files, const Text& figure) {
    for (const char* extension : {".jpg", ".png"}) {
        if (FileExists(files, figure + extension))
            return figure + extension;
    }
    return Text();
}

}  // namespace ktq
