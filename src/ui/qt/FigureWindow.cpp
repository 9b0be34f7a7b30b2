// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/FigureWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace ktq {
namespace {

constexpr double kZoomStep = 1.25;
constexpr double kLeastZoom = 0.1, kMostZoom = 8;

}  // namespace

FigureWindow::FigureWindow(QWidget* owner) : QScrollArea(owner), label_(new QLabel) {
    setWindowFlag(Qt::Window);
    setAlignment(Qt::AlignCenter);
    setBackgroundRole(QPalette::Dark);
    label_->setScaledContents(true);
    setWidget(label_);
    setFocusPolicy(Qt::StrongFocus);
}

void FigureWindow::Present(const QPixmap& picture, const QString& name) {
    picture_ = picture;
    label_->setPixmap(picture_);
    setWindowTitle("Figure " + name);
    setAccessibleName("Figure " + name);
    const QRect free = screen()->availableGeometry();
    // Room for the window system's frame, which is not known before showing.
    const QSize room = free.size() * 9 / 10;
    resize(picture_.size().boundedTo(room).expandedTo(QSize(200, 150)));
    move(free.center() - rect().center());
    SetZoom(WholeInView());
    show();
    raise();
    activateWindow();
    setFocus();
}

double FigureWindow::WholeInView() const {
    if (picture_.isNull())
        return 1;
    const QSize view = size() - QSize(2 * frameWidth(), 2 * frameWidth());
    return std::min({1.0, static_cast<double>(view.width()) / picture_.width(),
                     static_cast<double>(view.height()) / picture_.height()});
}

void FigureWindow::SetZoom(double zoom) {
    zoom_ = std::clamp(zoom, kLeastZoom, kMostZoom);
    label_->resize(picture_.size() * zoom_);
}

void FigureWindow::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Escape:
            close();
            return;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            SetZoom(zoom_ * kZoomStep);
            return;
        case Qt::Key_Minus:
            SetZoom(zoom_ / kZoomStep);
            return;
        case Qt::Key_0:
            SetZoom(WholeInView());
            return;
        default:
            QScrollArea::keyPressEvent(e);
    }
}

void FigureWindow::wheelEvent(QWheelEvent* e) {
    const int turn = e->angleDelta().y();
    if (turn == 0)
        return QScrollArea::wheelEvent(e);
    SetZoom(turn > 0 ? zoom_ * kZoomStep : zoom_ / kZoomStep);
    e->accept();
}

}  // namespace ktq
