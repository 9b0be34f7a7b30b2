// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a published pool's text copy and figures were made from, kept beside
// the document in a hidden file: a new document saved over the old one (an
// errata) is noticed by its size and time, and a file the user has changed
// since it was made is told from ours by its checksum.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"
#include "text/Text.h"

namespace ktq {

struct MadeFigure {
    Text file;  // "T-1.jpg"
    std::uint32_t crc = 0;
};

struct ImportRecord {
    std::int64_t documentSize = -1;
    std::int64_t documentModified = 0;
    // Which name the copy has: 0 the document's own, n the n-th other one.
    int copyNumber = 0;
    std::uint32_t copyCrc = 0;
    std::vector<MadeFigure> figures;
};

std::uint32_t ContentCrc(std::string_view bytes);

// ".X.docx.made" for "X.docx".
FileName ImportRecordName(const FileName& document);
// Nothing when there is no record, or one this program cannot read.
std::optional<ImportRecord> ReadImportRecord(FileSystem& files, const FileName& document);
// Throws IoError when it cannot be written.
void WriteImportRecord(FileSystem& files, const FileName& document, const ImportRecord& record);

}  // namespace ktq
