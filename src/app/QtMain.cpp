// The window program: the application, the main window and its skin, and the
// message loop.
#include <QApplication>
#include <QWidget>

#include "ui/TForm1.h"
#include "ui/qt/QtLook.h"
#include "ui/qt/QtPlatform.h"
#include "ui/qt/Skin.h"
#include "ui/qt/StartupReport.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The application's title. Not the display name: Qt would append that to
    // the window's own caption.
    QCoreApplication::setApplicationName(ktq::kApplicationTitle);
    ktq::InstallFontSubstitutes();

    ktq::QtPlatform platform;
    ktq::TForm1 form(platform);
    ktq::Skin skin(form);
    form.RunGuarded([&] { form.FormCreate(); });
    skin.Flush();
    ktq::ReportStartupWhenAsked(skin.Window());
    skin.Window().show();
    form.RunGuarded([&] { form.FormActivate(); });
    skin.Flush();
    return app.exec();
}
