#include "ScriptDriver.h"

#include <cmath>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>

#include "app/StateReport.h"
#include "platform/DiskFileSystem.h"
#include "text/CodePage.h"

namespace ktq {
namespace {

// Splits off the first word; the rest keeps its blanks except the one
// separator.
std::pair<std::string, std::string> SplitWord(const std::string& s) {
    std::size_t sp = s.find(' ');
    if (sp == std::string::npos)
        return {s, ""};
    return {s.substr(0, sp), s.substr(sp + 1)};
}

int ParseCount(const std::string& s, const char* what) {
    auto n = std::string(s);
    if (n.empty() || n.find_first_not_of("0123456789") != std::string::npos)
        throw ScriptError(std::string(what) + " must be a whole number, not \"" + s + "\"");
    try {
        return std::stoi(n);
    } catch (const std::exception&) {
        throw ScriptError(std::string(what) + " is too large: \"" + s + "\"");
    }
}

std::string PropertyValue(const PropertyList& props, const std::string& name, bool& found) {
    // "caption" and "text" name the same thing on every control.
    for (const auto& [key, value] : props) {
        if (key == name || (name == "caption" && key == "text")) {
            found = true;
            return value;
        }
    }
    found = false;
    return "";
}

}  // namespace

ScriptDriver::ScriptDriver(TForm1& form, HeadlessPlatform& platform, std::ostream& out)
    : form_(form), platform_(platform), out_(out) {}

void ScriptDriver::Emit(const Text& text) {
    out_ << Cp1252ToUtf8(text) << "\n";
}

Control& ScriptDriver::NeedControl(const std::string& name) {
    Control* c = form_.FindControl(name);
    if (c == nullptr)
        throw ScriptError("no control named \"" + name + "\"");
    return *c;
}

void ScriptDriver::UserAction(const std::string& verb, const std::string& name, bool accepted) {
    if (!accepted)
        out_ << "NOTE " << verb << " " << name << ": the control is hidden or disabled\n";
}

bool ScriptDriver::Run(const std::string& rawLine) {
    std::string line = rawLine;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#')
        return true;
    line = line.substr(first);
    // Plain names, not structured bindings: the actions capture them.
    const auto words = SplitWord(line);
    const std::string verb = words.first, rest = words.second;
    const Text text = Utf8ToCp1252(rest);

    if (verb == "select") {
        form_.RunGuarded([&] { UserAction(verb, "ComboBox1", form_.ComboBox1.UserType(text)); });
    } else if (verb == "click") {
        // The kind is checked before the general error report guards the
        // action, so a malformed action ends the script.
        Control& c = NeedControl(rest);
        std::function<bool()> click;
        if (auto* b = dynamic_cast<Button*>(&c))
            click = [b] { return b->UserClick(); };
        else if (auto* k = dynamic_cast<CheckBox*>(&c))
            click = [k] { return k->UserClick(); };
        else if (auto* i = dynamic_cast<Image*>(&c))
            click = [i] { return i->UserClick(); };
        else if (auto* m = dynamic_cast<Memo*>(&c))
            click = [m] { return m->UserMouseDown(MouseButton::Left); };
        else
            throw ScriptError("\"" + rest + "\" cannot be clicked");
        form_.RunGuarded([&] { UserAction(verb, rest, click()); });
    } else if (verb == "press") {
        const auto split = SplitWord(rest);
        const std::string name = split.first, button = split.second;
        auto* m = dynamic_cast<Memo*>(&NeedControl(name));
        if (m == nullptr)
            throw ScriptError("\"" + name + "\" cannot be pressed");
        if (!button.empty() && button != "left" && button != "right")
            throw ScriptError("press takes left or right, not \"" + button + "\"");
        MouseButton b = button == "right" ? MouseButton::Right : MouseButton::Left;
        form_.RunGuarded([&] { UserAction(verb, name, m->UserMouseDown(b)); });
    } else if (verb == "hover") {
        auto* m = dynamic_cast<Memo*>(&NeedControl(rest));
        if (m == nullptr)
            throw ScriptError("\"" + rest + "\" has no pointer handling");
        form_.RunGuarded([&] { UserAction(verb, rest, m->UserMouseMove()); });
    } else if (verb == "type") {
        const auto split = SplitWord(rest);
        const std::string name = split.first, typed = split.second;
        Control& c = NeedControl(name);
        const Text value = Utf8ToCp1252(typed);
        std::function<bool()> type;
        if (auto* e = dynamic_cast<Edit*>(&c))
            type = [e, value] { return e->UserType(value); };
        else if (auto* cb = dynamic_cast<ComboBox*>(&c))
            type = [cb, value] { return cb->UserType(value); };
        else if (auto* m = dynamic_cast<Memo*>(&c))
            type = [m, value] { return m->UserType(value); };
        else
            throw ScriptError("\"" + name + "\" takes no typing");
        form_.RunGuarded([&] { UserAction(verb, name, type()); });
    } else if (verb == "step") {
        if (rest != "next" && rest != "prev")
            throw ScriptError("step takes next or prev");
        UpDownArrow a = rest == "next" ? UpDownArrow::Next : UpDownArrow::Previous;
        form_.RunGuarded([&] { UserAction(verb, "UpDown1", form_.UpDown1.UserClick(a)); });
    } else if (verb == "line") {
        int n = ParseCount(rest, "the line number");
        if (n < 1)
            throw ScriptError("lines are counted from 1");
        form_.RunGuarded([&] { UserAction(verb, "Memo2", form_.Memo2.UserClickLine(n - 1)); });
    } else if (verb == "track") {
        int n = ParseCount(rest, "the track bar position");
        form_.RunGuarded(
            [&] { UserAction(verb, "TrackBar1", form_.TrackBar1.UserSetPosition(n)); });
    } else if (verb == "tick") {
        Tick(rest);
    } else if (verb == "wait") {
        double seconds = 0;
        std::istringstream in(rest);
        if (!(in >> seconds) || !in.eof() || seconds < 0)
            throw ScriptError("wait takes a number of seconds, not \"" + rest + "\"");
        platform_.Advance(static_cast<std::int64_t>(std::llround(seconds * 1000)));
    } else if (verb == "print") {
        Print(rest);
    } else if (verb == "state") {
        State(rest);
    } else if (verb == "close") {
        if (!rest.empty())
            throw ScriptError("close takes nothing after it");
        form_.RunGuarded([&] { form_.FormClose(); });
        return false;
    } else {
        throw ScriptError("unknown action \"" + verb + "\"");
    }
    out_.flush();
    return true;
}

void ScriptDriver::Tick(const std::string& args) {
    const auto split = SplitWord(args);
    const std::string name = split.first, countText = split.second;
    auto* t = dynamic_cast<Timer*>(&NeedControl(name));
    if (t == nullptr)
        throw ScriptError("\"" + name + "\" is not a timer");
    int count = countText.empty() ? 1 : ParseCount(countText, "the tick count");
    for (int i = 0; i < count; ++i) {
        platform_.Advance(t->Interval());
        form_.RunGuarded([&] { t->Tick(); });
    }
}

void ScriptDriver::Print(const std::string& what) {
    std::size_t dot = what.find('.');
    std::string name = what.substr(0, dot);
    Control& c = NeedControl(name);
    PropertyList props;
    c.Describe(props);
    props.emplace_back("effectivehint", c.EffectiveHint());
    if (dot == std::string::npos) {
        for (const auto& [key, value] : props) Emit(key + "=" + value);
        return;
    }
    std::string property = what.substr(dot + 1);
    if (property == "lines") {
        if (auto* m = dynamic_cast<Memo*>(&c)) {
            for (const Text& l : m->Lines()) Emit(l);
            return;
        }
        if (auto* cb = dynamic_cast<ComboBox*>(&c)) {
            for (const Text& l : cb->Items()) Emit(l);
            return;
        }
        if (auto* lb = dynamic_cast<ListBox*>(&c)) {
            for (const Text& l : lb->Items()) Emit(l);
            return;
        }
    }
    if (property == "text") {
        if (auto* m = dynamic_cast<Memo*>(&c)) {
            for (const Text& l : m->Lines()) Emit(l);
            return;
        }
    }
    bool found = false;
    std::string value = PropertyValue(props, property, found);
    if (!found)
        throw ScriptError(name + " has no property \"" + property + "\"");
    Emit(value);
}

void ScriptDriver::State(const std::string& name) {
    LineList lines;
    if (!DescribeStateVariable(form_.state, name, lines))
        throw ScriptError("no run-state variable named \"" + name + "\"");
    for (const Text& l : lines) Emit(l);
}

namespace {

struct Options {
    int screenHeight = 1080;
    std::string settingsFile;
    std::string now;
    std::string counter;
    std::string script;
    std::string folder;
    std::vector<Text> parameters;
};

const char* kUsage =
    "usage: ktqtests-headless [--script FILE] [--folder DIR] [--screen-height N] [--settings "
    "FILE]\n"
    "                         [--now \"YYYY-MM-DD HH:MM:SS\"] [--counter N] [-- PARAMETERS...]\n";

bool ParseOptions(int argc, const char* const* argv, Options& o, std::ostream& err) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--") {
            for (++i; i < argc; ++i) o.parameters.push_back(Utf8ToCp1252(argv[i]));
            break;
        }
        auto value = [&](std::string& target) {
            if (i + 1 >= argc) {
                err << "ktqtests-headless: " << a << " needs a value\n" << kUsage;
                return false;
            }
            target = argv[++i];
            return true;
        };
        std::string screen;
        if (a == "--script") {
            if (!value(o.script))
                return false;
        } else if (a == "--folder") {
            if (!value(o.folder))
                return false;
        } else if (a == "--settings") {
            if (!value(o.settingsFile))
                return false;
        } else if (a == "--now") {
            if (!value(o.now))
                return false;
        } else if (a == "--counter") {
            if (!value(o.counter))
                return false;
        } else if (a == "--screen-height") {
            if (!value(screen))
                return false;
            try {
                o.screenHeight = std::stoi(screen);
            } catch (const std::exception&) {
                err << "ktqtests-headless: --screen-height takes a number\n";
                return false;
            }
        } else {
            err << "ktqtests-headless: unknown option " << a << "\n" << kUsage;
            return false;
        }
    }
    return true;
}

}  // namespace

