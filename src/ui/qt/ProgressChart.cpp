// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/ProgressChart.h"

#include <QDate>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace ktq {

namespace {

// A chart is a keyboard stop: it shows when it has the focus.
void DrawFocusFrame(const QWidget& chart, QPainter& p) {
    if (!chart.hasFocus())
        return;
    p.save();
    p.setPen(QPen(chart.palette().color(QPalette::Highlight), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(chart.rect().adjusted(1, 1, -1, -1));
    p.restore();
}

}  // namespace

QString DayText(std::int64_t day) {
    return QDate(1970, 1, 1).addDays(day).toString(Qt::ISODate);
}

ProgressChart::ProgressChart(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName("Right answers per study day");
    setMinimumHeight(120);
}

void ProgressChart::SetDays(std::vector<StudyDay> days) {
    days_ = std::move(days);
    QStringList said;
    for (const StudyDay& d : days_)
        said << QString("%1: %2 of %3 right").arg(DayText(d.day)).arg(d.right).arg(d.answers);
    setAccessibleDescription(said.isEmpty() ? "No answers yet" : said.join("; "));
    update();
}

void ProgressChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.base());
    DrawFocusFrame(*this, p);
    const QFontMetrics fm(font());
    const int left = fm.horizontalAdvance("100%") + 8, bottom = height() - fm.height() - 6;
    const QRect plot(left, 6, width() - left - 10, bottom - 6);

    p.setPen(pal.color(QPalette::Mid));
    for (int pct : {0, 50, 100}) {
        const int y = plot.bottom() - plot.height() * pct / 100;
        p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(pal.color(QPalette::Text));
        p.drawText(QRect(0, y - fm.height() / 2, left - 4, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QString("%1%").arg(pct));
        p.setPen(pal.color(QPalette::Mid));
    }
    if (days_.empty()) {
        p.setPen(pal.color(QPalette::Text));
        p.drawText(plot, Qt::AlignCenter, "No answers yet");
        return;
    }
    const std::int64_t first = days_.front().day,
                       span = std::max<std::int64_t>(days_.back().day - first, 1);
    auto at = [&](const StudyDay& d) {
        const double x = plot.left() + plot.width() * static_cast<double>(d.day - first) / span;
        const double y = plot.bottom() - plot.height() * static_cast<double>(d.right) / d.answers;
        return QPointF(days_.size() == 1 ? plot.center().x() : x, y);
    };
    QPainterPath line;
    line.moveTo(at(days_.front()));
    for (const StudyDay& d : days_) line.lineTo(at(d));
    p.setPen(QPen(pal.color(QPalette::Highlight), 2));
    p.drawPath(line);
    p.setBrush(pal.color(QPalette::Highlight));
    for (const StudyDay& d : days_) p.drawEllipse(at(d), 3, 3);

    p.setPen(pal.color(QPalette::Text));
    const QRect labels(plot.left(), bottom + 2, plot.width(), fm.height());
    p.drawText(labels, Qt::AlignLeft, DayText(first));
    if (days_.size() > 1)
        p.drawText(labels, Qt::AlignRight, DayText(days_.back().day));
}

DueForecastChart::DueForecastChart(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName("Questions due in the next days");
    setMinimumHeight(70);
}

void DueForecastChart::SetForecast(std::vector<int> due, std::int64_t today) {
    due_ = std::move(due);
    today_ = today;
    QStringList said;
    for (std::size_t i = 0; i < due_.size(); ++i)
        said << QString("%1: %2").arg(DayText(today_ + static_cast<std::int64_t>(i))).arg(due_[i]);
    setAccessibleDescription(said.join("; "));
    update();
}

void DueForecastChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.base());
    DrawFocusFrame(*this, p);
    if (due_.empty())
        return;
    const QFontMetrics fm(font());
    const int most = std::max(1, *std::max_element(due_.begin(), due_.end()));
    const int slot = width() / static_cast<int>(due_.size());
    const int top = fm.height() + 2, bottom = height() - fm.height() - 4;
    for (std::size_t i = 0; i < due_.size(); ++i) {
        const int x = static_cast<int>(i) * slot;
        const int h = (bottom - top) * due_[i] / most;
        p.fillRect(x + 3, bottom - h, slot - 6, h, pal.color(QPalette::Highlight));
        p.setPen(pal.color(QPalette::Text));
        p.drawText(QRect(x, bottom - h - fm.height(), slot, fm.height()), Qt::AlignCenter,
                   QString::number(due_[i]));
        const QDate day = QDate(1970, 1, 1).addDays(today_ + static_cast<std::int64_t>(i));
        p.drawText(QRect(x, bottom + 2, slot, fm.height()), Qt::AlignCenter,
                   i == 0 ? QString("today") : day.toString("d MMM"));
    }
}

}  // namespace ktq
