// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptDriver.h"

#include <ostream>

#include "ScriptVerbs.h"

namespace ktq {

ScriptDriver::ScriptDriver(TForm1& form, HeadlessPlatform& platform, std::ostream& out, bool echo)
    : context_{form, platform, out}, echo_(echo) {
    // Headless, the progress window is its report.
    form.OnProgressRequested = [this] {
        for (const Text& line : context_.form.ProgressReport()) context_.Emit(line);
    };
}

bool ScriptDriver::Run(const std::string& rawLine) {
    std::string line = rawLine;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#')
        return true;
    line = line.substr(first);
    const std::size_t space = line.find(' ');
    const std::string verb = line.substr(0, space);
    const std::string arguments = space == std::string::npos ? "" : line.substr(space + 1);
    for (const ScriptVerb& v : ScriptVerbs()) {
        if (verb != v.name)
            continue;
        const ScriptAction action = v.parse(context_, arguments);
        if (echo_)
            context_.out << "> " << line << "\n";
        action();
        context_.out.flush();
        return context_.open;
    }
    throw ScriptError("unknown action \"" + verb + "\"");
}

}  // namespace ktq
