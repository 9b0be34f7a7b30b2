// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/StartupFailure.h"

#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "ui/TForm1.h"

namespace ktq {
namespace {

bool Set(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// Qt ends the process when the display named cannot be reached, so the box
// is shown by a child: the exit code stays 2 whatever becomes of it.
void ShowInMessageBox(const std::string& reason, const char* programPath) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        int argc = 1;
        char* argv[] = {const_cast<char*>(programPath), nullptr};
        QApplication app(argc, argv);
        QMessageBox::critical(nullptr, kApplicationTitle, QString::fromLocal8Bit(reason));
        std::_Exit(0);
    }
    if (child > 0) {
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }
}

bool DisplayIsThere() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const std::string name = platform != nullptr ? platform : "";
    if (name.starts_with("offscreen") || name.starts_with("minimal"))
        return false;
    return Set("DISPLAY") || Set("WAYLAND_DISPLAY");
}

}  // namespace

int FailStartup(const std::string& reason, const char* programPath) {
    std::fprintf(stderr, "ktqtests: %s\n", reason.c_str());
    if (DisplayIsThere())
        ShowInMessageBox(reason, programPath);
    return 2;
}

}  // namespace ktq
