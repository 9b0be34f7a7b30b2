// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptPrinting.h"

#include "app/StateReport.h"
#include "text/CodePage.h"
#include "ui/Controls.h"

namespace ktq {
namespace {

// "caption" and "text" name the same thing on every control.
const std::string* PropertyValue(const PropertyList& props, const std::string& name) {
    for (const auto& [key, value] : props) {
        if (key == name || (name == "caption" && key == "text"))
            return &value;
    }
    return nullptr;
}

PropertyList PropertiesOf(const Control& c) {
    PropertyList props;
    c.Describe(props);
    props.emplace_back("effectivehint", c.EffectiveHint());
    return props;
}

// The lines a control holds, printed one a line: a multi-line box's lines
// (for "lines" and "text"), a list's items (for "lines").
class ShownLines : public ControlVisitor {
  public:
    explicit ShownLines(const std::string& property) : property_(property) {}
    void Visit(Memo& m) override {
        if (property_ == "lines" || property_ == "text")
            lines = &m.Lines();
    }
    void Visit(ComboBox& c) override { Items(c.Items()); }
    void Visit(ListBox& l) override { Items(l.Items()); }
    const LineList* lines = nullptr;

  private:
    void Items(const LineList& items) {
        if (property_ == "lines")
            lines = &items;
    }
    const std::string& property_;
};

}  // namespace

ScriptAction ParsePrint(DriverContext& d, const std::string& what) {
    const std::size_t dot = what.find('.');
    const std::string name = what.substr(0, dot);
    Control& c = d.NeedControl(name);
    if (dot == std::string::npos) {
        return [&d, &c] {
            for (const auto& [key, value] : PropertiesOf(c)) d.Emit(key + "=" + value);
        };
    }
    const std::string property = what.substr(dot + 1);
    ShownLines shown(property);
    c.Accept(shown);
    if (shown.lines != nullptr) {
        return [&d, &c, property] {
            ShownLines now(property);
            c.Accept(now);
            for (const Text& l : *now.lines) d.Emit(l);
        };
    }
    if (PropertyValue(PropertiesOf(c), property) == nullptr)
        throw ScriptError(name + " has no property \"" + property + "\"");
    return [&d, &c, property] { d.Emit(*PropertyValue(PropertiesOf(c), property)); };
}

ScriptAction ParseState(DriverContext& d, const std::string& what) {
    const std::size_t sp = what.find(' ');
    const std::string name = what.substr(0, sp);
    const std::string argument = sp == std::string::npos ? "" : what.substr(sp + 1);
    const std::optional<StateArgument> takes = StateVariableArgument(name);
    if (!takes)
        throw ScriptError("no run-state variable named \"" + name + "\"");
    if (*takes == StateArgument::None && !argument.empty())
        throw ScriptError(name + " takes nothing after it");
    if (*takes == StateArgument::Code && argument.empty())
        throw ScriptError(name + " takes a question code");
    if (*takes == StateArgument::Count &&
        (argument.empty() || argument.find_first_not_of("0123456789") != std::string::npos ||
         argument.size() > 6))
        throw ScriptError(name + " takes a whole number, not \"" + argument + "\"");
    const Text arg = Utf8ToCp1252(argument);
    return [&d, name, arg] {
        LineList lines;
        DescribeStateVariable(d.form, name, arg, lines);
        for (const Text& l : lines) d.Emit(l);
    };
}

}  // namespace ktq
