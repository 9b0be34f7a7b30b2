// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/QtLook.h"

#include <QApplication>
#include <QFontDatabase>
#include <QWidget>
#include <initializer_list>
#include <map>

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

// The design's faces, and the free faces of their measure, best first.
struct FaceChoice {
    const char* design;
    std::initializer_list<const char*> faces;
};
constexpr FaceChoice kFaceChoices[] = {
    {"MS Sans Serif", {"Microsoft Sans Serif", "Liberation Sans", "Nimbus Sans", "DejaVu Sans"}},
    {"Arial", {"Arial", "Liberation Sans", "Nimbus Sans", "DejaVu Sans"}},
    {"Courier New", {"Courier New", "Liberation Mono", "Nimbus Mono PS", "DejaVu Sans Mono"}},
};

// The installed ones of a design face's choices, asked once: named directly,
// a face needs none of the toolkit's substitute lookups, which cost a
// visible part of the start-up.
const QStringList& InstalledFaces(const Text& design) {
    static std::map<Text, QStringList> found;
    auto [it, added] = found.try_emplace(design);
    if (added) {
        // The list, not hasFamily: that asks fontconfig for each name's aliases.
        static const QStringList installed = QFontDatabase::families();
        for (const FaceChoice& choice : kFaceChoices) {
            if (design != choice.design)
                continue;
            for (const char* face : choice.faces)
                if (installed.contains(QLatin1String(face), Qt::CaseInsensitive))
                    it->second.push_back(QString::fromLatin1(face));
        }
        if (it->second.empty())
            it->second.push_back(ToQString(design));
    }
    return it->second;
}

}  // namespace

QFont ToQFont(const Font& f) {
    QFont font;
    font.setFamilies(InstalledFaces(f.name));
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
