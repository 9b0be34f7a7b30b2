// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/ControlTexts.h"

#include <map>
#include <string>
#include <string_view>

namespace ktq {
namespace {

// Displays: a value under a name of their own, named after their captions.
const std::map<std::string, const char*>& DisplayNames() {
    static const std::map<std::string, const char*> names = {
        {"Label3", "Questions"},
        {"Label5", "Done"},
        {"Label7", "Correct"},
        {"Label15", "Percentage correct"},
        {"Label20", "Total questions"},
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
        {"Label39", "Practice exam position"},
    };
    return names;
}

// Controls without a caption of their own, named after the label beside them
// or what they hold; their hints stay their descriptions.
const std::map<std::string, const char*>& ControlNames() {
    static const std::map<std::string, const char*> names = {
        {"ComboBox1", "Question pool file"},
        {"ComboBox2", "Select by Code"},
        {"UpDown1", "Step through the bank by code"},
        {"Memo2", "Last Questions"},
        {"TrackBar1", "Incorrect Delay"},
        {"RichEdit1", "Question"},
        {"RichEdit2", "Answer A"},
        {"RichEdit3", "Answer B"},
        {"RichEdit4", "Answer C"},
        {"RichEdit5", "Answer D"},
        {"Edit1", "Question code"},
        {"Edit2", "Answer"},
        {"Edit3", "Reference info"},
        {"Memo1", "Review and study text"},
        {"Memo3", "Details"},
        {"Memo4", "Spare text"},
        {"ListBox1", "Folder listing"},
        {"Panel1", "Figure"},
        {"Image1", "Figure picture"},
        {"Panel2", "Notice"},
    };
    return names;
}

}  // namespace

bool ShowsNothing(const Control& c) {
    return std::string_view(c.Kind()) == "label" && Trim(c.Caption()).empty();
}

bool IsDisplay(const Control& c) {
    return DisplayNames().count(c.Name()) > 0;
}

Text AccessibleNameOf(const Control& c) {
    for (const auto* names : {&DisplayNames(), &ControlNames()}) {
        if (auto it = names->find(c.Name()); it != names->end())
            return it->second;
    }
    const Text caption = Trim(c.Caption());
    return caption.empty() ? c.Hint() : caption;
}

}  // namespace ktq
