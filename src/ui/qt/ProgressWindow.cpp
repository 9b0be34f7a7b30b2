// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/ProgressWindow.h"

#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWindow>
#include <cmath>

#include "ui/qt/ExamDatePanel.h"
#include "ui/qt/ProgressChart.h"
#include "ui/qt/QtLook.h"

namespace ktq {
namespace {

constexpr int kBarColumn = 6;
constexpr int kSeenRole = Qt::UserRole, kRightRole = Qt::UserRole + 1;

// Two bars in one against the sub-element's size: seen (light) and last
// answered right (strong), told apart by shade so they read in greyscale.
class ShareBarDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(p, option, QModelIndex());
        const QRect r = option.rect.adjusted(4, 4, -4, -4);
        const QPalette& pal = option.palette;
        p->save();
        p->fillRect(r, pal.color(QPalette::Base));
        auto part = [&r](double share) {
            return QRect(r.left(), r.top(), static_cast<int>(r.width() * share), r.height());
        };
        QColor seen = pal.color(QPalette::Highlight);
        seen.setAlpha(90);
        p->fillRect(part(index.data(kSeenRole).toDouble()), seen);
        p->fillRect(part(index.data(kRightRole).toDouble()), pal.color(QPalette::Highlight));
        p->setPen(pal.color(QPalette::Mid));
        p->drawRect(r.adjusted(0, 0, -1, -1));
        p->restore();
    }
};

QTableWidget* MakeTable(const QString& name, const QStringList& headers, QWidget* parent) {
    auto* t = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    t->setHorizontalHeaderLabels(headers);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setTabKeyNavigation(false);
    t->setAccessibleName(name);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return t;
}

QString Percent(int part, int whole) {
    return QString("%1%").arg(whole > 0 ? part * 100 / whole : 0);
}

void FillRow(QTableWidget* t, int row, const ProgressRow& r, bool bar) {
    const QStringList cells = {ToQString(r.code),          QString::number(r.inBank),
                               QString::number(r.seen),    QString::number(r.lastRight),
                               QString::number(r.answers), QString::number(r.right)};
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        if (c > 0)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        t->setItem(row, c, item);
    }
    auto* last = new QTableWidgetItem;
    if (bar) {
        const double whole = std::max(r.inBank, 1);
        last->setData(kSeenRole, r.seen / whole);
        last->setData(kRightRole, r.lastRight / whole);
        last->setText(Percent(r.seen, r.inBank) + " seen, " + Percent(r.lastRight, r.inBank) +
                      " right");
        last->setForeground(Qt::transparent);  // the bar says it; readers read the text
    } else {
        last->setText(ToQString(PercentWithOneDecimal(r.chanceRight)));
        last->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    t->setItem(row, kBarColumn, last);
}

void Fill(QTableWidget* t, const std::vector<ProgressRow>& rows, bool bar) {
    t->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i)
        FillRow(t, i, rows[static_cast<std::size_t>(i)], bar);
}

}  // namespace

