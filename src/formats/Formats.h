// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reader of Word documents and the keeper of the answer history, with
// the libraries they need (libzip, pugixml, SQLite). The window program loads
// them only when a document is read or a pool's history is opened, so a
// start that needs neither does not pay for them; the other programs have
// them built in.
#include <memory>
#include <string>

#include "history/AnswerLog.h"
#include "importing/PoolDocument.h"
#include "text/Text.h"

namespace ktq {

// Reads the package and its body at once. Throws IoError naming the document
// when it is damaged, out of bounds or not well-formed, or when the reader
// cannot be loaded.
std::unique_ptr<PoolDocument> OpenPoolDocument(std::string bytes, const Text& shownName);

// Opens the database at `path` (created when missing, never through a link)
// and brings its schema up to date, waiting at most `busyTimeoutMs` for
// another program's lock. Throws AnswerStoreError, a lasting one when the
// store cannot be loaded.
std::unique_ptr<AnswerLog> OpenAnswerLog(const std::string& path, int busyTimeoutMs);

// Whether the libraries are in the process yet (always, where built in).
bool FormatsLoaded();

}  // namespace ktq
