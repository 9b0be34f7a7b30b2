// SPDX-License-Identifier: GPL-3.0-or-later
// The formats as the headless programs and the tests have them: built in.
#include "formats/Formats.h"
#include "formats/FormatsTable.h"

namespace ktq {

std::unique_ptr<PoolDocument> OpenPoolDocument(std::string bytes, const Text& shownName) {
    return BuiltInFormats().openPoolDocument(std::move(bytes), shownName);
}

std::unique_ptr<AnswerLog> OpenAnswerLog(const std::string& path, int busyTimeoutMs) {
    return BuiltInFormats().openAnswerLog(path, busyTimeoutMs);
}

bool FormatsLoaded() {
    return true;
}

}  // namespace ktq
