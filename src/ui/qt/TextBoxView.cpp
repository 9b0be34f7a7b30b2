// SPDX-License-Identifier: GPL-3.0-or-later
// Multi-line boxes: Memo as QPlainTextEdit, RichEdit as a read-only QTextEdit.
#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <algorithm>
#include <optional>
#include <type_traits>

#include "ui/qt/EventHook.h"
#include "ui/qt/QtLook.h"
#include "ui/qt/RichEditWidget.h"
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
int ModelPosition(const LineList& lines, int widgetPosition) {
    int index = 0;
    for (const Text& line : lines) {
        const int len = static_cast<int>(line.size());
        if (widgetPosition <= len)
            return index + widgetPosition;
        widgetPosition -= len + 1;
        index += len + 2;
    }
    return index;
}

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
        if constexpr (std::is_same_v<Box, RichEditWidget>) {
            if (d.answerMark)
                box_->KeepMarkMargin();
        }
        if (d.arrowPointer)
            box_->viewport()->setCursor(Qt::ArrowCursor);
        box_->viewport()->setMouseTracking(true);
        // Tab moves on to the next control; it is never typed into a box.
        box_->setTabChangesFocus(true);
        enterAddsLines_ = d.enterAddsLines;
        if (model_.ReadOnly())
            box_->setReadOnly(true);
        // Boxes that answer to a click are pressed like buttons, not selected
        // in, and take the keyboard focus as buttons do.
        pressable_ = model_.ReadOnly() && d.arrowPointer;
        if (pressable_) {
            box_->setTextInteractionFlags(Qt::NoTextInteraction);
            box_->setFocusPolicy(Qt::StrongFocus);
        }
        if (model_.ReadOnly())
            box_->setContextMenuPolicy(Qt::NoContextMenu);

        QObject::connect(box_, &Box::textChanged, [this] { Typed(); });
        new EventHook(box_->viewport(), [this](QEvent* e) { return ViewportEvent(e); });
        new EventHook(box_, [this](QEvent* e) { return BoxEvent(e); });
    }
    QWidget* Widget() const override { return box_; }

  protected:
    void MirrorContent() override {
        bool reset = false;
        if (!shown_ || *shown_ != model_.Lines()) {
            ShowText(Joined(model_.Lines()));
            shown_ = model_.Lines();
            reset = true;
        }
        if (model_.ReadOnly() != box_->isReadOnly())
            box_->setReadOnly(model_.ReadOnly());
        if (reset || model_.SelStart() != selStart_ || model_.SelLength() != selLength_) {
            selStart_ = model_.SelStart();
            selLength_ = model_.SelLength();
            const int length = box_->document()->characterCount() - 1;
            QTextCursor cursor(box_->document());  // not the caret held in ShowText
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
    // Only what differs is replaced, in one edit told as one change. Qt's own
    // filling tells a screen reader of a clearing, an insertion and the caret
    // going to the end and back, box after box: a new question sent so many
    // events that a busy reader skipped its announcement.
    void ShowText(QString now) {
        QTextDocument& document = *box_->document();
        now.replace('\n', QChar::ParagraphSeparator);
        const QString was = document.toRawText();
        const qsizetype shorter = std::min(was.size(), now.size());
        qsizetype head = 0;
        while (head < shorter && was[head] == now[head]) ++head;
        qsizetype tail = 0;
        while (tail < shorter - head && was[was.size() - 1 - tail] == now[now.size() - 1 - tail])
            ++tail;
        const QString removed = was.mid(head, was.size() - tail - head);
        const QString inserted = now.mid(head, now.size() - tail - head);
        if (removed.isEmpty() && inserted.isEmpty())
            return;
        // The caret stays where it is; the model's selection is shown next.
        QTextCursor caret = box_->textCursor();
        caret.setKeepPositionOnInsert(true);
        box_->setTextCursor(caret);
        // Qt tells the reader from the document's signals; the edit is told
        // once, below.
        {
            const QSignalBlocker quiet(&document);
            // Text the program puts in is no edit of the user's to undo.
            const bool undo = document.isUndoRedoEnabled();
            document.setUndoRedoEnabled(false);
            QTextCursor edit(&document);
            edit.setPosition(static_cast<int>(head));
            edit.setPosition(static_cast<int>(was.size() - tail), QTextCursor::KeepAnchor);
            edit.insertText(inserted);
            document.setUndoRedoEnabled(undo);
        }
        if (QAccessible::isActive()) {
            QAccessibleTextUpdateEvent told(box_, static_cast<int>(head), removed, inserted);
            QAccessible::updateAccessibility(&told);
        }
    }

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
        // The caret stays where the user types; the model learns it, so
        // mirroring has nothing to move.
        const int caret = ModelPosition(*shown_, box_->textCursor().position());
        selStart_ = caret;
        selLength_ = 0;
        Typing([&] { model_.UserTypeWithCaret(typed, caret); });
    }

    // The character index under the pointer; below the last line counts as
    // the empty line after it.
    int IndexAt(const QPoint& pos) const {
        const QTextBlock last = box_->document()->lastBlock();
        const QRect lastRect = box_->cursorRect(QTextCursor(last));
        if (pos.y() > lastRect.bottom())
            return model_.LineIndex(model_.LineCount());
        const QTextCursor at = box_->cursorForPosition(pos);
        return model_.LineIndex(at.blockNumber()) + at.positionInBlock();
    }

    bool BoxEvent(QEvent* e) {
        if (e->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (pressable_ && (enter || key == Qt::Key_Space)) {
            Input([this] { model_.UserMouseDown(MouseButton::Left); });
            return true;
        }
        return enter && !enterAddsLines_;
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
            // The model places the caret where the pointer is, then runs the handlers.
            const int index = IndexAt(press->position().toPoint());
            Input([&] { model_.UserClickAt(index); });
            return true;
        }
        if (model_.OnMouseDown)
            Input([&] { model_.UserMouseDown(button); });
        return model_.OnClick != nullptr;
    }

    Box* box_;
    Memo& model_;
    bool pressable_ = false;
    bool enterAddsLines_ = true;
    std::optional<LineList> shown_;
    int selStart_ = -1, selLength_ = -1, topLine_ = -1;
};

}  // namespace

std::unique_ptr<ControlView> MakeTextBoxViews(Control& c, QWidget* parent, SkinContext& skin) {
    if (auto view = ViewIf<TextBoxView<RichEditWidget>, RichEdit>(c, parent, skin))
        return view;
    return ViewIf<TextBoxView<QPlainTextEdit>, Memo>(c, parent, skin);
}

}  // namespace ktq
