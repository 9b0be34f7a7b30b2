// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/ControlTexts.h"

#include <map>
#include <string>
#include <string_view>

namespace ktq {
namespace {

// Controls that have neither a caption nor a hint of their own.
const std::map<std::string, const char*>& RoleNames() {
    static const std::map<std::string, const char*> names = {
        {"Label3", "Questions in the exam"},
        {"Label5", "Answers done"},
        {"Label7", "Answers correct"},
        {"Label15", "Percentage correct"},
        {"Label20", "Questions in the bank"},
        {"Label25", "Trial clock"},
        {"Label22", "Position in the bank"},
        {"Label18", "Question number in this round"},
        {"Label24", "Incorrect delay"},
        {"Label14", "Figures found"},
        {"Label27", "Study note marker"},
        {"Label26", "Rules marker"},
        {"Label23", "Spare"},
        {"Label37", "Start count"},
        {"Label38", "Status"},
        {"Memo1", "Review and study text"},
        {"Memo4", "Spare text"},
        {"ListBox1", "Folder listing"},
        {"Panel1", "Figure"},
        {"Panel2", "Notice"},
    };
    return names;
}

}  // namespace

bool ShowsNothing(const Control& c) {
    return std::string_view(c.Kind()) == "label" && Trim(c.Caption()).empty();
}

Text AccessibleNameOf(const Control& c) {
    const Text caption = Trim(c.Caption());
    if (auto role = RoleNames().find(c.Name()); role != RoleNames().end())
        return caption.empty() ? Text(role->second) : role->second + (": " + caption);
    if (!caption.empty())
        return caption;
    return c.Hint();
}

}  // namespace ktq
