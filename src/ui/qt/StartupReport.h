// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
class QWidget;

namespace ktq {
// With KTQ_REPORT_STARTUP set, prints the wall-clock time of the window's
// first paint and the peak resident memory, then ends the program: the
// start-up measurement in bench/ reads it.
void ReportStartupWhenAsked(QWidget& window);
// True once the report was printed: the program is then to end.
bool StartupReported();
}  // namespace ktq
