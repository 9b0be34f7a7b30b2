// SPDX-License-Identifier: GPL-3.0-or-later
// The window as it first shows: every control's widget in its designed state.
#include <QAbstractButton>
#include <QComboBox>
#include <QFontInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolTip>

#include "GuiFixture.h"
#include "ui/qt/QtLook.h"

namespace ktq::guitest {
namespace {

bool EnabledWithParents(const Control& c) {
    for (const Control* p = &c; p != nullptr; p = p->Parent())
        if (!p->Enabled())
            return false;
    return true;
}

// The text a control holds: its one text, or a multi-line box's lines.
class ShownText : public ControlVisitor {
  public:
    void VisitTextControl(TextControl& c) override { text = c.GetText(); }
    void Visit(Memo& m) override { text = JoinLines(m.Lines(), "\n"); }
    Text text;
};

Text ShownTextOf(Control& c) {
    ShownText shown;
    c.Accept(shown);
    return shown.text;
}

QString WidgetText(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* cb = qobject_cast<QComboBox*>(w))
        return cb->currentText();
    if (auto* p = qobject_cast<QPlainTextEdit*>(w))
        return p->toPlainText();
    if (auto* t = qobject_cast<QTextEdit*>(w))
        return t->toPlainText();
    return QString();
}

class WindowDesignTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteFile("tech 2022 pool.txt", TechPool());
        Start();
    }
};

TEST_F(WindowDesignTest, EveryWidgetShowsItsControl) {
    for (Control* c : form->AllControls()) {
        if (std::string_view(c->Kind()) == "timer")
            continue;
        SCOPED_TRACE(c->Name());
        QWidget* w = skin->WidgetOf(*c);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget(), skin->WidgetOf(*c->Parent()));
        EXPECT_EQ(w->pos(), QPoint(c->Left(), c->Top()));
        if (std::string_view(c->Kind()) == "label") {
            // Labels grow to their text, as they size themselves.
            EXPECT_GE(w->width(), c->Width());
            EXPECT_GE(w->height(), c->Height());
            EXPECT_GE(w->width(), w->fontMetrics().horizontalAdvance(WidgetText(w)));
        } else {
            EXPECT_EQ(w->size(), QSize(c->Width(), c->Height()));
        }
        EXPECT_EQ(w->isVisible(), c->Showing());
        EXPECT_EQ(w->isEnabled(), EnabledWithParents(*c));
        EXPECT_EQ(w->toolTip(), ToQString(c->Hint()));  // Qt shows a parent's where empty
        // What a hidden widget shows is made when it is shown.
        if (!c->Showing())
            continue;
        EXPECT_EQ(QFontInfo(w->font()).family(), QFontInfo(ToQFont(c->GetFont())).family());
        EXPECT_EQ(w->font().bold(), c->GetFont().bold);
        EXPECT_EQ(w->font().italic(), c->GetFont().italic);
        if (c->GetFont().pixelHeight > 0)
            EXPECT_EQ(w->font().pixelSize(), c->GetFont().pixelHeight);
        else
            EXPECT_EQ(w->font().pointSize(), c->GetFont().size);
        EXPECT_EQ(WidgetText(w), ToQString(ShownTextOf(*c)));
    }
    Screenshot("window-at-start.png");
    form->Panel2.Hide();
    Screenshot("window-without-notice.png");
}

TEST_F(WindowDesignTest, WindowHasTheCaptionAndAFixedClientArea) {
    QWidget& w = skin->Window();
    EXPECT_TRUE(w.windowTitle().startsWith("KTQ Trial Exam Tests -:-  Vers 1.1.0.1 \u00A9"));
    EXPECT_EQ(w.windowTitle(), ToQString(form->Caption()));
    // Activation asks for 410, held at the minimum of 435: the outer size,
    // of which the window system's frame takes its share.
    EXPECT_EQ(form->Height(), 435);
    EXPECT_EQ(w.frameGeometry().size(), QSize(860, 435));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_EQ(w.toolTip(), "Utility to create SWOT files and pseudo Trial Exams");
}

TEST_F(WindowDesignTest, CharacteristicFontsColoursAndHints) {
    // Hidden at start: what they show is made when they are shown.
    form->Memo3.Show();
    form->Panel1.Show();
    skin->Flush();
    auto* label5 = WidgetOf<QLabel>(form->Label5);
    EXPECT_EQ(QFontInfo(label5->font()).family(), "Liberation Sans");
    EXPECT_EQ(label5->font().pointSize(), 10);
    EXPECT_EQ(label5->palette().color(QPalette::WindowText), Bgr(kNavy));
    EXPECT_EQ(WidgetOf<QLabel>(form->Label3)->font().pixelSize(), 10);
    EXPECT_TRUE(WidgetOf<QLabel>(form->Label14)->font().italic());

    auto* question = WidgetOf<QTextEdit>(form->RichEdit1);
    EXPECT_EQ(question->palette().color(QPalette::Base), QColor(0, 128, 192));
    EXPECT_EQ(question->palette().color(QPalette::Text), QColor(255, 255, 255));
    EXPECT_TRUE(question->isReadOnly());
    EXPECT_EQ(WidgetOf<QComboBox>(form->ComboBox1)->palette().color(QPalette::Base),
              QColor(255, 251, 240));
    EXPECT_EQ(QFontInfo(WidgetOf<QPlainTextEdit>(form->Memo3)->font()).family(), "Liberation Mono");
    EXPECT_EQ(skin->WidgetOf(form->Panel1)->palette().color(QPalette::Window), QColor(255, 255, 0));

    EXPECT_EQ(skin->WidgetOf(form->Button1)->toolTip(), "Prepare the data for Trial Tests");
    // A control without a hint shows the window's.
    QWidget* label = skin->WidgetOf(form->Label1);
    QHelpEvent hover(QEvent::ToolTip, QPoint(4, 4), label->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(label, &hover);
    EXPECT_EQ(QToolTip::text(), "Utility to create SWOT files and pseudo Trial Exams");
    EXPECT_EQ(skin->WidgetOf(form->Image1)->toolTip(),
              "Mouse click to hide. Can be re-displayed using the 'Show Figs' button.");
}

TEST_F(WindowDesignTest, StackingAndTabOrderFollowTheDesign) {
    const QObjectList& children = skin->Window().children();
    auto level = [&](const Control& c) { return children.indexOf(skin->WidgetOf(c)); };
    EXPECT_LT(level(form->Memo1), level(form->RichEdit1));
    for (int n = 1; n <= 4; ++n) EXPECT_LT(level(*form->AnswerBox(n)), level(form->Panel1));
    EXPECT_LT(level(form->Panel1), level(form->Panel2));

    // Every focusable control of the Tab order comes later in the focus chain.
    QWidget* start = skin->WidgetOf(form->ComboBox1);
    std::vector<QWidget*> chain;
    for (QWidget* w = start; chain.empty() || w != start; w = w->nextInFocusChain())
        chain.push_back(w);
    int last = -1;
    for (Control* c : form->TabOrder()) {
        QWidget* w = skin->WidgetOf(*c);
        if (w->focusPolicy() == Qt::NoFocus)
            continue;
        const auto at = static_cast<int>(std::find(chain.begin(), chain.end(), w) - chain.begin());
        EXPECT_GT(at, last) << c->Name();
        last = at;
    }
}

}  // namespace
}  // namespace ktq::guitest
