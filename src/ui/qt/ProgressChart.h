#pragma once
// The right share of each study day as a line over time, drawn in the
// desktop theme's colours; a screen reader reads the same figures from its
// description.
#include <QWidget>
#include <vector>

#include "history/Progress.h"

namespace ktq {

class ProgressChart : public QWidget {
  public:
    explicit ProgressChart(QWidget* parent = nullptr);
    void SetDays(std::vector<StudyDay> days);
    QSize sizeHint() const override { return {420, 160}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<StudyDay> days_;
};

// "2026-12-08" of a local day number.
QString DayText(std::int64_t day);

}  // namespace ktq
