// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <string>

class QWidget;

namespace ktq {
// With KTQ_REPORT_STARTUP set, prints the wall-clock time of the window's
// first paint and the peak resident memory, then ends the program: the
// start-up measurement in bench/ reads it. MORE adds words of its own
// ("name=value") to the line.
void ReportStartupWhenAsked(QWidget& window, std::function<std::string()> more = {});
// True once the report was printed: the program is then to end.
bool StartupReported();
}  // namespace ktq
