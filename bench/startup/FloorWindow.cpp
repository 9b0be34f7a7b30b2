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

// COUNT widgets of one kind in a row of the window.
template <class Widget>
void Row(QWidget& window, int row, int count, int height) {
    for (int i = 0; i < count; ++i) {
        auto* w = new Widget(&window);
        w->setGeometry(10 + i * 130, 10 + row * 64, 120, height);
        w->setAccessibleName(QStringLiteral("Widget %1 of row %2").arg(i).arg(row));
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Start-up floor"));
    window.resize(800, 640);
#ifdef KTQ_PLAIN_FLOOR
    for (int row = 0; row < 10; row += 4) {
        Row<QLabel>(window, row, 4, 20);
        Row<QPushButton>(window, row + 1, 4, 26);
        Row<QLineEdit>(window, row + 2, 4, 24);
        Row<QCheckBox>(window, row + 3, 4, 24);
    }
    Row<QLabel>(window, 12, 4, 20);  // 40 in all
#else
    Row<QLabel>(window, 0, 6, 20);
    Row<QLabel>(window, 1, 6, 20);
    Row<QPushButton>(window, 2, 6, 26);
    Row<QPushButton>(window, 3, 2, 26);
    Row<QLineEdit>(window, 4, 2, 24);
    Row<QCheckBox>(window, 5, 4, 24);
    Row<QComboBox>(window, 6, 2, 24);
    Row<QListWidget>(window, 6, 2, 60);
    Row<QSlider>(window, 7, 2, 24);
    Row<QDoubleSpinBox>(window, 7, 2, 24);
    Row<QPlainTextEdit>(window, 8, 4, 60);
    Row<QTextEdit>(window, 9, 2, 60);
#endif
    for (QLabel* label : window.findChildren<QLabel*>()) label->setText(QStringLiteral("Label"));
    for (QPushButton* button : window.findChildren<QPushButton*>())
        button->setText(QStringLiteral("Button"));
    for (QLineEdit* edit : window.findChildren<QLineEdit*>()) edit->setText(QStringLiteral("Text"));
    ktq::ReportStartupWhenAsked(window);
    window.show();
    return ktq::StartupReported() ? 0 : app.exec();
}
