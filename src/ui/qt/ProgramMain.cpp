// SPDX-License-Identifier: GPL-3.0-or-later
// The window program: the study folder, the application, the main window and
// its skin, and the message loop.
#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <string>
#include <vector>

#include "app/StudyFolder.h"
#include "formats/Formats.h"
#include "platform/DiskFileSystem.h"
#include "ui/TForm1.h"
#include "ui/qt/DesktopIdentity.h"
#include "ui/qt/QtLook.h"
#include "ui/qt/QtPlatform.h"
#include "ui/qt/Skin.h"
#include "ui/qt/StartupFailure.h"
#include "ui/qt/StartupReport.h"

int main(int argc, char** argv) {
    // The folder options are taken out before Qt and the program see the
    // command line, so the program's own parameters keep their meaning.
    ktq::FolderChoice choice;
    std::filesystem::path folder, executable;
    try {
        const std::filesystem::path here = std::filesystem::current_path();
        choice = ktq::ReadFolderOptions(std::vector<std::string>(argv + 1, argv + argc), here);
        // Before the study folder is prepared and before Qt looks for a display.
        if (choice.info != ktq::InfoRequest::None) {
            const std::string text = choice.info == ktq::InfoRequest::Help
                                         ? ktq::WindowProgramHelp()
                                         : ktq::VersionText("ktqtests");
            std::fputs(text.c_str(), stdout);
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
        executable = ktq::RunningExecutable(argv[0]);
        folder = ktq::ChosenFolder(choice, executable, here);
    } catch (const ktq::StudyFolderError& e) {
        return ktq::FailStartup(e.what(), argv[0]);
    }
    std::vector<char*> args{argv[0]};
    for (std::string& p : choice.parameters) args.push_back(p.data());
    int argCount = static_cast<int>(args.size());
    args.push_back(nullptr);

    QApplication app(argCount, args.data());
    // The application's title. Not the display name: Qt would append that to
    // the window's own caption.
    QCoreApplication::setApplicationName(ktq::kApplicationTitle);
    ktq::IdentifyToDesktop();

    ktq::QtPlatform platform(nullptr, std::make_unique<ktq::DiskFileSystem>(folder));
    ktq::TForm1 form(platform);
    // A second window on the folder opens it read-only, or not at all.
    if (!form.TakeFolder(false))
        return 0;
    ktq::Skin skin(form);
    form.RunGuarded([&] { form.FormCreate(); });
    skin.Flush();
    ktq::GiveIconAfterFirstPaint(skin.Window(), executable);
    ktq::ReportStartupWhenAsked(skin.Window(), [] {
        return std::string("formats=") + (ktq::FormatsLoaded() ? "loaded" : "not-loaded");
    });
    skin.Window().show();
    form.RunGuarded([&] { form.FormActivate(); });
    skin.Flush();
    // A start-up measured while a message box was open has ended already.
    return ktq::StartupReported() ? 0 : app.exec();
}
