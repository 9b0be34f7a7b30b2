// SPDX-License-Identifier: GPL-3.0-or-later
// Published pools' Word documents, made in the test: the text copy beside
// them, the figures taken from them, and documents that are refused.
#include <gtest/gtest.h>

#include <functional>

#include "DocxWriter.h"
#include "JpegWriter.h"
#include "PngWriter.h"
#include "StudyFixture.h"
#include "platform/FolderLock.h"

namespace ktq {
namespace {

using namespace testsupport;

const Text kDocument = "Tech Pool 2026-2030.docx";
const Text kCopy = "Tech Pool 2026-2030.txt";
const Text kOther = "general pool 2023-2027.txt";
constexpr auto npos = std::string::npos;

// Questions naming figures T-n, the last first, with a non-breaking hyphen.
std::string PoolBody(int figures) {
    std::string body = Para("SUBELEMENT T1 - RULES") + Para("T1A");
    for (int n = figures; n >= 1; --n) {
        body += Para("T1A0" + std::to_string(n) + " (C) [97.1]") +
                Para("In figure T</w:t><w:noBreakHyphen/><w:t>" + std::to_string(n) + "?");
        for (const char* line : {"A. 1", "B. 2", "C. 3", "D. 4", "~~", ""}) body += Para(line);
    }
    return body;
}

class PublishedPoolTest : public StudyTest {
  protected:
    void StartWith(const std::string& document) {
        folder.Write(kDocument, document);
        folder.Write(kOther, SmallPool());
        Start();
    }
    LineList FolderFiles() {
        LineList names;
        // Hidden: the running program's folder lock, the record of an import.
        for (const FileName& n : ListFolderFiles(folder.Files()))
            if (n.Shown()[0] != '.')
                names.push_back(n.Shown());
        return names;
    }
};

TEST_F(PublishedPoolTest, TheTextCopyIsWhatSavingAsPlainTextGives) {
    StartWith(WriteZip(DocxParts(
        "<w:p><w:r><w:t>T1A01</w:t></w:r><w:r><w:rPr><w:b/></w:rPr><w:t xml:space=\"preserve\"> "
        "(C) &amp; \xE2\x80\x9Cq\xE2\x80\x9D</w:t></w:r></w:p><w:p/><w:p><w:pPr><w:tabs><w:tab "
        "w:pos=\"720\"/></w:tabs></w:pPr><w:r><w:t>A.</w:t><w:tab/><w:t>one</w:t><w:br/><w:t>two"
        "</w:t><w:cr/><w:t>E7</w:t><w:noBreakHyphen/><w:t>3 ampli</w:t><w:softHyphen/><w:t>fier"
        "</w:t></w:r></w:p><w:tbl><w:tblPr/><w:tr><w:tc><w:tcPr/>" +
        Para("a1") + Para("a2") + "</w:tc><w:tc>" + Para("b1") +
        "</w:tc></w:tr></w:tbl><w:p><w:del><w:r><w:delText>12 W</w:delText></w:r></w:del><w:ins>"
        "<w:r><w:t>15 W</w:t></w:r></w:ins><w:r><w:instrText>PAGE</w:instrText></w:r><mc:Alternate"
        "Content><mc:Choice><w:r><w:t> box</w:t></w:r></mc:Choice><mc:Fallback><w:r><w:t> box</w:t>"
        "</w:r></mc:Fallback></mc:AlternateContent></w:p>")));
    EXPECT_EQ(Output(), "");
    EXPECT_EQ(folder.Read(kCopy),
              "\xEF\xBB\xBFT1A01 (C) & \xE2\x80\x9Cq\xE2\x80\x9D\r\n\r\nA.\tone\r\ntwo\r\nE7-3 "
              "amplifier\r\na1\r\na2\r\nb1\r\n15 W box\r\n");
}

TEST_F(PublishedPoolTest, RaisedTextKeepsItsMeaningAndLoweredTextStaysPlain) {
    const auto run = [](const char* align, const char* text) {
        return std::string("<w:r><w:rPr><w:vertAlign w:val=\"") + align + "\"/></w:rPr><w:t>" +
               text + "</w:t></w:r>";
    };
    StartWith(
        WriteZip(DocxParts(Para("P = I</w:t></w:r>" + run("superscript", "2") + "<w:r><w:t> x R") +
                           Para("10</w:t></w:r>" + run("superscript", "-") +
                                run("superscript", "6") + "<w:r><w:t> F") +
                           Para("m</w:t></w:r>" + run("superscript", "13") + run("baseline", "H") +
                                run("subscript", "2") + "<w:r><w:t>O") +
                           Para("x</w:t></w:r>" + run("superscript", "n") + "<w:r><w:t>"))));
    EXPECT_EQ(folder.Read(kCopy),
              "\xEF\xBB\xBFP = I\xC2\xB2 x R\r\n10^-6 F\r\nm\xC2\xB9\xC2\xB3H2O\r\nx^n\r\n");
}

TEST_F(PublishedPoolTest, PicturesBecomeTheFiguresNamedInSortedOrderReplacingNothing) {
    const std::string jpeg = WriteJpeg({}), png = WritePng();
    folder.Write("T-4.png", "my own");
    StartWith(WriteZip(
        DocxParts(PoolBody(4) + PicturePara(1) + PicturePara(2) + PicturePara(3) + PicturePara(4),
                  {jpeg, png, "GIF89a", jpeg})));
    EXPECT_EQ(folder.Read("T-1.jpg"), jpeg);
    EXPECT_EQ(folder.Read("T-2.png"), png);
    EXPECT_NE(Output().find("figures T-3 in the document"), npos) << Output();  // a GIF
    EXPECT_EQ(folder.Read("T-4.png"), "my own");
    EXPECT_FALSE(folder.Exists("T-4.jpg"));  // it would hide the user's own
    EXPECT_EQ(form().state.AvailableImages, "T-1.jpg T-2.png ");

    // With the copy there, the document is not read again.
    std::filesystem::remove(folder.PathOf("T-2.png"));
    Start();
    EXPECT_FALSE(folder.Exists("T-2.png"));
}

TEST_F(PublishedPoolTest, PicturesThatDoNotMatchTheFiguresNamedSaveNone) {
    StartWith(WriteZip(DocxParts(PoolBody(2) + PicturePara(1), {WritePng()})));
    EXPECT_NE(Output().find("shows 1 picture, but its questions name 2 figures"), npos);
    EXPECT_NE(Output().find("as .jpg or .png: T-1, T-2."), npos) << Output();
    EXPECT_EQ(FolderFiles(), (LineList{kOther, kDocument, kCopy}));
}

// Guards against half a copy left behind, which would never be made again.
TEST_F(PublishedPoolTest, AFailedWriteLeavesNothingAndTheNextStartMakesTheCopy) {
    folder.Write(kDocument, WriteZip(DocxParts(PoolBody(1))));
    Program full(folder, store);
    full.Files().FailWritesAfter(10);
    full.Start();
    EXPECT_NE(full.Output().find("Cannot write file \"" + kCopy + "\": No space left"), npos);
    EXPECT_EQ(FolderFiles(), (LineList{kDocument}));
    Start();
    EXPECT_TRUE(folder.Exists(kCopy));
}

// An errata saved over the document under the same name.
TEST_F(PublishedPoolTest, ANewDocumentRemakesWhatTheOldMadeButNothingTheUserChanged) {
    const std::string png = WritePng(), newPng = WritePng(32, 24);
    StartWith(WriteZip(DocxParts(PoolBody(2) + PicturePara(1) + PicturePara(2), {png, png})));
    int saves = 0;
    auto startWithErrata = [&](const std::string& body) {
        folder.Write(kDocument, WriteZip(DocxParts(body + PicturePara(1), {newPng})));
        const std::filesystem::path path = folder.PathOf(kDocument);
        std::filesystem::last_write_time(
            path, std::filesystem::last_write_time(path) + std::chrono::seconds(++saves));
        Start();
    };
    std::string errata = PoolBody(1);
    errata.replace(errata.find("A. 1"), 4, "A. 9");
    startWithErrata(errata);
    EXPECT_NE(Output().find("The pool \"" + kCopy + "\" has been updated from the new document \"" +
                            kDocument + "\": 1 question changed, 1 withdrawn and 0 added."),
              npos)
        << Output();
    EXPECT_NE(folder.Read(kCopy).find("A. 9"), npos);
    EXPECT_EQ(folder.Read("T-1.png"), newPng);

    const std::string edited = folder.Read(kCopy) + "my note\r\n";
    folder.Write(kCopy, edited);
    startWithErrata(PoolBody(1));
    EXPECT_EQ(folder.Read(kCopy), edited);
    EXPECT_NE(Output().find("saved as \"Tech Pool 2026-2030 new.txt\" (1 question changed"), npos)
        << Output();
    EXPECT_NE(folder.Read("Tech Pool 2026-2030 new.txt").find("A. 1"), npos);
}

// A picture that cannot be read is named and the rest kept; a write that
// fails leaves the import to be completed at the next start.
TEST_F(PublishedPoolTest, AHalfImportIsToldOrCompletedAtTheNextStart) {
    const std::string bigJpeg = "\xFF\xD8\xFF" + std::string(20000, 'x');
    std::vector<ZipPart> parts =
        DocxParts(PoolBody(2) + PicturePara(1) + PicturePara(2), {bigJpeg, WritePng()});
    parts[1].stored = false;  // inflates 200 times and more
    StartWith(WriteZip(parts));
    EXPECT_NE(Output().find("The pictures of the figures T-1 could not be read"), npos) << Output();
    EXPECT_TRUE(folder.Exists("T-2.png"));

    std::filesystem::remove(folder.PathOf(kDocument));
    std::filesystem::remove(folder.PathOf(kCopy));
    folder.Write(kDocument, WriteZip(DocxParts(PoolBody(1) + PicturePara(1), {bigJpeg})));
    Program full(folder, store);
    full.Files().FailWritesAfter(5000);
    full.Start();
    EXPECT_NE(full.Output().find("Cannot write file \"T-1.jpg\""), npos) << full.Output();
    Start();
    EXPECT_EQ(folder.Read("T-1.jpg"), bigJpeg);
}

struct Refusal {
    const char* name;
    std::function<std::string()> document;
    std::string reason;
};

class RefusedDocumentTest : public PublishedPoolTest,
                            public ::testing::WithParamInterface<Refusal> {};

// Guards against a hostile or damaged document filling the memory, reaching
// outside its package, or leaving half a copy.
TEST_P(RefusedDocumentTest, IsToldAndWritesNothing) {
    StartWith(GetParam().document());
    EXPECT_NE(Output().find("Cannot read the document \"" + kDocument + "\": " + GetParam().reason),
              npos)
        << Output();
    EXPECT_EQ(FolderFiles(), (LineList{kOther, kDocument}));
    EXPECT_EQ(form().ComboBox1.Items(), (LineList{kOther}));
}

// A document of one figure with its body's part replaced, or a part added.
std::string WithPart(const std::string& name, const std::string& bytes) {
    std::vector<ZipPart> parts = DocxParts(PoolBody(1) + PicturePara(1), {WritePng()});
    name == parts[0].name ? void(parts[0].bytes = bytes) : parts.push_back({name, bytes});
    return WriteZip(parts);
}

std::string TooManyParts() {
    std::vector<ZipPart> parts(10001);
    for (std::size_t n = 0; n < parts.size(); ++n) parts[n].name = "p" + std::to_string(n);
    return WriteZip(parts);
}

const std::string kBody = "word/document.xml";

INSTANTIATE_TEST_SUITE_P(
    Documents, RefusedDocumentTest,
    ::testing::Values(
        Refusal{"CutShort", [] { return WriteZip(DocxParts(PoolBody(2))).substr(0, 300); },
                "it is no Word document, or a damaged one"},
        // Made as the test runs: freed at start, it would change how the heap grows.
        Refusal{"ZipBomb", [] { return WithPart(kBody, std::string(4 << 20, ' ')); },
                "its part \"word/document.xml\" inflates to more than 200 times its packed size"},
        Refusal{"MalformedXml", [] { return WithPart(kBody, "<w:document><w:p>"); },
                "its part \"word/document.xml\" is not well-formed XML"},
        Refusal{"TooManyParts", TooManyParts, "it holds more than 10000 parts"},
        Refusal{"PartNameLeadsOut", [] { return WithPart("../evil.txt", "x"); },
                "the name of its part \"../evil.txt\" leads out"}),
    [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace ktq
