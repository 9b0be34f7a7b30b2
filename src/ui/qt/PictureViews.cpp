// SPDX-License-Identifier: GPL-3.0-or-later
// Panels and the figure image.
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

#include "platform/DefaultPicture.h"
#include "platform/JpegPicture.h"
#include "platform/PictureFile.h"
#include "ui/FormDesign.h"
#include "ui/qt/EventHook.h"
#include "ui/qt/FigureWindow.h"
#include "ui/qt/Views.h"
#include "ui/qt/WidgetDesign.h"

namespace ktq {
namespace {

class PanelView : public ControlView {
  public:
    PanelView(Panel& c, QWidget* parent, SkinContext& skin)
        : ControlView(c, skin), frame_(new QFrame(parent)) {
        frame_->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame_->setLineWidth(DesignOf(c.Name()).frameWidth);
    }
    QWidget* Widget() const override { return frame_; }

  protected:
    void MirrorContent() override {}
    QPalette::ColorRole BackgroundRole() const override { return QPalette::Window; }
    bool FillsBackground() const override { return true; }

  private:
    QFrame* frame_;
};

class ImageView : public ControlView {
  public:
    ImageView(Image& c, QWidget* parent, SkinContext& skin)
        : ControlView(c, skin), label_(new QLabel(parent)), model_(c) {
        label_->setScaledContents(true);
        new EventHook(label_, [this](QEvent* e) {
            if (e->type() != QEvent::MouseButtonPress)
                return false;
            if (static_cast<QMouseEvent*>(e)->button() != Qt::LeftButton)
                return false;
            Input([this] { model_.UserClick(); });
            return true;
        });
    }
    QWidget* Widget() const override { return label_; }

  protected:
    void MirrorContent() override {
        if (shownFile_ == model_.PictureFile())
            return;
        // Set first: a picture that cannot be decoded is reported once, not at every change.
        shownFile_ = model_.PictureFile();
        if (shownFile_.empty()) {
            label_->clear();
            return;
        }
        label_->setPixmap(FigurePixmap(Skin().Files(), shownFile_));
    }
    QPalette::ColorRole BackgroundRole() const override { return QPalette::Window; }

  private:
    QLabel* label_;
    Image& model_;
    Text shownFile_;
};

}  // namespace

QPixmap FigurePixmap(FileSystem& files, const Text& name) {
    const Picture p = name == kDefaultPictureName ? DecodeJpeg(DefaultPictureJpeg(), name)
                                                  : DecodePictureFile(files, name);
    QImage image(p.rgb.data(), p.width, p.height, p.width * 3, QImage::Format_RGB888);
    return QPixmap::fromImage(image.copy());
}

std::unique_ptr<ControlView> MakePictureViews(Control& c, QWidget* parent, SkinContext& skin) {
    if (auto view = ViewIf<PanelView, Panel>(c, parent, skin))
        return view;
    return ViewIf<ImageView, Image>(c, parent, skin);
}

}  // namespace ktq
