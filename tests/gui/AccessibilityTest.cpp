// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen-reader user learns: a name for every control, and the
// feedback of an answer in words as well as in colour.
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAccessible>
#include <QHelpEvent>
#include <QTextEdit>
#include <QToolTip>
#include <map>

#include "GuiFixture.h"
#include "ui/AnswerBoxes.h"
#include "ui/qt/AccessibleViews.h"
#include "ui/qt/QtLook.h"
#include "ui/qt/RichEditWidget.h"

namespace ktq::guitest {
namespace {

struct Told {
    QObject* object;
    QAccessible::Event type;
    friend bool operator==(const Told&, const Told&) = default;
};

class AccessibilityTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteFile("tech 2022 pool.txt", TechPool());
    }
    // Offscreen no assistive technology listens; the test does.
    void Listen() {
        skin->SendAccessibilityEventsTo([this](QAccessibleEvent* e) {
            told_.push_back({e->object(), e->type()});
        });
    }
    static QAccessibleInterface* Read(QWidget* w) {
        return QAccessible::queryAccessibleInterface(w);
    }
    QString NameOf(const Control& c) { return Read(skin->WidgetOf(c))->text(QAccessible::Name); }
    QString TextOf(const Control& c) {
        QAccessibleTextInterface* text = Read(skin->WidgetOf(c))->textInterface();
        return text ? text->text(0, text->characterCount()) : QString("(no text)");
    }
    // What the line says once the window's posted work is done.
    QString Spoken() {
        QApplication::processEvents();
        return Read(&skin->SpeechLineWidget())->text(QAccessible::Name);
    }
    RichEditWidget* Marked(int n) { return dynamic_cast<RichEditWidget*>(Box(n)); }
    // The mark's place in grey: what a reader who cannot tell the colours sees.
    QImage MarkInGrey(int n) {
        return Box(n)
            ->grab(Marked(n)->MarkRect())
            .toImage()
            .convertToFormat(QImage::Format_Grayscale8);
    }
    QTextEdit* Box(int n) { return WidgetOf<QTextEdit>(*form->AnswerBox(n)); }
    std::vector<QString> Descriptions() {
        std::vector<QString> all;
        for (int n = 1; n <= 4; ++n) all.push_back(Box(n)->accessibleDescription());
        return all;
    }
    std::vector<Told> told_;
};

TEST_F(AccessibilityTest, NamesSayWhatAControlIsAndDescriptionsAreItsOwnHint) {
    Start();
    for (Control* c : form->AllControls()) {
        if (QWidget* w = skin->WidgetOf(*c)) {
            EXPECT_FALSE(NameOf(*c).isEmpty()) << c->Name();
            EXPECT_EQ(Read(w)->text(QAccessible::Description), ToQString(c->Hint())) << c->Name();
        }
    }
    EXPECT_EQ(NameOf(form->ComboBox2), "Select by Code");
    EXPECT_EQ(NameOf(form->Label3), "Questions");
    EXPECT_EQ(NameOf(form->Label5), "Done");
    EXPECT_EQ(NameOf(form->Label15), "Percentage correct");
    EXPECT_EQ(TextOf(form->Label15), "0%");  // a display gives its value as text
    for (const char* arrow : {"previous", "next"}) {
        QWidget* w = skin->WidgetOf(form->UpDown1)->findChild<QWidget*>(arrow);
        EXPECT_TRUE(Read(w)->text(QAccessible::Name).endsWith(" question"));
    }
}

TEST_F(AccessibilityTest, ThePoolChooserAndTheClockKeepTheirNamesAsTheirTextsChange) {
    StartTrial();
    EXPECT_EQ(NameOf(form->ComboBox1), "Question pool file");
    EXPECT_EQ(Read(skin->WidgetOf(form->ComboBox1))->text(QAccessible::Value),
              "tech 2022 pool.txt");
    form->state.StartTime = form->Sys().Now();
    Tick();
    EXPECT_EQ(NameOf(form->Label25), "Trial clock");
    EXPECT_TRUE(TextOf(form->Label25).startsWith("Elapsed Time: 0:0"));
}

TEST_F(AccessibilityTest, AQuestionWithItsAnswersAndARightAnswerAreSpoken) {
    StartTrial();
    QApplication::processEvents();
    QAccessibleInterface* line = Read(&skin->SpeechLineWidget());
    EXPECT_EQ(line->role(), QAccessible::Notification);
    EXPECT_FALSE(line->state().invisible);
    EXPECT_TRUE(Spoken().startsWith("Question: ")) << Spoken().toStdString();
    EXPECT_TRUE(Spoken().endsWith("  A: Resistor  B: Transistor  C: Battery  D: Lamp"));
    const int right = form->state.CorrectLetter[0] - 'A' + 1;
    QTest::mouseClick(Box(right)->viewport(), Qt::LeftButton, {}, QPoint(30, 20));
    EXPECT_EQ(Spoken(), "Right.");
    Tick();
    EXPECT_EQ(Box(right)->accessibleDescription(), "correct");
    EXPECT_EQ(Marked(right)->Mark(), AnswerMark::Right);
}

