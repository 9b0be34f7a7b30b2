// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/FormatsTable.h"

#include "history/AnswerStore.h"
#include "importing/PublishedDocument.h"

namespace ktq {

const FormatsTable& BuiltInFormats() {
    static const FormatsTable table{
        FormatsBuild(),
        [](std::string bytes, const Text& shownName) -> std::unique_ptr<PoolDocument> {
            return std::make_unique<PublishedDocument>(std::move(bytes), shownName);
        },
        [](const std::string& path, int busyTimeoutMs) -> std::unique_ptr<AnswerLog> {
            return std::make_unique<AnswerStore>(path, busyTimeoutMs);
        },
    };
    return table;
}

}  // namespace ktq
