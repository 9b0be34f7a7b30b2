// Any bytes as a published pool's Word document, and as the XML of its body:
// read within bounds, or refused with an IoError (an XmlFault for the body
// alone); the text copy's lines never hold a line end, and a picture is
// saved as JPEG or PNG only when its bytes are one.
#include <string>

#include "FuzzCheck.h"
#include "importing/PublishedDocument.h"
#include "importing/WordXml.h"
#include "platform/IoError.h"

namespace ktq {
namespace {

void CheckLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) FUZZ_CHECK(fuzz::IsOneLine(line));
}

void CheckBody(std::string_view bytes) {
    std::string xml(bytes);
    try {
        const WordBody body = ReadWordBody(xml);
        CheckLines(body.lines);
        for (const std::string& id : body.pictureIds) FUZZ_CHECK(!id.empty());
    } catch (const XmlFault&) {
    }
}

void CheckPicture(const EmbeddedPicture& p) {
    const std::string_view bytes = p.bytes;
    if (p.extension == ".jpg")
        FUZZ_CHECK(bytes.starts_with("\xFF\xD8\xFF"));
    else if (p.extension == ".png")
        FUZZ_CHECK(bytes.starts_with("\x89PNG"));
    else
        FUZZ_CHECK(p.extension.empty());
}

void CheckDocument(std::string_view bytes) {
    try {
        PublishedDocument doc{std::string(bytes), "fuzz.docx"};
        CheckLines(doc.Lines());
        for (std::size_t n = 0; n < doc.PictureCount(); ++n) {
            try {
                CheckPicture(doc.Picture(n));
            } catch (const IoError&) {
            }
        }
    } catch (const IoError&) {
    }
}

}  // namespace
}  // namespace ktq

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = ktq::fuzz::AsBytes(data, size);
    ktq::CheckDocument(bytes);
    ktq::CheckBody(bytes);
    return 0;
}
