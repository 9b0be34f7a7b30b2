// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A published pool's Word document used as it is: it gets a text copy beside
// it, the one a word processor's "save as plain text" gives (UTF-8 with a
// mark, CR LF), which is an ordinary pool file; and the pictures of the
// document become the pool's figure files. A new document saved over the
// old one makes them again; nothing the user made or changed is replaced.
#include <vector>

#include "platform/FileSystem.h"
#include "text/Text.h"

namespace ktq {

// "X.docx" gives "X.txt".
FileName TextCopyName(const FileName& document);

// The figures the questions of a pool name, by the figure rule on its bank
// records, each once, in sorted order (numbers by their value: E9-2 before
// E9-10).
std::vector<Text> FiguresNamedBy(const LineList& poolLines);

struct ImportOutcome {
    bool copyWritten = false;
    int figuresWritten = 0;
    // What the user must know: a pool updated or saved under a new name,
    // figures that could not be saved.
    std::vector<Text> notes;
};

// Does nothing while the document is the one the copy was made from and the
// copy is there. Otherwise writes the copy (replacing one made from an
// earlier document that nobody changed since) and, when the document shows
// as many pictures as its questions name figures, picture n as the n-th
// figure's ".jpg" or ".png" where no picture of that figure is the user's.
// Throws IoError when the document cannot be read (nothing is written then)
// or a file not written; the next call then makes what is missing.
ImportOutcome ImportPublishedPool(FileSystem& files, const FileName& document);

}  // namespace ktq
