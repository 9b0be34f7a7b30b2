// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns the lines of a pool into question records: code, letter, reference,
// question and answers A to D, joined by TAB (8 fields), in pool order.
#include "text/Text.h"

namespace ktq {

struct BuiltBank {
    LineList records;
    LineList codes;  // field 1 of every record, in the same order
};

// Reads every question block below the first "SUBELEMENT" line. The line
// right below it is never examined; the first line of a field is read only
// when it lies before the last line, which can only continue an answer.
BuiltBank BuildBankRecords(const LineList& poolLines);

// Drops the leading records whose code is not of the first sub-element: the
// builder may take stray lines before the first real question for headers.
void DropLeadingRecords(LineList& records);

}  // namespace ktq
