// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the formats module hands the window program: one table, from its one
// exported function, naming the build it belongs to.
#include <memory>
#include <string>

#include "BuildVersion.h"
#include "history/AnswerLog.h"
#include "importing/PoolDocument.h"
#include "text/Text.h"

namespace ktq {

struct FormatsTable {
    // The program's version and this table's layout: a module of another
    // build (left behind by an older install, say) is refused, not called.
    const char* build;
    std::unique_ptr<PoolDocument> (*openPoolDocument)(std::string bytes, const Text& shownName);
    std::unique_ptr<AnswerLog> (*openAnswerLog)(const std::string& path, int busyTimeoutMs);
};

// The name the module exports its table under, as an extern "C" function
// returning `const FormatsTable*`.
inline constexpr const char* kFormatsTableEntry = "ktq_formats_table";

#define KTQ_FORMATS_TEXT(x) #x
#define KTQ_FORMATS_STRING(x) KTQ_FORMATS_TEXT(x)

// This build's identity, as the table carries it; the layout's number goes
// up when FormatsTable changes.
inline const char* FormatsBuild() {
    return KTQ_FORMATS_STRING(KTQ_VERSION_MAJOR) "." KTQ_FORMATS_STRING(
        KTQ_VERSION_MINOR) "." KTQ_FORMATS_STRING(KTQ_VERSION_RELEASE) "." KTQ_FORMATS_STRING(KTQ_VERSION_BUILD) " table 1";
}

// The table of the readers compiled into this binary.
const FormatsTable& BuiltInFormats();

}  // namespace ktq
