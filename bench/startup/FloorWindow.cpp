// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the window program's start-up is measured against: a bare Qt
// window of forty widgets, shown and reported the same way, with nothing
// behind them. Its widgets are of the kinds the program's window is made of
// (labels, buttons, line edits, check boxes, combo boxes, lists, a slider,
// a spin box, multi-line text), or, built with KTQ_PLAIN_FLOOR, of the four
// plainest kinds.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTextEdit>
#include <QWidget>

#include "ui/qt/StartupReport.h"

namespace {

template <class Widget>
QWidget* Make(QWidget* parent) {
    return new Widget(parent);
}

// A row of the window: COUNT widgets of one kind, side by side.
struct Row {
    QWidget* (*make)(QWidget*);
    int count;
    int height;
};

#ifdef KTQ_PLAIN_FLOOR
const Row kRows[] = {
    {Make<QLabel>, 10, 20},
    {Make<QPushButton>, 10, 26},
    {Make<QLineEdit>, 10, 24},
    {Make<QCheckBox>, 10, 24},
};
#else
const Row kRows[] = {
    {Make<QLabel>, 6, 20},         {Make<QLabel>, 6, 20},         {Make<QPushButton>, 6, 26},
    {Make<QPushButton>, 2, 26},    {Make<QLineEdit>, 2, 24},      {Make<QCheckBox>, 4, 24},
    {Make<QComboBox>, 2, 24},      {Make<QListWidget>, 2, 60},    {Make<QSlider>, 2, 24},
    {Make<QDoubleSpinBox>, 2, 24}, {Make<QPlainTextEdit>, 4, 60}, {Make<QTextEdit>, 2, 60},
};
#endif

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Start-up floor"));
    window.resize(860, 520);  // about the size of the program's window
    int top = 10;
    for (const Row& row : kRows) {
        for (int i = 0; i < row.count; ++i) {
            QWidget* w = row.make(&window);
            w->setGeometry(10 + i * 84, top, 80, row.height);
            w->setAccessibleName(QStringLiteral("Widget %1").arg(i));
        }
        top += row.height + 6;
    }
    for (QLabel* label : window.findChildren<QLabel*>()) label->setText(QStringLiteral("Label"));
    for (QPushButton* button : window.findChildren<QPushButton*>())
        button->setText(QStringLiteral("Button"));
    for (QLineEdit* edit : window.findChildren<QLineEdit*>()) edit->setText(QStringLiteral("Text"));
    ktq::ReportStartupWhenAsked(window);
    window.show();
    return ktq::StartupReported() ? 0 : app.exec();
}
