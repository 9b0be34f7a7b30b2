// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptVerbs.h"

#include <cmath>
#include <sstream>

#include "ScriptPrinting.h"
#include "text/CodePage.h"

namespace ktq {
namespace {

struct Words {
    std::string first, rest;
};

// Splits off the first word; the rest keeps its blanks except the one
// separator.
Words SplitWord(const std::string& s) {
    const std::size_t sp = s.find(' ');
    if (sp == std::string::npos)
        return {s, ""};
    return {s.substr(0, sp), s.substr(sp + 1)};
}

int ParseCount(const std::string& s, const char* what) {
    if (s.empty() || s.find_first_not_of("0123456789") != std::string::npos)
        throw ScriptError(std::string(what) + " must be a whole number, not \"" + s + "\"");
    try {
        return std::stoi(s);
    } catch (const std::exception&) {
        throw ScriptError(std::string(what) + " is too large: \"" + s + "\"");
    }
}

void NoArguments(const char* verb, const std::string& args) {
    if (!args.empty())
        throw ScriptError(std::string(verb) + " takes nothing after it");
}

// The control of that name, when it takes the input at all.
Control& ControlTaking(DriverContext& d, const std::string& name, bool (Control::*takes)() const,
                       const char* refusal) {
    Control& c = d.NeedControl(name);
    if (!(c.*takes)())
        throw ScriptError("\"" + name + "\" " + refusal);
    return c;
}

ScriptAction Select(DriverContext& d, const std::string& args) {
    const Text text = Utf8ToCp1252(args);
    return [&d, text] {
        d.UserAction("select", "ComboBox1", [&] { return d.form.ComboBox1.UserType(text); });
    };
}

ScriptAction Click(DriverContext& d, const std::string& name) {
    Control& c = ControlTaking(d, name, &Control::TakesClick, "cannot be clicked");
    return [&d, &c, name] { d.UserAction("click", name, [&c] { return c.UserClick(); }); };
}

ScriptAction Press(DriverContext& d, const std::string& args) {
    const Words w = SplitWord(args);
    Control& c = ControlTaking(d, w.first, &Control::TakesPointer, "cannot be pressed");
    if (!w.rest.empty() && w.rest != "left" && w.rest != "right")
        throw ScriptError("press takes left or right, not \"" + w.rest + "\"");
    const MouseButton b = w.rest == "right" ? MouseButton::Right : MouseButton::Left;
    return [&d, &c, name = w.first, b] {
        d.UserAction("press", name, [&c, b] { return c.UserMouseDown(b); });
    };
}

ScriptAction Hover(DriverContext& d, const std::string& name) {
    Control& c = ControlTaking(d, name, &Control::TakesPointer, "has no pointer handling");
    return [&d, &c, name] { d.UserAction("hover", name, [&c] { return c.UserMouseMove(); }); };
}

// The Progress window's exam date of the chosen pool; an empty text clears it.
ScriptAction TypeExamDate(DriverContext& d, const std::string& date) {
    if (!date.empty() && !ParseDay(date))
        throw ScriptError("ExamDate takes a date YYYY-MM-DD, not \"" + date + "\"");
    return [&d, date] {
        d.form.RunGuarded([&d, &date] {
            if (!d.form.SetExamDate(date))
                d.Emit("NOTE type ExamDate: no pool is chosen");
        });
    };
}

ScriptAction Type(DriverContext& d, const std::string& args) {
    const Words w = SplitWord(args);
    if (w.first == "ExamDate")
        return TypeExamDate(d, w.rest);
    Control& c = ControlTaking(d, w.first, &Control::TakesTyping, "takes no typing");
    const Text value = Utf8ToCp1252(w.rest);
    return [&d, &c, name = w.first, value] {
        d.UserAction("type", name, [&c, &value] { return c.UserType(value); });
    };
}

ScriptAction Enter(DriverContext& d, const std::string& args) {
    NoArguments("enter", args);
    return
        [&d] { d.UserAction("enter", "ComboBox2", [&d] { return d.form.ComboBox2.UserEnter(); }); };
}

ScriptAction Step(DriverContext& d, const std::string& args) {
    if (args != "next" && args != "prev")
        throw ScriptError("step takes next or prev");
    const UpDownArrow a = args == "next" ? UpDownArrow::Next : UpDownArrow::Previous;
    return [&d, a] {
        d.UserAction("step", "UpDown1", [&d, a] { return d.form.UpDown1.UserStep(a); });
    };
}

ScriptAction Line(DriverContext& d, const std::string& args) {
    const int n = ParseCount(args, "the line number");
    if (n < 1)
        throw ScriptError("lines are counted from 1");
    return [&d, n] {
        d.UserAction("line", "Memo2", [&d, n] { return d.form.Memo2.UserClickLine(n - 1); });
    };
}

ScriptAction Track(DriverContext& d, const std::string& args) {
    const int n = ParseCount(args, "the track bar position");
    return [&d, n] {
        d.UserAction("track", "TrackBar1", [&d, n] { return d.form.TrackBar1.UserSetPosition(n); });
    };
}

ScriptAction Tick(DriverContext& d, const std::string& args) {
    const Words w = SplitWord(args);
    Timer* t = d.form.FindTimer(w.first);
    if (t == nullptr)
        throw ScriptError("\"" + w.first + "\" is not a timer");
    const int count = w.rest.empty() ? 1 : ParseCount(w.rest, "the tick count");
    return [&d, t, count] {
        for (int i = 0; i < count; ++i) {
            d.platform.Advance(t->Interval());
            d.form.RunGuarded([t] { t->Tick(); });
        }
    };
}

ScriptAction Wait(DriverContext& d, const std::string& args) {
    double seconds = 0;
    std::istringstream in(args);
    if (!(in >> seconds) || !in.eof() || seconds < 0)
        throw ScriptError("wait takes a number of seconds, not \"" + args + "\"");
    const auto ms = static_cast<std::int64_t>(std::llround(seconds * 1000));
    return [&d, ms] { d.platform.Advance(ms); };
}

ScriptAction Answer(DriverContext& d, const std::string& args) {
    if (args != "yes" && args != "no")
        throw ScriptError("answer takes yes or no");
    const bool yes = args == "yes";
    return [&d, yes] { d.platform.QueueReply(yes); };
}

ScriptAction Close(DriverContext& d, const std::string& args) {
    NoArguments("close", args);
    return [&d] {
        d.form.RunGuarded([&d] { d.form.FormClose(); });
        d.open = false;
    };
}

}  // namespace

const std::vector<ScriptVerb>& ScriptVerbs() {
    static const std::vector<ScriptVerb> verbs = {
        {"select", Select}, {"click", Click}, {"press", Press},      {"hover", Hover},
        {"type", Type},     {"step", Step},   {"line", Line},        {"track", Track},
        {"tick", Tick},     {"wait", Wait},   {"print", ParsePrint}, {"state", ParseState},
        {"answer", Answer}, {"close", Close}, {"enter", Enter},
    };
    return verbs;
}

}  // namespace ktq