ProgressWindow::ProgressWindow(TForm1& form, SkinContext& skin, QWidget* owner)
    : QWidget(owner, Qt::Window), form_(form), skin_(skin) {
    setAccessibleName("Progress");
    // The content scrolls within a window that fits the screen's free area.
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);  // a frame, not a stop of its own
    auto* page = new QWidget(scroll);
    scroll->setWidget(page);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    auto* layout = new QVBoxLayout(page);

    chance_ = new QLabel(page);
    QFont big = chance_->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    chance_->setFont(big);
    chance_->setAccessibleName("Chance of passing");
    chance_->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(chance_);
    exam_ = new ExamDatePanel(form_, skin_, this);
    layout->addWidget(exam_);

    const QStringList columns = {"Code", "In bank", "Seen", "Last right", "Answers", "Right"};
    subelements_ = MakeTable("Progress by sub-element",
                             columns + QStringList{"Seen (light), last right (dark)"}, page);
    subelements_->setItemDelegateForColumn(kBarColumn, new ShareBarDelegate(subelements_));
    subelements_->horizontalHeader()->setSectionResizeMode(kBarColumn, QHeaderView::Stretch);
    groups_ = MakeTable("Progress by group", columns + QStringList{"Chance right now"}, page);
    auto* tables = new QHBoxLayout;
    tables->addWidget(subelements_, 1);
    tables->addWidget(groups_, 1);
    layout->addLayout(tables, 1);

    auto* chartTitle = new QLabel("Right answers per study day", page);
    layout->addWidget(chartTitle);
    chart_ = new ProgressChart(page);
    layout->addWidget(chart_);

    // The drill's schedule: its target retention, and what falls due.
    auto* schedule = new QHBoxLayout;
    auto* retentionLabel = new QLabel("Target retention:", page);
    retention_ = new QDoubleSpinBox(page);
    retention_->setRange(0.70, 0.97);
    retention_->setSingleStep(0.01);
    retention_->setDecimals(2);
    retention_->setAccessibleName("Target retention");
    retentionLabel->setBuddy(retention_);
    due_ = new QLabel(page);
    due_->setAccessibleName("Questions due today");
    schedule->addWidget(retentionLabel);
    schedule->addWidget(retention_);
    schedule->addSpacing(24);
    schedule->addWidget(due_, 1);
    layout->addLayout(schedule);
    layout->addWidget(new QLabel("Questions falling due, today and the next 13 days", page));
    forecast_ = new DueForecastChart(page);
    layout->addWidget(forecast_);
    connect(retention_, &QDoubleSpinBox::valueChanged, this, [this](double v) {
        const int percent = static_cast<int>(std::lround(v * 100));
        if (percent == form_.state.TargetRetentionPercent)
            return;
        skin_.UserInput([&] { form_.SetTargetRetention(percent); });
        Refresh();
    });

    auto* buttons = new QHBoxLayout;
    status_ = new QLabel(page);
    status_->setAccessibleName("Report status");
    buttons->addWidget(status_, 1);
    save_ = new QPushButton("Save report", page);
    auto* close = new QPushButton("Close", page);
    buttons->addWidget(save_);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(save_, &QPushButton::clicked, this, [this] { Save(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    // The screen of the window it is opened from; the frame is known only
    // once shown (before, the frame's size came out a pixel short of none).
    resize(QSize(1040, 700).boundedTo(screen()->availableGeometry().size()));
}

QWidget* ProgressWindow::DayChart() const {
    return chart_;
}

QWidget* ProgressWindow::ForecastChart() const {
    return forecast_;
}

void ProgressWindow::Present() {
    Refresh();
    show();
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    resize(size().boundedTo(screen()->availableGeometry().size().shrunkBy(frame)));
    raise();
    activateWindow();
}

void ProgressWindow::FollowAnswers() {
    const StudyHistory* h = form_.History();
    if (isVisible() && h != nullptr && h->Moments().size() != answersShown_)
        Refresh();
}

bool ProgressWindow::event(QEvent* e) {
    // Coming back to the window shows what another program recorded meanwhile.
    if (e->type() == QEvent::WindowActivate)
        Refresh();
    return QWidget::event(e);
}

void ProgressWindow::Refresh() {
    ProgressView view;
    // Not through the skin's input: that follows the answers, which is here.
    form_.RunGuarded([&] { view = form_.Progress(); });
    const StudyHistory* h = form_.History();
    answersShown_ = h ? h->Moments().size() : 0;
    setWindowTitle("Progress - " + ToQString(view.whole.code));
    const QString chance = ToQString(PercentWithOneDecimal(view.passChance));
    chance_->setText("Chance of passing: " + chance);
    chance_->setAccessibleDescription(QString("%1 of %2 questions seen, %3 last answered right")
                                          .arg(view.whole.seen)
                                          .arg(view.whole.inBank)
                                          .arg(view.whole.lastRight));
    exam_->Refresh();
    Fill(subelements_, view.subelements, true);
    Fill(groups_, view.groups, false);
    chart_->SetDays(view.days);

    constexpr int kForecastDays = 14;
    int dueNow = 0;
    std::vector<int> forecast;
    form_.RunGuarded([&] {
        dueNow = form_.DueNow();
        forecast = form_.DueForecastNow(kForecastDays);
    });
    const QSignalBlocker quiet(retention_);
    retention_->setValue(form_.state.TargetRetentionPercent / 100.0);
    // The forecast's first day counts those due later today too: the count
    // shown beside it is the same, the part due already in brackets.
    due_->setText(QString("Due today: %1 (now: %2)")
                      .arg(forecast.empty() ? 0 : forecast.front())
                      .arg(dueNow));
    const std::int64_t localNow = form_.Sys().Now().ms;
    forecast_->SetForecast(forecast,
                           localNow >= 0 ? localNow / kMsPerDay : localNow / kMsPerDay - 1);
}

void ProgressWindow::Save() {
    Text saved;
    skin_.UserInput([&] { saved = form_.SaveProgressReport(); });
    status_->setText(saved.empty() ? QString() : "Saved as " + ToQString(saved));
}

}  // namespace ktq
