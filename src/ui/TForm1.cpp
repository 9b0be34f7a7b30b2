// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TForm1.h"

#include <exception>
#include <new>

#include "platform/IoError.h"
#include "ui/FormDesign.h"

namespace ktq {

TForm1::TForm1(Platform& platform) : Form("Form1", nullptr), platform_(platform) {
    ApplyFormDesign(*this);
    BindEvents();
}

void TForm1::BindEvents() {
    OnResize = [this] { FormResize(); };
    ComboBox1.OnChange = [this] { ComboBox1Change(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button3.OnClick = [this] { Button3Click(); };
    Button4.OnClick = [this] { Button4Click(); };
    Button5.OnClick = [this] { Button5Click(); };
    Button7.OnClick = [this] { Button7Click(); };
    Button6.OnClick = [this] { Button6Click(); };
    Button8.OnClick = [this] { Button8Click(); };
    Button9.OnClick = [this] { Button9Click(); };
    Button2.OnClick = [this] { Button2Click(); };
    ComboBox2.OnChange = [this] { ComboBox2Change(); };
    ComboBox2.OnEnter = [this] { ComboBox2Enter(); };
    UpDown1.OnClick = [this](UpDownArrow a) { UpDown1Click(a); };
    Memo2.OnChange = [this] { Edit3Change(); };
    Memo2.OnClick = [this] { Memo2Click(); };
    Memo2.OnMouseDown = [this](MouseButton) { Memo2MouseDown(); };
    CheckBox2.OnClick = [this] { CheckBox2Click(); };
    TrackBar1.OnChange = [this] { TrackBar1Change(); };
    CheckBox1.OnClick = [this] { CheckBox1Click(); };
    RichEdit1.OnMouseMove = [this] { RichEdit1MouseMove(); };
    for (int n = 1; n <= 4; ++n) {
        RichEdit* box = AnswerBox(n);
        box->OnMouseDown = [this, n](MouseButton b) { AnswerMouseDown(n, b); };
        box->OnMouseMove = [this, n] { AnswerBoxMouseMove(n); };
    }
    Edit1.OnChange = [this] { Edit1Change(); };
    Edit3.OnChange = [this] { Edit3Change(); };
    Memo3.OnMouseDown = [this](MouseButton) { Memo3MouseDown(); };
    Image1.OnClick = [this] { Image1Click(); };
    Button10.OnClick = [this] { Button10Click(); };
    CheckBox3.OnClick = [this] { CheckBox3Click(); };
    Timer1.OnTimer = [this] { Timer1Timer(); };
    Timer2.OnTimer = [this] { Timer2Timer(); };
}

Control* TForm1::FindControl(const std::string& name) const {
    if (name == Name())
        return const_cast<TForm1*>(this);
    for (Control* c : AllControls()) {
        if (c->Name() == name)
            return c;
    }
    return nullptr;
}

Timer* TForm1::FindTimer(const std::string& name) {
    for (Timer* t : {&Timer1, &Timer2}) {
        if (t->Name() == name)
            return t;
    }
    return nullptr;
}

void TForm1::RunGuarded(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::bad_alloc&) {
        // Out of memory outside the reading of a user's file: said in words.
        platform_.ShowMessage(kApplicationTitle, "There is not enough memory to finish this.");
    } catch (const std::exception& e) {
        ReportError(e);
    }
}

void TForm1::ReportError(const std::exception& e) {
    platform_.ShowMessage(kApplicationTitle, e.what());
}

void TForm1::AddStatusNote(const Text& note) {
    const Text shown = Label38.GetText();
    Label38.SetText(shown.empty() ? note : shown + "  " + note);
}

void TForm1::ClearStatusNotes() {
    // A read-only folder is said for as long as it lasts.
    const Text why = state.ReadOnlyReason.empty() ? "" : " as " + state.ReadOnlyReason;
    Label38.SetText(state.ReadOnlyFolder
                        ? "Read-only" + why + ": only the answer history is written to this folder."
                        : "");
}

void TForm1::Announce(const Text& words) {
    state.Announcement = words;
    ++state.AnnouncementCount;
    Changed();
}

bool TForm1::DiagOn() const {
    return Contains(LowerAscii(state.CommandLine), "/diag");
}

RichEdit* TForm1::AnswerBox(int number) {
    switch (number) {
        case 1:
            return &RichEdit2;
        case 2:
            return &RichEdit3;
        case 3:
            return &RichEdit4;
        case 4:
            return &RichEdit5;
        default:
            return nullptr;
    }
}

std::vector<Control*> TForm1::StackingOrder() const {
    // Memo1 lies below the question boxes, the figure panel above the answer
    // boxes, and the notice panel above everything it covers.
    const std::vector<const Control*> late = {&Memo1,     &RichEdit1, &RichEdit2, &RichEdit3,
                                              &RichEdit4, &RichEdit5, &Panel1,    &Panel2};
    std::vector<Control*> order;
    for (Control* c : AllControls()) {
        bool isLate = false;
        for (const Control* l : late) isLate = isLate || l == c;
        if (!isLate && c->Parent() == this)
            order.push_back(c);
    }
    for (const Control* l : late) order.push_back(const_cast<Control*>(l));
    return order;
}

std::vector<Control*> TForm1::TabOrder() const {
    // As the screen reads: the left column from the pool chooser down, the
    // row of buttons under the chooser, the notice and the question area,
    // then the details row.
    auto* self = const_cast<TForm1*>(this);
    return {
        &self->ComboBox1, &self->Button1,   &self->Button4,   &self->ComboBox2, &self->UpDown1,
        &self->Memo2,     &self->Button6,   &self->Button2,   &self->CheckBox2, &self->TrackBar1,
        &self->CheckBox1, &self->CheckBox4, &self->Button8,   &self->Button3,   &self->Button7,
        &self->Button5,   &self->Button10,  &self->Panel2,    &self->CheckBox3, &self->Memo1,
        &self->Memo4,     &self->RichEdit1, &self->RichEdit2, &self->RichEdit3, &self->RichEdit4,
        &self->RichEdit5, &self->Button9,   &self->Panel1,    &self->ListBox1,  &self->Edit1,
        &self->Edit2,     &self->Edit3,     &self->Memo3};
}

}  // namespace ktq
