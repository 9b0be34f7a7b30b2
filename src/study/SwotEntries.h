// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines of the SWOT study file: its name, its header and one entry per
// question, from a prepared bank's records or from the pool reader's entries.
#include "pool/SwotReader.h"
#include "text/Text.h"

namespace ktq {

// "SWOT Extract # " + the name before its first "-" + ".txt" for a prepared
// bank; "SWOT Extract ^ " + the whole pool file name otherwise.
Text SwotFileName(const Text& selectedFile, bool testsMode);

// The three header lines and the empty line that open the file.
LineList SwotHeaderLines(const Text& selectedFile, const Text& createdAt);

// The entry of bank record number `number` (its line number in the file),
// ending with an empty line.
void AppendBankEntry(const Text& record, int number, LineList& out);

// The entry of the `number`-th question the pool reader completed, ending
// with an empty line.
void AppendPoolEntry(const SwotEntry& entry, int number, LineList& out);

}  // namespace ktq
