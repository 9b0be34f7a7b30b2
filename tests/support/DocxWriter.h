#pragma once
// Word documents made in the test with libzip, the library the program reads
// them with: the parts a word processor writes, around a body of the test's
// own, and pictures as the body shows them.
#include <zip.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace ktq::testsupport {

struct ZipPart {
    std::string name;
    std::string bytes;
    bool stored = false;  // packed as it is, as word processors store pictures
};

inline std::string WriteZip(const std::vector<ZipPart>& parts) {
    zip_error_t error;
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(buffer);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    for (const ZipPart& part : parts) {
        zip_source_t* data = zip_source_buffer(archive, part.bytes.data(), part.bytes.size(), 0);
        const zip_int64_t index = zip_file_add(archive, part.name.c_str(), data, ZIP_FL_ENC_UTF_8);
        if (index < 0)
            throw std::runtime_error(zip_strerror(archive));
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                                 part.stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
    }
    if (zip_close(archive) != 0)
        throw std::runtime_error("cannot write the test's package");
    zip_source_open(buffer);
    zip_source_seek(buffer, 0, SEEK_END);
    std::string bytes(static_cast<std::size_t>(zip_source_tell(buffer)), '\0');
    zip_source_seek(buffer, 0, SEEK_SET);
    zip_source_read(buffer, bytes.data(), bytes.size());
    zip_source_close(buffer);
    zip_source_free(buffer);
    return bytes;
}

inline std::string WordXml(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
           "<w:document "
           "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
           "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
           "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
           "xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\" "
           "xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\" "
           "xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\">"
           "<w:body>" +
           body + "<w:sectPr><w:pgSz w:w=\"12240\"/></w:sectPr></w:body></w:document>";
}

// One paragraph of one run of the text.
inline std::string Para(const std::string& text) {
    return "<w:p><w:pPr><w:pStyle w:val=\"NoSpacing\"/></w:pPr><w:r><w:t "
           "xml:space=\"preserve\">" +
           text + "</w:t></w:r></w:p>";
}

// A paragraph showing the picture of relationship "rIdN", as Word draws it.
inline std::string PicturePara(int n) {
    return "<w:p><w:r><w:drawing><wp:inline><a:graphic><a:graphicData><pic:pic><pic:blipFill>"
           "<a:blip r:embed=\"rId" +
           std::to_string(n) +
           "\"/></pic:blipFill></pic:pic></a:graphicData></a:graphic></wp:inline></w:drawing>"
           "</w:r></w:p>";
}

inline std::string Relationships(const std::string& inner) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
           "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" +
           inner + "</Relationships>";
}

inline std::string Relationship(const std::string& id, const std::string& type,
                                const std::string& target) {
    return "<Relationship Id=\"" + id +
           "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/" + type +
           "\" Target=\"" + target + "\"/>";
}

// The parts of a document: the body, and picture n (from 1) as
// word/media/imageN with relationship "rIdN".
inline std::vector<ZipPart> DocxParts(const std::string& body,
                                      const std::vector<std::string>& pictures = {}) {
    std::vector<ZipPart> parts = {
        {"[Content_Types].xml",
         "<?xml version=\"1.0\"?><Types "
         "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>"},
        {"_rels/.rels", Relationships(Relationship("rId1", "officeDocument", "word/document.xml"))},
        {"word/document.xml", WordXml(body)},
    };
    std::string rels;
    for (std::size_t n = 1; n <= pictures.size(); ++n) {
        const std::string media = "media/image" + std::to_string(n);
        rels += Relationship("rId" + std::to_string(n), "image", media);
        parts.push_back({"word/" + media, pictures[n - 1], true});
    }
    parts.push_back({"word/_rels/document.xml.rels", Relationships(rels)});
    return parts;
}

inline std::string WriteDocx(const std::string& body,
                             const std::vector<std::string>& pictures = {}) {
    return WriteZip(DocxParts(body, pictures));
}

}  // namespace ktq::testsupport
