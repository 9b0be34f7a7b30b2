// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/QtLook.h"

#include <QApplication>
#include <QWidget>

#include "text/CodePage.h"

namespace ktq {

QString ToQString(const Text& cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

Text FromQString(const QString& s) {
    return Utf8ToCp1252(s.toStdString());
}

QColor ToQColor(Color c, const QPalette& palette) {
    switch (c) {
        case kClWindow:
            return palette.color(QPalette::Base);
        case kClBtnFace:
            return palette.color(QPalette::Button);
        case kClWindowText:
            return palette.color(QPalette::WindowText);
        default:
            break;
    }
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

namespace {
// The design's texts were measured in the bitmap "MS Sans Serif", whose
// letters are narrower than those of any scalable face at its height; drawn
// that much narrower, each text keeps the width it was given.
constexpr int kSansSerifStretch = 94;
}  // namespace

QFont ToQFont(const Font& f) {
    QFont font(ToQString(f.name));
    if (f.pixelHeight > 0)
        font.setPixelSize(f.pixelHeight);
    else
        font.setPointSize(f.size);
    if (f.name == "MS Sans Serif")
        font.setStretch(kSansSerifStretch);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    return font;
}

void InstallFontSubstitutes() {
    QFont::insertSubstitutions(
        "MS Sans Serif", {"Microsoft Sans Serif", "Liberation Sans", "Nimbus Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "Nimbus Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Courier New",
                               {"Liberation Mono", "Nimbus Mono PS", "DejaVu Sans Mono"});
}

void ApplyLook(QWidget& widget, const Control& control, QPalette::ColorRole backgroundRole,
               bool fillBackground) {
    const QPalette system = QApplication::palette();
    QFont font = ToQFont(control.GetFont());
    if (widget.font() != font)
        widget.setFont(font);

    QPalette p = widget.palette();
    const QColor text = ToQColor(control.GetFont().color, system);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        p.setColor(QPalette::Active, role, text);
        p.setColor(QPalette::Inactive, role, text);
    }
    const QColor back = ToQColor(control.GetColor(), system);
    p.setColor(backgroundRole, back);
    if (p != widget.palette())
        widget.setPalette(p);
    if (widget.autoFillBackground() != fillBackground)
        widget.setAutoFillBackground(fillBackground);
}

}  // namespace ktq
