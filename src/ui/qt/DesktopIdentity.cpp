// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/DesktopIdentity.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QWidget>
#include <system_error>

#include "ui/qt/EventHook.h"

// The component id: the name of the desktop file and of the theme icon; the
// build passes the one its install rules use.
#ifndef KTQ_APP_ID
#error "KTQ_APP_ID must name the desktop file"
#endif
#if !defined(KTQ_ICONS_FROM_BIN) || !defined(KTQ_ICON_SIZES)
#error "KTQ_ICONS_FROM_BIN and KTQ_ICON_SIZES must say where and how the icon is installed"
#endif

namespace ktq {
namespace {

// The sizes the package installs into the icon theme beside the program;
// a window manager draws a window's icon at 64 pixels at most, and the larger
// ones cost the start-up their reading and sending.
constexpr int kInstalledSizes[] = {KTQ_ICON_SIZES};
constexpr int kLargestWindowIcon = 64;

// Looked up by path, not through QIcon::fromTheme: reading the theme's index
// and searching its folders cost a twentieth of the start-up.
QIcon InstalledIcon(const std::filesystem::path& executable) {
    const std::filesystem::path theme =
        (executable.parent_path() / KTQ_ICONS_FROM_BIN).lexically_normal();
    QIcon icon;
    for (int size : kInstalledSizes) {
        if (size > kLargestWindowIcon)
            continue;
        const std::string square = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path file = theme / square / "apps" / (KTQ_APP_ID ".png");
        std::error_code error;
        if (std::filesystem::is_regular_file(file, error))
            icon.addFile(QString::fromStdString(file.string()), QSize(size, size));
    }
    return icon;
}

}  // namespace

QIcon ProgramIcon(const std::filesystem::path& executable) {
    QIcon icon = InstalledIcon(executable);
    if (icon.isNull()) {
        QPixmap builtIn;
        const std::string_view png = ProgramIconPng();
        builtIn.loadFromData(reinterpret_cast<const uchar*>(png.data()),
                             static_cast<uint>(png.size()), "PNG");
        icon = QIcon(builtIn);
    }
    return icon;
}

void IdentifyToDesktop() {
    QGuiApplication::setDesktopFileName(QStringLiteral(KTQ_APP_ID));
}

void GiveIconAfterFirstPaint(QWidget& window, const std::filesystem::path& executable) {
    // After the window's first paint: reading the icon and sending it to the
    // window manager held the window back by a tenth of its start-up.
    AfterFirstPaint(window, [executable] { QApplication::setWindowIcon(ProgramIcon(executable)); });
}

}  // namespace ktq
