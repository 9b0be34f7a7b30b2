// Any bytes as a published pool's Word document, and as the XML of its body:
// read, or refused with an IoError (an XmlFault for the body alone); the
// text copy's lines hold no line end, and a picture is saved as JPEG or PNG
// only when its bytes are one.
#include "FuzzCheck.h"
#include "importing/PublishedDocument.h"
#include "importing/WordXml.h"
#include "platform/IoError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ktq;
    std::string bytes(fuzz::AsBytes(data, size));
    const auto checkLines = [](const std::vector<std::string>& lines) {
        for (const std::string& line : lines) FUZZ_CHECK(fuzz::IsOneLine(line));
    };
    try {
        PublishedDocument doc(bytes, "fuzz.docx");
        checkLines(doc.Lines());
        for (std::size_t n = 0; n < doc.PictureCount(); ++n) {
            const EmbeddedPicture p = doc.Picture(n);
            const char* mark = p.extension == ".jpg" ? "\xFF\xD8\xFF" : "\x89PNG";
            FUZZ_CHECK(p.extension.empty() || std::string_view(p.bytes).starts_with(mark));
        }
    } catch (const IoError&) {
    }
    try {
        checkLines(ReadWordBody(bytes).lines);
    } catch (const XmlFault&) {
    }
    return 0;
}
