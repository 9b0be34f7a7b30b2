// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A figure in a window of its own, large enough to read: it opens as large
// as the screen's free area allows with the whole figure in view, zooms with
// the keys (+ and - , 0 back to the whole figure) and the wheel, and closes
// with Escape. The figure panel of the main window stays as it is.
#include <QPixmap>
#include <QScrollArea>

#include "platform/FileSystem.h"
#include "text/Text.h"

class QLabel;

namespace ktq {

// The picture of a figure file (JPEG or PNG) of the folder, or the program's
// own picture; empty when it cannot be decoded.
QPixmap FigurePixmap(FileSystem& files, const Text& name);

class FigureWindow : public QScrollArea {
  public:
    explicit FigureWindow(QWidget* owner);
    // Shows the picture whole, and brings the window to the front.
    void Present(const QPixmap& picture, const QString& name);
    // The shown size against the picture's own, 1 for its own size.
    double Zoom() const { return zoom_; }
    void SetZoom(double zoom);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

  private:
    double WholeInView() const;

    QLabel* label_;
    QPixmap picture_;
    double zoom_ = 1;
};

}  // namespace ktq
