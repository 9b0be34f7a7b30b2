// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/ExamDatePanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "ui/qt/QtLook.h"

namespace ktq {
namespace {

// The sub-elements named beside the chance: the worst few say where to work.
constexpr std::size_t kLossesShown = 4;

}  // namespace

ExamDatePanel::ExamDatePanel(TForm1& form, SkinContext& skin, QWidget* parent)
    : QWidget(parent), form_(form), skin_(skin) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel("&Exam date:", this);
    date_ = new QLineEdit(this);
    date_->setPlaceholderText("YYYY-MM-DD");
    date_->setAccessibleName("Exam date");
    date_->setAccessibleDescription("The day of your exam, as YYYY-MM-DD; empty for none");
    date_->setMaximumWidth(date_->fontMetrics().horizontalAdvance("0000-00-00000"));
    label->setBuddy(date_);
    countdown_ = new QLabel(this);
    countdown_->setAccessibleName("Days to the exam");
    outlook_ = new QLabel(this);
    outlook_->setAccessibleName("Chance of passing on the exam date");
    outlook_->setWordWrap(true);
    plan_ = new QLabel(this);
    plan_->setAccessibleName("Today's plan");
    layout->addWidget(label, 0, 0);
    layout->addWidget(date_, 0, 1);
    layout->addWidget(countdown_, 0, 2);
    layout->addWidget(plan_, 0, 3);
    layout->addWidget(outlook_, 1, 0, 1, 4);
    layout->setColumnStretch(3, 1);
    connect(date_, &QLineEdit::editingFinished, this, [this] { TakeDate(); });
}

void ExamDatePanel::TakeDate() {
    const Text typed = FromQString(date_->text());
    if (typed == form_.state.ExamDate)
        return;
    bool taken = false;
    skin_.UserInput([&] { taken = form_.SetExamDate(typed); });
    Refresh();
    if (!taken)
        countdown_->setText("Not a date: write it as YYYY-MM-DD");
}

void ExamDatePanel::Refresh() {
    if (!date_->hasFocus())
        date_->setText(ToQString(form_.state.ExamDate));
    StudyPlan plan;
    ExamProjection projection;
    Text countdown;
    form_.RunGuarded([&] {
        plan = form_.PlanNow();
        projection = form_.ExamProjectionNow();
        countdown = form_.ExamCountdownNow();
    });
    countdown_->setText(ToQString(countdown));
    QString planText = ToQString(PlanLine(plan));
    if (plan.defaultPace)
        planText += QString(" (no exam date: %1 new a day)").arg(kDefaultNewPerDay);
    plan_->setText(planText);
    if (form_.state.ExamDate.empty()) {
        outlook_->clear();
        return;
    }
    QString outlook = "Chance of passing on the exam date, with no more study: " +
                      ToQString(PercentWithOneDecimal(projection.passChance));
    QStringList losses;
    for (std::size_t i = 0; i < projection.losses.size() && i < kLossesShown; ++i) {
        const SubelementLoss& l = projection.losses[i];
        losses << QString("%1 %2").arg(ToQString(l.code)).arg(l.expectedLost, 0, 'f', 1);
    }
    if (!losses.isEmpty())
        outlook += ". Questions expected lost then: " + losses.join(", ");
    outlook_->setText(outlook);
}

}  // namespace ktq
