// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/StartupReport.h"

#include <sys/resource.h>

#include <QCoreApplication>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "ui/qt/EventHook.h"

namespace ktq {
namespace {
bool g_reported = false;
}  // namespace

bool StartupReported() {
    return g_reported;
}

void ReportStartupWhenAsked(QWidget& window, std::function<std::string()> more) {
    if (std::getenv("KTQ_REPORT_STARTUP") == nullptr)
        return;
    AfterFirstPaint(window, [more = std::move(more)] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("shown-at-ns=%lld peak-rss-kb=%ld%s\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                    usage.ru_maxrss, more ? (" " + more()).c_str() : "");
        std::fflush(stdout);
        // Ends every running loop, a message box's at start-up too; the
        // main loop must then not start at all.
        g_reported = true;
        QCoreApplication::exit(0);
    });
}

}  // namespace ktq
