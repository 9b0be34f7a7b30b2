// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Progress window's look ahead to the exam: the date field of the chosen
// pool, the days left, the chance of passing on that day with the
// sub-elements expected to lose most, and today's plan.
#include <QWidget>

#include "ui/TForm1.h"
#include "ui/qt/ControlView.h"

class QLabel;
class QLineEdit;

namespace ktq {

class ExamDatePanel : public QWidget {
  public:
    ExamDatePanel(TForm1& form, SkinContext& skin, QWidget* parent);
    void Refresh();
    QLineEdit* DateField() const { return date_; }
    QLabel* PlanLabel() const { return plan_; }
    QLabel* OutlookLabel() const { return outlook_; }

  private:
    void TakeDate();

    TForm1& form_;
    SkinContext& skin_;
    QLineEdit* date_;
    QLabel* countdown_;
    QLabel* outlook_;
    QLabel* plan_;
};

}  // namespace ktq
