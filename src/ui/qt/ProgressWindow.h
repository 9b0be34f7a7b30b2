// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Progress" window of the chosen pool: the chance of passing in large
// type, bars per sub-element, a table by group, and the right share per
// study day. Not modal: it stays open beside the trial and follows it.
#include <QWidget>

#include "ui/TForm1.h"
#include "ui/qt/ControlView.h"

class QDoubleSpinBox;
class QLabel;
class QTableWidget;
class QPushButton;

namespace ktq {

class DueForecastChart;
class ExamDatePanel;
class ProgressChart;

class ProgressWindow : public QWidget {
  public:
    ProgressWindow(TForm1& form, SkinContext& skin, QWidget* owner);
    // Brings the window up to date and to the front.
    void Present();
    // Up to date again when the answers it shows have changed.
    void FollowAnswers();
    QTableWidget* SubelementTable() const { return subelements_; }
    QTableWidget* GroupTable() const { return groups_; }
    QLabel* ChanceLabel() const { return chance_; }
    QPushButton* SaveButton() const { return save_; }
    QLabel* StatusLabel() const { return status_; }
    QDoubleSpinBox* RetentionBox() const { return retention_; }
    QLabel* DueLabel() const { return due_; }
    ExamDatePanel* ExamPanel() const { return exam_; }
    QWidget* DayChart() const;
    QWidget* ForecastChart() const;

  protected:
    bool event(QEvent* e) override;

  private:
    void Refresh();
    void Save();

    TForm1& form_;
    SkinContext& skin_;
    QLabel* chance_;
    ExamDatePanel* exam_;
    QTableWidget* subelements_;
    QTableWidget* groups_;
    ProgressChart* chart_;
    QDoubleSpinBox* retention_;
    QLabel* due_;
    DueForecastChart* forecast_;
    QPushButton* save_;
    QLabel* status_;
    std::size_t answersShown_ = 0;
};

}  // namespace ktq
