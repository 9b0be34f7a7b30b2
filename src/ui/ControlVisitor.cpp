// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ControlVisitor.h"

#include "ui/Controls.h"

namespace ktq {

void ControlVisitor::VisitTextControl(TextControl& c) {
    VisitControl(c);
}
void ControlVisitor::Visit(Label& c) {
    VisitTextControl(c);
}
void ControlVisitor::Visit(Button& c) {
    VisitTextControl(c);
}
void ControlVisitor::Visit(CheckBox& c) {
    VisitTextControl(c);
}
void ControlVisitor::Visit(Edit& c) {
    VisitTextControl(c);
}
void ControlVisitor::Visit(ComboBox& c) {
    VisitTextControl(c);
}
void ControlVisitor::Visit(Memo& c) {
    VisitControl(c);
}
void ControlVisitor::Visit(RichEdit& c) {
    Visit(static_cast<Memo&>(c));
}
void ControlVisitor::Visit(ListBox& c) {
    VisitControl(c);
}
void ControlVisitor::Visit(TrackBar& c) {
    VisitControl(c);
}
void ControlVisitor::Visit(UpDown& c) {
    VisitControl(c);
}
void ControlVisitor::Visit(Panel& c) {
    VisitControl(c);
}
void ControlVisitor::Visit(Image& c) {
    VisitControl(c);
}
void ControlVisitor::Visit(Timer& c) {
    VisitControl(c);
}
void ControlVisitor::Visit(Form& c) {
    VisitControl(c);
}

}  // namespace ktq
