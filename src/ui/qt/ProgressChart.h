// SPDX-License-Identifier: GPL-3.0-or-later
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

// The questions falling due on each of the next days, as bars, today first.
class DueForecastChart : public QWidget {
  public:
    explicit DueForecastChart(QWidget* parent = nullptr);
    void SetForecast(std::vector<int> due, std::int64_t today);
    QSize sizeHint() const override { return {420, 90}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<int> due_;
    std::int64_t today_ = 0;
};

// "2026-12-08" of a local day number.
QString DayText(std::int64_t day);

}  // namespace ktq
