// Published pools' Word documents, made in the test: the text copy beside
// them, the figures taken from them, and documents that are refused.
#include <gtest/gtest.h>

#include <functional>

#include "DocxWriter.h"
#include "JpegWriter.h"
#include "PngWriter.h"
#include "StudyFixture.h"

namespace ktq {
namespace {

using testsupport::Para;
using testsupport::PicturePara;
using testsupport::WriteDocx;
using testsupport::WriteZip;
using testsupport::ZipPart;

const Text kDocument = "Tech Pool 2026-2030.docx";
const Text kCopy = "Tech Pool 2026-2030.txt";
const Text kOtherPool = "general pool 2023-2027.txt";
const std::string kMark = "\xEF\xBB\xBF";

// A tech pool of two questions naming figures T-2 and then T-1, the second
// with the non-breaking hyphen the published documents use.
std::string PoolBody() {
    std::string body = Para("Tech Pool 2026-2030") + Para("SUBELEMENT T1 - RULES") + Para("T1A");
    const char* questions[][2] = {
        {"T1A01 (C) [97.1]", "What is component 1 in figure T-2?"},
        {"T1A02 (A) [97.3]", "What is shown in figure T</w:t><w:noBreakHyphen/><w:t>1?"}};
    for (const auto& q : questions) {
        body += Para(q[0]) + "<w:p><w:r><w:t>" + q[1] + "</w:t></w:r></w:p>";
        for (const char* answer : {"A. One", "B. Two", "C. Three", "D. Four", "~~", ""})
            body += Para(answer);
    }
    return body;
}

class PublishedPoolTest : public testsupport::StudyTest {
  protected:
    void StartWith(const std::string& document) {
        folder.Write(kDocument, document);
        folder.Write(kOtherPool, testsupport::SmallPool());
        Start();
    }
    LineList FolderFiles() {
        LineList names;
        for (const FileName& n : ListFolderFiles(folder.Files())) names.push_back(n.Shown());
        return names;
    }
    const std::string jpeg = testsupport::WriteJpeg({});
    const std::string png = testsupport::WritePng({});
};

struct CopyCase {
    const char* name;
    std::string body;
    std::string copy;  // after the mark
};

class TextCopyTest : public PublishedPoolTest, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(TextCopyTest, IsWhatSavingAsPlainTextGives) {
    StartWith(WriteDocx(GetParam().body));
    EXPECT_EQ(Output(), "");
    EXPECT_EQ(folder.Read(kCopy), kMark + GetParam().copy);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, TextCopyTest,
    ::testing::Values(
        CopyCase{
            "RunsJoinedOneLinePerParagraph",
            "<w:p><w:r><w:t>T1A01</w:t></w:r><w:r><w:rPr><w:b/></w:rPr><w:t "
            "xml:space=\"preserve\"> (C) </w:t></w:r><w:r><w:t>[97.1]</w:t></w:r></w:p>"
            "<w:p/>" +
                Para("\xE2\x80\x9CQuoted\xE2\x80\x9D \xE2\x80\x93 &amp; \xC2\xA9"),
            "T1A01 (C) [97.1]\r\n\r\n\xE2\x80\x9CQuoted\xE2\x80\x9D \xE2\x80\x93 & \xC2\xA9\r\n"},
        CopyCase{"TabInARunNotTabStops",
                 "<w:p><w:pPr><w:tabs><w:tab w:val=\"left\" w:pos=\"720\"/></w:tabs></w:pPr>"
                 "<w:r><w:t>A.</w:t><w:tab/><w:t>7 MHz</w:t></w:r></w:p>",
                 "A.\t7 MHz\r\n"},
        CopyCase{"BreaksEndLines",
                 "<w:p><w:r><w:t>one</w:t><w:br/><w:t>two</w:t><w:cr/><w:t>three</w:t>"
                 "<w:br w:type=\"page\"/></w:r></w:p>",
                 "one\r\ntwo\r\nthree\r\n\r\n"},
        CopyCase{"HyphensAsTheyPrint",
                 "<w:p><w:r><w:t>Figure E7</w:t><w:noBreakHyphen/><w:t>3 ampli</w:t>"
                 "<w:softHyphen/><w:t>fier</w:t></w:r></w:p>",
                 "Figure E7-3 amplifier\r\n"},
        CopyCase{"TableCellsParagraphByParagraph",
                 "<w:tbl><w:tblPr><w:tblW w:w=\"0\"/></w:tblPr><w:tr><w:tc><w:tcPr/>" + Para("a1") +
                     Para("a2") + "</w:tc><w:tc>" + Para("b1") + "</w:tc></w:tr></w:tbl>" +
                     Para("after"),
                 "a1\r\na2\r\nb1\r\nafter\r\n"},
        CopyCase{"DeletedRevisionsLeftOutInsertedKept",
                 "<w:p><w:r><w:t xml:space=\"preserve\">D. </w:t></w:r><w:del><w:r><w:delText>12 "
                 "W</w:delText></w:r></w:del><w:ins><w:r><w:t>15 W</w:t></w:r></w:ins>"
                 "<w:moveFrom><w:r><w:t> moved</w:t></w:r></w:moveFrom></w:p>",
                 "D. 15 W\r\n"},
        CopyCase{"FieldCodesAndFallbacksLeftOut",
                 "<w:p><w:r><w:instrText>PAGE</w:instrText></w:r><w:r><w:t>7</w:t></w:r>"
                 "<mc:AlternateContent><mc:Choice Requires=\"wps\"><w:r><w:t>box</w:t></w:r>"
                 "</mc:Choice><mc:Fallback><w:r><w:t>box</w:t></w:r></mc:Fallback>"
                 "</mc:AlternateContent></w:p>",
                 "7box\r\n"}),
    [](const auto& row) { return row.param.name; });

TEST_F(PublishedPoolTest, PicturesBecomeTheFiguresInTheOrderOfTheirNames) {
    StartWith(WriteDocx(PoolBody() + PicturePara(1) + PicturePara(2), {jpeg, png}));
    EXPECT_EQ(Output(), "");
    EXPECT_EQ(folder.Read("T-1.jpg"), jpeg);
    EXPECT_EQ(folder.Read("T-2.png"), png);
    EXPECT_EQ(form().state.AvailableImages, "T-1.jpg T-2.png ");
    EXPECT_EQ(form().ComboBox1.Items(), (LineList{kOtherPool, kCopy}));

    // From now on the copy is an ordinary pool.
    Select(kCopy);
    form().Button1.UserClick();
    EXPECT_EQ(form().state.QuestionBank.size(), 2u);
    form().ComboBox2.UserType("T1A02");
    EXPECT_EQ(form().Image1.PictureFile(), "T-1.jpg");
}

TEST_F(PublishedPoolTest, FilesThatAreThereAreNeverReplaced) {
    folder.Write("T-1.jpg", "my own");
    StartWith(WriteDocx(PoolBody() + PicturePara(1) + PicturePara(2), {jpeg, png}));
    EXPECT_EQ(folder.Read("T-1.jpg"), "my own");
    EXPECT_EQ(folder.Read("T-2.png"), png);

    // With the copy there, the document is not read again.
    std::filesystem::remove(folder.PathOf("T-2.png"));
    folder.Write(kCopy, "edited by the user");
    Start();
    EXPECT_EQ(folder.Read(kCopy), "edited by the user");
    EXPECT_FALSE(folder.Exists("T-2.png"));
}

TEST_F(PublishedPoolTest, PicturesThatDoNotMatchTheFiguresNamedSaveNone) {
    StartWith(WriteDocx(PoolBody() + PicturePara(1), {jpeg}));
    EXPECT_NE(Output().find("The document \"" + kDocument +
                            "\" shows 1 pictures, but its questions name 2 figures"),
              std::string::npos)
        << Output();
    EXPECT_NE(Output().find("as .jpg or .png: T-1, T-2."), std::string::npos);
    EXPECT_EQ(FolderFiles(), (LineList{kOtherPool, kDocument, kCopy}));
}

TEST_F(PublishedPoolTest, APictureNeitherJpegNorPngIsNotSaved) {
    StartWith(WriteDocx(PoolBody() + PicturePara(1) + PicturePara(2), {"GIF89a...", png}));
    EXPECT_NE(Output().find("figures T-1 in the document"), std::string::npos) << Output();
    EXPECT_FALSE(folder.Exists("T-1.jpg") || folder.Exists("T-1.png"));
    EXPECT_EQ(folder.Read("T-2.png"), png);
}

// Guards against half a copy left behind, which would never be made again.
TEST_F(PublishedPoolTest, AFailedWriteLeavesNothingAndIsMadeAtTheNextStart) {
    folder.Write(kDocument, WriteDocx(PoolBody() + PicturePara(1) + PicturePara(2), {jpeg, png}));
    testsupport::Program full(folder, store);
    full.Files().FailWritesAfter(10);
    full.Start();
    EXPECT_NE(full.Output().find("Cannot write file \"" + kCopy + "\": No space left"),
              std::string::npos)
        << full.Output();
    EXPECT_EQ(FolderFiles(), (LineList{kDocument}));
    Start();
    EXPECT_EQ(FolderFiles(), (LineList{"T-1.jpg", "T-2.png", kDocument, kCopy}));
}

struct RefusalCase {
    const char* name;
    std::function<std::string()> document;
    std::string reason;
};

class RefusedDocumentTest : public PublishedPoolTest,
                            public ::testing::WithParamInterface<RefusalCase> {};

// Guards against a hostile or damaged document filling the memory, writing
// outside the folder, or leaving half a copy that is never made again.
TEST_P(RefusedDocumentTest, IsToldAndWritesNothing) {
    StartWith(GetParam().document());
    EXPECT_NE(Output().find("MESSAGE \"" + Text(kApplicationTitle) +
                            "\": Cannot read the document \"" + kDocument + "\": "),
              std::string::npos)
        << Output();
    EXPECT_NE(Output().find(GetParam().reason), std::string::npos) << Output();
    EXPECT_EQ(FolderFiles(), (LineList{kOtherPool, kDocument}));
    EXPECT_EQ(form().ComboBox1.Items(), (LineList{kOtherPool}));
}

std::vector<ZipPart> PoolParts() {
    return testsupport::DocxParts(PoolBody() + PicturePara(1), {testsupport::WriteJpeg({})});
}

std::string WithPart(const std::string& name, const std::string& xml) {
    std::vector<ZipPart> parts = PoolParts();
    for (ZipPart& part : parts) {
        if (part.name == name)
            part.bytes = xml;
    }
    if (name.starts_with(".."))
        parts.push_back({name, xml});
    return WriteZip(parts);
}

// The packed data of the body with some of its bytes changed.
std::string GarbledBody() {
    std::string bytes = WriteDocx(PoolBody());
    const std::size_t data = bytes.find("word/document.xml") + 40;
    for (std::size_t i = data; i < data + 16; ++i) bytes[i] = static_cast<char>(~bytes[i]);
    return bytes;
}

std::string TooManyParts() {
    std::vector<ZipPart> parts = PoolParts();
    for (int n = 0; n < 10000; ++n) parts.push_back({"customXml/item" + std::to_string(n), ""});
    return WriteZip(parts);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, RefusedDocumentTest,
    ::testing::Values(
        RefusalCase{"NoPackageAtAll", [] { return std::string("PK\x03\x04 not really"); },
                    "it is no Word document, or a damaged one"},
        RefusalCase{"CutShort",
                    [] {
                        const std::string whole = WriteDocx(PoolBody());
                        return whole.substr(0, whole.size() / 2);
                    },
                    "it is no Word document, or a damaged one"},
        RefusalCase{"GarbledPart", GarbledBody, "its part \"word/document.xml\" is damaged"},
        RefusalCase{"ZipBomb",
                    [] {
                        return WithPart("word/document.xml",
                                        testsupport::WordXml(Para(std::string(4 << 20, ' '))));
                    },
                    "inflates to more than 200 times its packed size"},
        RefusalCase{"MalformedXml",
                    [] { return WithPart("word/document.xml", "<w:document><w:body><w:p>"); },
                    "its part \"word/document.xml\" is not well-formed XML"},
        RefusalCase{"NoBody", [] { return WithPart("word/document.xml", "<w:document/>"); },
                    "holds no document body"},
        RefusalCase{"TooManyTags",
                    [] {
                        std::vector<ZipPart> parts = PoolParts();
                        parts[2] = {"word/document.xml", std::string(1'000'001, '<'), true};
                        return WriteZip(parts);
                    },
                    "holds more than 1000000 tags"},
        RefusalCase{"TooManyParts", TooManyParts, "it holds more than 10000 parts"},
        RefusalCase{"PartNameLeadsOut", [] { return WithPart("../../evil.txt", "x"); },
                    "the name of its part \"../../evil.txt\" leads out of the package"},
        RefusalCase{"PictureLeadsOut",
                    [] {
                        return WithPart("word/_rels/document.xml.rels",
                                        testsupport::Relationships(testsupport::Relationship(
                                            "rId1", "image", "../../T-1.jpg")));
                    },
                    "names the part \"../../T-1.jpg\", which leads out of the package"}),
    [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace ktq
