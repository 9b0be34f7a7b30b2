// SPDX-License-Identifier: GPL-3.0-or-later
#include "importing/ImportRecord.h"

#include <zlib.h>

#include <charconv>

#include "platform/TextFile.h"
#include "pool/PoolText.h"

namespace ktq {
namespace {

// Lines of tab-separated fields: "document SIZE TIME", "copy NUMBER CRC",
// then "figure CRC FILE" for each figure made.
template <class Number>
bool ParseNumber(const Text& field, Number& value) {
    const char* end = field.data() + field.size();
    const auto result = std::from_chars(field.data(), end, value);
    return result.ec == std::errc() && result.ptr == end && !field.empty();
}

}  // namespace

std::uint32_t ContentCrc(std::string_view bytes) {
    uLong crc = crc32(0L, Z_NULL, 0);
    // In slices: crc32 takes its length as a 32-bit number.
    constexpr std::size_t kSlice = 1 << 30;
    for (std::size_t at = 0; at < bytes.size(); at += kSlice) {
        const std::size_t n = std::min(kSlice, bytes.size() - at);
        crc = crc32(crc, reinterpret_cast<const Bytef*>(bytes.data() + at), static_cast<uInt>(n));
    }
    return static_cast<std::uint32_t>(crc);
}

FileName ImportRecordName(const FileName& document) {
    return FileName::FromSystem("." + document.System() + ".made");
}

std::optional<ImportRecord> ReadImportRecord(FileSystem& files, const FileName& document) {
    const FileName name = ImportRecordName(document);
    if (!files.Stat(name))
        return std::nullopt;
    LineList lines;
    try {
        lines = ReadLines(files, name);
    } catch (const IoError&) {
        return std::nullopt;
    }
    if (lines.size() < 2 || GetField(lines[0], kTab, 1) != "document" ||
        GetField(lines[1], kTab, 1) != "copy")
        return std::nullopt;
    ImportRecord r;
    bool ok = ParseNumber(GetField(lines[0], kTab, 2), r.documentSize) &&
              ParseNumber(GetField(lines[0], kTab, 3), r.documentModified) &&
              ParseNumber(GetField(lines[1], kTab, 2), r.copyNumber) &&
              ParseNumber(GetField(lines[1], kTab, 3), r.copyCrc);
    for (std::size_t i = 2; ok && i < lines.size(); ++i) {
        MadeFigure figure;
        figure.file = GetField(lines[i], kTab, 3);
        ok = GetField(lines[i], kTab, 1) == "figure" &&
             ParseNumber(GetField(lines[i], kTab, 2), figure.crc) && !figure.file.empty();
        r.figures.push_back(figure);
    }
    if (!ok)
        return std::nullopt;
    return r;
}

void WriteImportRecord(FileSystem& files, const FileName& document, const ImportRecord& record) {
    const auto t = [](auto n) { return Text("\t") + std::to_string(n); };
    LineList lines = {"document" + t(record.documentSize) + t(record.documentModified),
                      "copy" + t(record.copyNumber) + t(record.copyCrc)};
    for (const MadeFigure& f : record.figures) lines.push_back("figure" + t(f.crc) + "\t" + f.file);
    WriteLinesReplacing(files, ImportRecordName(document), lines);
}

}  // namespace ktq
