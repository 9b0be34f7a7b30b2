// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FormDesign.h"

#include "ui/TForm1.h"

namespace ktq {
namespace {

enum class Look {
    Window,  // the window's default font
    WindowBold,
    WindowItalic,
    Arial9,
    Arial10Bold,
    Arial10BoldNavy,
    Arial10BoldGreen,
    SansCell10Bold,  // "MS Sans Serif" with a 10-pixel character cell
    Question,        // Arial 10 bold white
    Answer,          // Arial 9 bold blue
    Courier9,
};

Font FontOf(Look look) {
    Font f;  // "MS Sans Serif" 8 pt, window text
    switch (look) {
        case Look::Window:
            break;
        case Look::WindowBold:
            f.bold = true;
            break;
        case Look::WindowItalic:
            f.italic = true;
            break;
        case Look::Arial9:
            f = {"Arial", 9, 0, false, false, kClWindowText};
            break;
        case Look::Arial10Bold:
            f = {"Arial", 10, 0, true, false, kClWindowText};
            break;
        case Look::Arial10BoldNavy:
            f = {"Arial", 10, 0, true, false, kNavy};
            break;
        case Look::Arial10BoldGreen:
            f = {"Arial", 10, 0, true, false, kGreen};
            break;
        case Look::SansCell10Bold:
            f = {"MS Sans Serif", 7, 10, true, false, kClWindowText};
            break;
        case Look::Question:
            f = {"Arial", 10, 0, true, false, kWhite};
            break;
        case Look::Answer:
            f = {"Arial", 9, 0, true, false, kBlue};
            break;
        case Look::Courier9:
            f = {"Courier New", 9, 0, false, false, kClWindowText};
            break;
    }
    return f;
}

struct Design {
    const char* name;
    int left, top, width, height;
    const char* text;
    const char* hint;
    Look look;
    bool visible;
    bool enabled;
    Color color;
};

constexpr bool kShown = true, kHidden = false, kOn = true, kOff = false;
constexpr Color kFace = kClBtnFace, kWin = kClWindow;
constexpr Color kQuestionBack = 0xC08000;

// clang-format off
const Design kDesign[] = {
    // Pool chooser and counters (top strip).
    {"Label1", 8, 0, 229, 13, "Select Question Pool file (FIRST step)  :", "", Look::WindowBold, kShown, kOn, kFace},
    {"ComboBox1", 8, 16, 401, 21, "", "Select the file for the relevant Question Pool", Look::Window, kShown, kOn, kCream},
    {"Label11", 112, 40, 36, 13, "Tests:", "", Look::WindowBold, kShown, kOff, kFace},
    {"Label25", 243, 0, 3, 15, "", "", Look::Arial9, kShown, kOn, kFace},
    {"Label19", 416, 0, 57, 13, "Total Qstns:", "", Look::Window, kHidden, kOn, kFace},
    {"Label20", 480, 0, 7, 16, "0", "", Look::Arial10Bold, kHidden, kOn, kFace},
    {"Label2", 528, 0, 50, 13, "Questions:", "", Look::Window, kShown, kOn, kFace},
    {"Label3", 528, 32, 5, 13, " ", "", Look::SansCell10Bold, kShown, kOn, kFace},
    {"Label5", 584, 0, 25, 16, " ", "", Look::Arial10BoldNavy, kShown, kOn, kFace},
    {"Label4", 624, 0, 29, 13, "Done:", "", Look::Window, kShown, kOn, kFace},
    {"Label7", 661, 0, 4, 16, " ", "", Look::Arial10BoldGreen, kShown, kOn, kFace},
    {"Label6", 720, 0, 37, 13, "Correct:", "", Look::Window, kShown, kOn, kFace},
    {"Label15", 760, 0, 17, 16, "0%", "", Look::Arial10Bold, kShown, kOn, kFace},
    {"Button3", 424, 32, 121, 17, "Create SWOT file", "Create a text file of questions and correct answers to swot/revise from.", Look::Window, kShown, kOff, kFace},
    {"Button7", 576, 32, 121, 17, "KTQ Rule 97", "", Look::Window, kHidden, kOn, kFace},
    {"Button5", 720, 32, 97, 17, "Review Incorrect", "Review any questions answered incorrectly", Look::Window, kShown, kOff, kFace},
    // Left column.
    {"Button1", 8, 48, 97, 25, "Prepare..", "Prepare the data for Trial Tests", Look::Window, kShown, kOff, kFace},
    {"Button4", 8, 80, 97, 25, "Start", "Start Trial & skip Q&As", Look::Window, kShown, kOff, kFace},
    {"Label17", 8, 112, 75, 13, "Select by Code:", "", Look::Window, kShown, kOn, kFace},
    {"ComboBox2", 8, 128, 97, 21, "", "Select a particular question by its Code ID", Look::Window, kShown, kOff, kWin},
    {"UpDown1", 8, 152, 97, 17, "", "Move up down through question bank by Code", Look::Window, kShown, kOff, kFace},
    {"Label16", 8, 176, 76, 13, "Last Questions :", "", Look::Window, kShown, kOn, kFace},
    {"Memo2", 8, 192, 97, 41, "", "Question asked during this session in Code order", Look::Window, kShown, kOff, kWin},
    {"Button2", 8, 256, 97, 17, "Show Figs", "Re-show any graphic diagrams related to the current question", Look::Window, kHidden, kOn, kFace},
    {"CheckBox2", 8, 276, 89, 17, "External Figs", "Show diagrams also using external software", Look::Window, kShown, kOn, kFace},
    {"Label21", 8, 304, 31, 13, "Count:", "", Look::Window, kHidden, kOn, kFace},
    {"Label22", 56, 304, 49, 13, "", "", Look::Window, kHidden, kOn, kFace},
    {"Label13", 7, 323, 72, 13, "Incorrect Delay", "", Look::Window, kShown, kOn, kFace},
    {"TrackBar1", 9, 335, 96, 17, "", "Relative time that the correct and incorrect answers remain displayed.", Look::Window, kShown, kOn, kFace},
    {"Label18", 13, 335, 3, 13, "", "", Look::Window, kShown, kOn, kFace},
    {"Label24", 82, 335, 18, 13, "      ", "", Look::Window, kShown, kOn, kFace},
    {"Label14", 115, 356, 9, 13, "", "", Look::WindowItalic, kShown, kOn, kFace},
    {"CheckBox1", 7, 372, 87, 17, "See Details", "Mouse-click to show answers at the same time as questions - learning mode.", Look::WindowBold, kShown, kOn, kFace},
    {"Label27", 8, 392, 25, 13, "", "", Look::Window, kShown, kOn, kFace},
    {"Label26", 46, 392, 27, 13, "", "", Look::Window, kShown, kOn, kFace},
    {"Label23", 0, 424, 15, 13, "     ", "", Look::Window, kShown, kOn, kFace},
    // The status line, in the free strip under the question area.
    {"Label38", 112, 369, 690, 13, "", "", Look::WindowBold, kShown, kOn, kFace},
    // Added to the left column and to the free strip under the pool chooser.
    {"Button6", 8, 236, 97, 17, "Practice Exam", "A practice exam drawn as the real one: one question from each group", Look::Window, kShown, kOff, kFace},
    {"CheckBox4", 160, 39, 100, 17, "Weakest first", "Start draws the questions you are most likely to get wrong, then the new ones", Look::Window, kShown, kOn, kFace},
    {"Button8", 312, 38, 97, 17, "Progress", "Where you stand: progress by sub-element and group, and the chance of passing", Look::Window, kShown, kOff, kFace},
    // In the strip between the answer boxes and the status line.
    {"Button9", 705, 353, 97, 16, "Don't know", "Say you do not know: shows the answer and counts as not known (keys 0 or ?)", Look::Window, kShown, kOff, kFace},
    {"Label39", 416, 17, 105, 13, "", "", Look::WindowBold, kHidden, kOn, kFace},
    {"Button10", 712, 16, 105, 16, "Enlarge Figure", "Show the figure in a window of its own, to zoom into", Look::Window, kHidden, kOn, kFace},
    // Question area and details row.
    {"Memo1", 112, 56, 690, 297, "", "", Look::Arial9, kShown, kOn, kWin},
    {"Memo4", 216, 56, 633, 33, "Memo4", "", Look::Window, kHidden, kOn, kWin},
    {"RichEdit1", 112, 56, 689, 72, "RichEdit1", "The current question from the Question Pool for this level.", Look::Question, kShown, kOn, kQuestionBack},
    {"RichEdit2", 112, 128, 697, 55, "RichEdit2", "Answer A", Look::Answer, kShown, kOn, kWin},
    {"RichEdit3", 112, 184, 697, 55, "RichEdit3", "Answer B", Look::Answer, kShown, kOn, kWin},
    {"RichEdit4", 112, 240, 697, 55, "RichEdit4", "Answer C", Look::Answer, kShown, kOn, kWin},
    {"RichEdit5", 112, 296, 657, 55, "RichEdit5", "Answer D", Look::Answer, kShown, kOn, kWin},
    {"ListBox1", 328, 352, 345, 17, "", "", Look::Window, kHidden, kOn, kWin},
    {"Label8", 120, 386, 72, 13, "Question code:", "", Look::Window, kShown, kOn, kFace},
    {"Edit1", 195, 383, 73, 21, " ", "Section code in the Question Pool files", Look::Window, kShown, kOn, kWin},
    {"Label9", 281, 385, 38, 13, "Answer:", "", Look::Window, kShown, kOn, kFace},
    {"Edit2", 328, 384, 49, 21, " ", "Correct answer letter", Look::Window, kShown, kOn, kWin},
    {"Label10", 385, 386, 163, 13, "Reference info (eg Rule 97 parts..)", "", Look::Window, kShown, kOn, kFace},
    {"Edit3", 552, 384, 185, 21, "", "References eg KTQ Rule 97 parts", Look::Window, kShown, kOn, kWin},
    {"Memo3", 8, 408, 825, 137, "", "Clicking on this Info area clears it. Reshow by selecting 'See Details' again.", Look::Courier9, kHidden, kOn, kCream},
    // Figure panel.
    {"Panel1", 416, 136, 385, 337, "", "", Look::Window, kHidden, kOn, kYellow},
    {"Image1", 8, 8, 369, 321, "", "Mouse click to hide. Can be re-displayed using the 'Show Figs' button.", Look::Window, kShown, kOn, kYellow},
    // Notice panel.
    {"Panel2", 152, 48, 633, 329, "", "", Look::WindowBold, kHidden, kOn, kFace},
    {"Label28", 16, 16, 546, 13, "Please be aware that while answers to questions are shown in Pool order, they will be in random", "", Look::WindowBold, kShown, kOn, kFace},
    {"Label29", 16, 32, 574, 13, "order in the multiple choice paper test. For that reason, learning the 'A,B,C or D' order is undesirable.", "", Look::WindowBold, kShown, kOn, kFace},
    {"Label30", 17, 63, 541, 13, "Use this software to gain knowledge by examining the question and learning the actual answer.", "", Look::WindowBold, kShown, kOn, kFace},
    {"Label31", 16, 83, 591, 13, "Explanations provided when learning may not be \"textbook\" but are designed to promote understanding.", "", Look::WindowBold, kShown, kOn, kFace},
    {"Label12", 16, 120, 549, 13, "The +++++ marker in the support documentation details specifics relating to the correct answers.", "", Look::WindowBold, kShown, kOn, kFace},
    {"Label33", 16, 176, 476, 13, "Full KTQ Rule 97 details are available only when the See Details box is NOT ticked.", "", Look::WindowBold, kShown, kOn, kFace},
    {"Label34", 16, 221, 557, 13, "The support files may  be revised from time to time to promote better understanding or corrections.", "", Look::WindowBold, kShown, kOn, kFace},
    {"Label35", 16, 237, 554, 13, "The latest version of the support files will always be found in the latest KTQTests ZIP distribution.", "", Look::WindowBold, kShown, kOn, kFace},
    {"Label36", 80, 272, 375, 13, "KTQTests is written and kept by the KTQTests developers, 2026.", "", Look::WindowBold, kShown, kOn, kFace},
    {"CheckBox3", 32, 296, 209, 17, "Don't show this again", "", Look::Window, kShown, kOn, kFace},
    {"Label37", 560, 296, 3, 13, "", "", Look::WindowBold, kShown, kOn, kFace},
};
// clang-format on

// The designed text: a caption or content, or a multi-line box's one line.
class DesignedText : public ControlVisitor {
  public:
    explicit DesignedText(Text text) : text_(std::move(text)) {}
    void VisitTextControl(TextControl& c) override { c.SetText(text_); }
    void Visit(Memo& c) override { c.SetLines({text_}); }

