// Multi-line boxes: Memo as QPlainTextEdit, RichEdit as a read-only QTextEdit.
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <optional>

#include "ui/qt/EventHook.h"
#include "ui/qt/QtLook.h"
#include "ui/qt/Views.h"
#include "ui/qt/WidgetDesign.h"

namespace ktq {
namespace {

MouseButton ModelButton(Qt::MouseButton b) {
    if (b == Qt::RightButton)
        return MouseButton::Right;
    if (b == Qt::MiddleButton)
        return MouseButton::Middle;
    return MouseButton::Left;
}

QString Joined(const LineList& lines) {
    QStringList parts;
    for (const Text& l : lines) parts << ToQString(l);
    return parts.join('\n');
}

// The model counts CR LF between lines, the widget one character.
int WidgetPosition(const LineList& lines, int index, int documentLength) {
    int pos = 0;
    for (const Text& line : lines) {
        const int len = static_cast<int>(line.size());
        if (index <= len)
            return std::min(pos + index, documentLength);
        index = std::max(0, index - len - 2);
        pos += len + 1;
    }
    return std::min(pos, documentLength);
}

template <class Box>
class TextBoxView : public ControlView {
  public:
    TextBoxView(Memo& c, QWidget* parent, SkinContext& skin)
        : ControlView(c, skin), box_(new Box(parent)), model_(c) {
        const WidgetDesign d = DesignOf(c.Name());
        box_->setVerticalScrollBarPolicy(d.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                             : Qt::ScrollBarAlwaysOff);
        box_->setHorizontalScrollBarPolicy(d.horizontalScrollBar ? Qt::ScrollBarAlwaysOn
                                                                 : Qt::ScrollBarAlwaysOff);
        box_->setLineWrapMode(d.wrapLines ? Box::WidgetWidth : Box::NoWrap);
        if (!d.frame)
            box_->setFrameShape(QFrame::NoFrame);
        if (d.arrowPointer)
            box_->viewport()->setCursor(Qt::ArrowCursor);
        box_->viewport()->setMouseTracking(true);
        if (model_.ReadOnly())
            box_->setReadOnly(true);
        // Boxes that answer to a click are pressed like buttons, not selected in.
        if (model_.ReadOnly() && d.arrowPointer)
            box_->setTextInteractionFlags(Qt::NoTextInteraction);
        if (model_.ReadOnly())
            box_->setContextMenuPolicy(Qt::NoContextMenu);

        QObject::connect(box_, &Box::textChanged, [this] { Typed(); });
        new EventHook(box_->viewport(), [this](QEvent* e) { return ViewportEvent(e); });
    }
    QWidget* Widget() const override { return box_; }

  protected:
    void MirrorContent() override {
        bool reset = false;
        if (!shown_ || *shown_ != model_.Lines()) {
            box_->setPlainText(Joined(model_.Lines()));
            shown_ = model_.Lines();
            reset = true;
        }
        if (model_.ReadOnly() != box_->isReadOnly())
            box_->setReadOnly(model_.ReadOnly());
        if (reset || model_.SelStart() != selStart_ || model_.SelLength() != selLength_) {
            selStart_ = model_.SelStart();
            selLength_ = model_.SelLength();
            const int length = box_->document()->characterCount() - 1;
            QTextCursor cursor = box_->textCursor();
            cursor.setPosition(WidgetPosition(model_.Lines(), selStart_ + selLength_, length));
            cursor.setPosition(WidgetPosition(model_.Lines(), selStart_, length),
                               QTextCursor::KeepAnchor);
            box_->setTextCursor(cursor);
        }
        if (reset || model_.TopLine() != topLine_) {
            topLine_ = model_.TopLine();
            box_->verticalScrollBar()->setValue(FirstRowOf(topLine_));
        }
    }

  private:
    // The scroll bar counts display rows; with wrapping a line may take several.
    int FirstRowOf(int line) const {
        if (box_->lineWrapMode() == Box::NoWrap)
            return line;
        int rows = 0;
        QTextBlock block = box_->document()->begin();
        for (int i = 0; i < line && block.isValid(); ++i, block = block.next()) {
            const QTextLayout* layout = block.layout();
            rows += layout && layout->lineCount() > 0 ? layout->lineCount() : 1;
        }
        return rows;
    }

    void Typed() {
        const Text typed = FromQString(box_->toPlainText());
        shown_ = SplitLines(typed);
        Input([&] { model_.UserType(typed); });
    }

    // The line under the pointer; below the last line counts as the line after it.
    int LineAt(const QPoint& pos) const {
        const QTextCursor at = box_->cursorForPosition(pos);
        const QTextBlock last = box_->document()->lastBlock();
        const QRect lastRect = box_->cursorRect(QTextCursor(last));
        if (pos.y() > lastRect.bottom())
            return last.blockNumber() + 1;
        return at.blockNumber();
    }

    bool ViewportEvent(QEvent* e) {
        if (e->type() == QEvent::MouseMove) {
            if (model_.OnMouseMove)
                Input([this] { model_.UserMouseMove(); });
            return false;
        }
        if (e->type() != QEvent::MouseButtonPress)
            return false;
        auto* press = static_cast<QMouseEvent*>(e);
        const MouseButton button = ModelButton(press->button());
        if (model_.OnClick && button == MouseButton::Left) {
            // A click picks a line: the model places the caret itself.
            const int line = LineAt(press->position().toPoint());
            Input([&] { model_.UserClickLine(line); });
            return true;
        }
        if (model_.OnMouseDown)
            Input([&] { model_.UserMouseDown(button); });
        return model_.OnClick != nullptr;
    }

    Box* box_;
    Memo& model_;
    std::optional<LineList> shown_;
    int selStart_ = -1, selLength_ = -1, topLine_ = -1;
};

}  // namespace

std::unique_ptr<ControlView> MakeMemoView(Memo& c, QWidget* parent, SkinContext& skin) {
    return std::make_unique<TextBoxView<QPlainTextEdit>>(c, parent, skin);
}

std::unique_ptr<ControlView> MakeRichEditView(RichEdit& c, QWidget* parent, SkinContext& skin) {
    return std::make_unique<TextBoxView<QTextEdit>>(c, parent, skin);
}

}  // namespace ktq
