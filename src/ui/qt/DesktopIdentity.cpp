// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/DesktopIdentity.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

// The component id: the name of the desktop file and of the theme icon; the
// build passes the one its install rules use.
#ifndef KTQ_APP_ID
#error "KTQ_APP_ID must name the desktop file"
#endif

namespace ktq {

void IdentifyToDesktop() {
    QGuiApplication::setDesktopFileName(QStringLiteral(KTQ_APP_ID));
    QPixmap builtIn;
    const std::string_view png = ProgramIconPng();
    builtIn.loadFromData(reinterpret_cast<const uchar*>(png.data()), static_cast<uint>(png.size()),
                         "PNG");
    // Without a desktop that names its icon theme, the theme every desktop
    // has, where the package puts its icon.
    if (QIcon::themeName().isEmpty())
        QIcon::setThemeName(QStringLiteral("hicolor"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(KTQ_APP_ID), QIcon(builtIn)));
}

}  // namespace ktq
