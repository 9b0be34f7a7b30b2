// SPDX-License-Identifier: GPL-3.0-or-later
#include "DriverContext.h"

#include "text/CodePage.h"

namespace ktq {

Control& DriverContext::NeedControl(const std::string& name) const {
    Control* c = form.FindControl(name);
    if (c == nullptr)
        throw ScriptError("no control named \"" + name + "\"");
    return *c;
}

void DriverContext::Emit(const Text& text) const {
    out << Cp1252ToUtf8(text) << "\n";
}

void DriverContext::UserAction(const std::string& verb, const std::string& name,
                               const std::function<bool()>& action) const {
    bool accepted = true;
    form.RunGuarded([&] { accepted = action(); });
    if (!accepted)
        out << "NOTE " << verb << " " << name << ": the control is hidden or disabled\n";
}

}  // namespace ktq
