// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding a referenced section in the rules text. A heading line has the
// section sign as its second character; a section runs from its heading to
// the next heading line.
#include "text/Text.h"

namespace ktq {

// The text a section's heading holds from its second character on: the
// section sign, the section number and one blank, from a reference such as
// "[97.3(a)(4)]" or "[97.305, 97.307(b)]". The sign alone when the reference
// yields no number.
Text RuleKey(const Text& reference, char sectionSign);

// True when the first section sign of `line` is its second character.
bool IsRuleHeading(const Text& line, char sectionSign);

// The first section whose heading holds `key` first at its second character,
// every line trimmed and empty ones left out. The last line of a text of two
// or more lines is never taken for a heading.
LineList RuleSection(const LineList& rules, const Text& key, char sectionSign);

}  // namespace ktq
