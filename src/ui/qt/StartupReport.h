#pragma once
class QWidget;

namespace ktq {
// With KTQ_REPORT_STARTUP set, prints the wall-clock time of the window's
// first paint and the peak resident memory, then ends the program: the
// start-up measurement in bench/ reads it.
void ReportStartupWhenAsked(QWidget& window);
}  // namespace ktq