  private:
    Text text_;
};

}  // namespace

void ApplyFormDesign(TForm1& form) {
    form.SetCaption("KTQ Trial Exam Tests");
    form.SetHint("Utility to create SWOT files and pseudo Trial Exams");
    form.SetColor(kClBtnFace);
    // Client area 844 x 552 inside the nominal frame of 16 x 38 pixels.
    form.SetBounds(166, 150, 860, 590);
    form.SetConstraints(860, 880, 435, 590);

    for (const Design& d : kDesign) {
        Control* c = form.FindControl(d.name);
        c->SetBounds(d.left, d.top, d.width, d.height);
        DesignedText text(d.text);
        c->Accept(text);
        c->SetHint(d.hint);
        c->SetFont(FontOf(d.look));
        c->SetVisible(d.visible);
        c->SetEnabled(d.enabled);
        c->SetColor(d.color);
    }
    // Memo1 starts empty, the other multi-line boxes with one empty line.
    form.Memo1.SetLines({});
    for (Memo* m : std::initializer_list<Memo*>{&form.Memo1, &form.RichEdit1, &form.RichEdit2,
                                                &form.RichEdit3, &form.RichEdit4, &form.RichEdit5,
                                                &form.Memo3}) {
        m->SetReadOnly(m != &form.Memo1);
    }
    // The list of questions asked shows the newest code as it comes.
    form.Memo2.SetFollowsAppends(true);
    form.TrackBar1.SetRange(1, 18);
    form.TrackBar1.SetPosition(5);
    form.UpDown1.SetRange(-1000, 1000);
    form.UpDown1.SetPosition(0);
    form.Image1.SetPicture(kDefaultPictureName, kDefaultPictureWidth, kDefaultPictureHeight);
    form.Timer1.SetInterval(500);
    form.Timer2.SetInterval(1000);
    form.Timer1.SetEnabled(true);
    form.Timer2.SetEnabled(true);
}

}  // namespace ktq
