// SPDX-License-Identifier: GPL-3.0-or-later
// The rules text in the details box: the section a question refers to, or
// the whole text from "KTQ Rule 97".
#include <optional>

#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "study/RuleText.h"
#include "ui/TForm1.h"
#include "ui/WorkingFiles.h"

namespace ktq {
namespace {

char SectionSignOf(const RunState& s) {
    return s.SectionSign.empty() ? kSectionSignChar : s.SectionSign[0];
}

}  // namespace

void TForm1::Edit3Change() {
    const Text reference = Edit3.GetText();
    if (reference.empty())
        return;
    // Only an empty or nearly empty box is written into.
    if (Memo3.LineCount() >= 3)
        return;
    Memo3.AppendLine("");
    Memo3.AppendLine("");
    Memo3.AppendLine("Lookup Reference : " + reference +
                     " --> The reference is contained within the following text :");
    Memo3.AppendLine(Text(37, '-'));
    if (Contains(reference, "("))
        Memo3.AppendLine("Use the section and paragraph info above to narrow your details.");
    Memo3.AppendLine("");
    LookupReference();
}

void TForm1::LookupReference() {
    const Text reference = Edit3.GetText();
    if (reference.empty())
        return;
    RefreshRulesText();
    if (state.RuleLines.empty())
        Memo3.AppendLine(
            "No rules text here: save 47 CFR Part 97 from the eCFR as plain text under the name "
            "rule97.txt in the program's folder.");
    const char sign = SectionSignOf(state);
    for (const Text& line : RuleSection(state.RuleLines, RuleKey(reference, sign), sign))
        Memo3.AppendLine(line);
    Memo3.Show();
    ShowDetailsLine(0, -1);
}

void TForm1::RefreshRulesText() {
    RunState& s = state;
    const std::optional<EntryInfo> info = Files().Stat(kRulesFile);
    const bool present = info && info->kind == EntryKind::File && info->size > 0;
    const std::int64_t size = present ? info->size : 0;
    const std::int64_t modified = present ? info->modified : 0;
    if (size == s.RulesSize && modified == s.RulesModified)
        return;
    s.RuleLines = present ? ReadLines(Files(), kRulesFile) : LineList();
    s.RulesSize = size;
    s.RulesModified = modified;
    if (present && DiagOn())
        Label26.SetText("R97");
}

void TForm1::Button7Click() {
    if (!state.TestsMode)
        Memo3.Clear();
    Memo3.Show();
    SetHeight(590);
    Memo3.SetLines(ReadLines(Files(), kRulesFile));
    ShowDetailsLine(0, -1);
    Button7.SetEnabled(false);
}

}  // namespace ktq
