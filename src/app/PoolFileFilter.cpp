// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PoolFileFilter.h"

namespace ktq {

bool PassesPoolFileFilter(const Text& name, bool testsMode) {
    std::size_t dot = name.rfind('.');
    if (dot == Text::npos || name.substr(dot) != ".txt")
        return false;
    Text lower = LowerAscii(name);
    if (!Contains(lower, "tech") && !Contains(lower, "general") && !Contains(lower, "extra"))
        return false;
    return testsMode ? Contains(lower, "-tests") : !Contains(name, "^");
}

bool IsPublishedPoolDocument(const Text& name) {
    const std::string_view extension = ".docx";
    return name.ends_with(extension) &&
           PassesPoolFileFilter(name.substr(0, name.size() - extension.size()) + ".txt", false);
}

bool FolderHoldsPreparedBanks(const LineList& names) {
    for (const Text& n : names) {
        if (Contains(LowerAscii(n), "-tests.txt"))
            return true;
    }
    return false;
}

}  // namespace ktq