int RunHeadlessProgram(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                       std::ostream& err) {
    Options o;
    if (!ParseOptions(argc, argv, o, err))
        return 2;
    std::unique_ptr<SettingsStore> store;
    if (o.settingsFile.empty())
        store = std::make_unique<MemorySettingsStore>();
    else
        store = std::make_unique<IniFileSettingsStore>(o.settingsFile);
    std::unique_ptr<FileSystem> files;
    if (!o.folder.empty()) {
        std::error_code ec;
        if (!std::filesystem::is_directory(o.folder, ec)) {
            err << "ktqtests-headless: the folder \"" << o.folder << "\" does not exist\n";
            return 2;
        }
        files = std::make_unique<DiskFileSystem>(o.folder);
    }
    HeadlessPlatform platform(out, std::move(store), std::move(files));
    platform.SetScreenHeight(o.screenHeight);
    platform.SetParameters(o.parameters);
    if (!o.now.empty()) {
        auto t = ParseDateTime(o.now);
        if (!t) {
            err << "ktqtests-headless: --now takes \"YYYY-MM-DD HH:MM:SS\"\n";
            return 2;
        }
        platform.SetNow(*t);
    }
    if (!o.counter.empty()) {
        try {
            platform.SetCounter(std::stoull(o.counter));
        } catch (const std::exception&) {
            err << "ktqtests-headless: --counter takes a whole number\n";
            return 2;
        }
    }
    std::ifstream scriptFile;
    std::istream* source = &in;
    if (!o.script.empty()) {
        scriptFile.open(o.script);
        if (!scriptFile) {
            err << "ktqtests-headless: cannot read script " << o.script << "\n";
            return 2;
        }
        source = &scriptFile;
    }

    TForm1 form(platform);
    form.RunGuarded([&] { form.FormCreate(); });
    form.RunGuarded([&] { form.FormActivate(); });
    ScriptDriver driver(form, platform, out);
    std::string line;
    int number = 0;
    bool open = true;
    while (open && std::getline(*source, line)) {
        ++number;
        try {
            open = driver.Run(line);
        } catch (const ScriptError& e) {
            out.flush();
            err << "script line " << number << ": " << e.what() << "\n";
            return 2;
        }
    }
    if (open)
        form.RunGuarded([&] { form.FormClose(); });
    out.flush();
    return 0;
}

}  // namespace ktq