TEST_F(AccessibilityTest, AWrongAnswerIsSpokenMarkedAndClearedWithTheColours) {
    StartTrial();
    const Text first = form->state.QuestionCode;
    const int right = form->state.CorrectLetter[0] - 'A' + 1;
    const int wrong = right == 1 ? 2 : 1;
    const QImage unmarked = MarkInGrey(wrong);
    Listen();
    QTest::mouseClick(Box(wrong)->viewport(), Qt::LeftButton, {}, QPoint(30, 20));
    EXPECT_EQ(Spoken(), QString("Wrong. The answer is ") + QChar('A' + right - 1) + ": " +
                            ToQString(ShownAnswer(*form, right)) + ".");
    EXPECT_EQ(told_, (std::vector<Told>{{&skin->SpeechLineWidget(), QAccessible::Alert}}));
    EXPECT_EQ(Descriptions(), std::vector<QString>(4));  // told when it shows, not before
    Tick();
    std::vector<QString> expected(4);
    expected[wrong - 1] = "your answer, wrong";
    expected[right - 1] = "correct answer";
    EXPECT_EQ(Descriptions(), expected);
    EXPECT_EQ(Marked(wrong)->Mark(), AnswerMark::Wrong);
    EXPECT_EQ(Marked(right)->Mark(), AnswerMark::Right);
    // The two marks differ in grey, and differ from no mark.
    EXPECT_NE(MarkInGrey(wrong), unmarked);
    EXPECT_NE(MarkInGrey(wrong), MarkInGrey(right));

    while (form->state.QuestionCode == first) Tick();
    EXPECT_EQ(Descriptions(), std::vector<QString>(4));
    Box(wrong)->clearFocus();  // the click's focus frame covers the margin too
    EXPECT_EQ(MarkInGrey(wrong), unmarked);
    EXPECT_TRUE(Spoken().startsWith("Question: "));
}

// A busy reader skips an unfocused notification with many events behind it,
// and reads its words only when it comes to it: each text box of a new
// question tells one change, and the question is said after them, in words
// that stay its own.
TEST_F(AccessibilityTest, ANewQuestionChangesEachBoxOnceAndIsAnnouncedLast) {
    std::string pool = "T\r\nSUBELEMENT T1 - RULES\r\nT1A - Purpose\r\n";
    for (const std::string k : {"10", "11", "12", "13", "14", "15", "16", "17", "18", "19"})
        pool += "T1A" + k + " (B) [97.1]\r\nWhat is " + k + "?\r\nA. One " + k + "\r\nB. Two " + k +
                "\r\nC. Three " + k + "\r\nD. Four " + k + "\r\n~~\r\n\r\n";
    WriteFile("tech 2022 pool.txt", pool + "~~~ End of question pool ~~~\r\n");
    Prepare();
    static std::vector<Told> heard;  // all that Qt and the window tell a reader
    QAccessible::installUpdateHandler([](QAccessibleEvent* e) {
        heard.push_back({e->object(), e->type()});
    });
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    std::vector<std::pair<QWidget*, QString>> said;
    for (QWidget* press : {skin->WidgetOf(form->Button4), Box(2)->viewport(), Box(1)->viewport(),
                           skin->WidgetOf(form->Button9)}) {  // start, right, wrong, don't know
        const Text asked = form->state.QuestionCode;
        heard.clear();
        QTest::mouseClick(press, Qt::LeftButton);
        for (; form->state.QuestionCode == asked; Tick()) heard.clear();
        said.emplace_back(&skin->SpeechLineWidget(), Spoken());
        std::map<QObject*, std::vector<QAccessible::Event>> text;  // of each text box
        for (int n = 0; n <= 4; ++n)
            text[skin->WidgetOf(n ? *form->AnswerBox(n) : form->RichEdit1)];
        for (const Told& t : heard) {
            if (t.type >= QAccessible::TextCaretMoved &&
                t.type <= QAccessible::TextSelectionChanged)
                text[t.object].push_back(t.type);
        }
        for (const auto& [box, told] : text) EXPECT_EQ(told, std::vector{QAccessible::TextUpdated});
        auto spoken = [](const Told& t) { return t.object->objectName() == kSpeechLineName; };
        EXPECT_TRUE(spoken(heard.back()) &&
                    std::is_partitioned(heard.rbegin(), heard.rend(), spoken));
    }
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    QAccessible::installUpdateHandler(nullptr);
    for (const auto& [line, words] : said) EXPECT_EQ(Read(line)->text(QAccessible::Name), words);
}

// Guards against the window's hint standing in for the boxes' own.
TEST_F(AccessibilityTest, HoveringAnAnswerBoxShowsItsOwnHint) {
    StartTrial();
    for (int n = 1; n <= 4; ++n) {
        QWidget* viewport = Box(n)->viewport();
        const QPoint at(40, 20);
        QHelpEvent hover(QEvent::ToolTip, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &hover);
        EXPECT_EQ(QToolTip::text(), QString("Answer ") + QChar('A' + n - 1));
    }
}

}  // namespace
}  // namespace ktq::guitest
