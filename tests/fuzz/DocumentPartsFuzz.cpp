// SPDX-License-Identifier: GPL-3.0-or-later
// A Word document whose parts the fuzzer writes, so its mutations reach the
// XML and the pictures rather than the zip's checksums: the input, cut at
// each "\n|part|\n", is the body, its relationships and picture n.
#include <zip.h>

#include <vector>

#include "DocumentCheck.h"

namespace {

std::vector<std::string_view> Parts(std::string_view input) {
    constexpr std::string_view kCut = "\n|part|\n";
    std::vector<std::string_view> parts;
    for (std::size_t at = 0;;) {
        const std::size_t cut = input.find(kCut, at);
        parts.push_back(input.substr(at, cut == std::string_view::npos ? cut : cut - at));
        if (cut == std::string_view::npos)
            return parts;
        at = cut + kCut.size();
    }
}

// The package in memory, every part stored as it is (packing costs time and
// finds nothing more).
std::string Package(const std::vector<std::string_view>& parts) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(buffer);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    for (std::size_t n = 0; n < parts.size(); ++n) {
        const std::string name = n == 0   ? "word/document.xml"
                                 : n == 1 ? "word/_rels/document.xml.rels"
                                          : "word/media/image" + std::to_string(n - 1);
        zip_source_t* part = zip_source_buffer(archive, parts[n].data(), parts[n].size(), 0);
        const zip_int64_t i = zip_file_add(archive, name.c_str(), part, ZIP_FL_OVERWRITE);
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(i), ZIP_CM_STORE, 0);
    }
    zip_close(archive);
    std::string bytes;
    if (zip_source_open(buffer) == 0) {
        char chunk[65536];
        for (zip_int64_t got; (got = zip_source_read(buffer, chunk, sizeof chunk)) > 0;)
            bytes.append(chunk, static_cast<std::size_t>(got));
        zip_source_close(buffer);
    }
    zip_source_free(buffer);
    zip_error_fini(&error);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ktq::fuzz::CheckDocument(Package(Parts(ktq::fuzz::AsBytes(data, size))));
    return 0;
}
