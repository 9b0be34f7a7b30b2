// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Word documents made with libzip, which the program reads them with, as Word stores them.
#include <unistd.h>
#include <zip.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace ktq::testsupport {

struct ZipPart {
    std::string name;
    std::string bytes;
    bool stored = false;  // packed as it is, as Word packs pictures
};

inline std::string WriteZip(const std::vector<ZipPart>& parts) {
    const std::string path = std::filesystem::temp_directory_path() /
                             ("ktq-test-" + std::to_string(::getpid()) + ".zip");
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    for (const ZipPart& p : parts) {
        const zip_int64_t i =
            zip_file_add(archive, p.name.c_str(),
                         zip_source_buffer(archive, p.bytes.data(), p.bytes.size(), 0), 0);
        zip_set_file_compression(archive, i, p.stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
    }
    zip_close(archive);
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    std::filesystem::remove(path);
    return bytes;
}

inline std::string Para(const std::string& runs) {
    return "<w:p><w:pPr><w:jc/></w:pPr><w:r><w:t xml:space=\"preserve\">" + runs +
           "</w:t></w:r></w:p>";
}

// A paragraph showing picture n (from 1); Word puts the a:blip deeper.
inline std::string PicturePara(int n) {
    return "<w:p><w:r><w:drawing><a:blip r:embed=\"rId" + std::to_string(n) +
           "\"/></w:drawing></w:r></w:p>";
}

// The body's part, its relationships, and picture n as word/media/imageN.
inline std::vector<ZipPart> DocxParts(const std::string& body,
                                      const std::vector<std::string>& pictures = {}) {
    std::vector<ZipPart> parts = {
        {"word/document.xml", "<w:document><w:body>" + body + "</w:body></w:document>"}};
    std::string rels;
    for (std::size_t n = 1; n <= pictures.size(); ++n) {
        const std::string id = std::to_string(n);
        rels += "<Relationship Id=\"rId" + id + "\" Type=\"x/image\" Target=\"media/image" + id +
                "\"/>";
        parts.push_back({"word/media/image" + id, pictures[n - 1], true});
    }
    parts.push_back(
        {"word/_rels/document.xml.rels", "<Relationships>" + rels + "</Relationships>"});
    return parts;
}

}  // namespace ktq::testsupport
