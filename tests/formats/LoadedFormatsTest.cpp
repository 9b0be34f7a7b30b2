// SPDX-License-Identifier: GPL-3.0-or-later
// The window program's formats, loaded from their module: a clear failure
// while the module is missing, and once it is beside the program, documents
// read and answers kept through it, its failures caught as the program's own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "DocxWriter.h"
#include "WorkingFolder.h"
#include "formats/Formats.h"
#include "platform/IoError.h"

namespace ktq {
namespace {

namespace fs = std::filesystem;

const fs::path kBesideThisProgram =
    fs::read_symlink("/proc/self/exe").parent_path() / fs::path(KTQ_FORMATS_MODULE_PATH).filename();

std::string ErrorOf(const std::function<void()>& use) {
    try {
        use();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

TEST(LoadedFormats, MissingThenBesideTheProgram) {
    testsupport::WorkingFolder folder;
    const std::string history = (folder.Path() / "history.sqlite").string();
    const std::string docx =
        testsupport::WriteZip(testsupport::DocxParts(testsupport::Para("T1A01 (A)")));
    fs::remove(kBesideThisProgram);

    const std::string noReader = ErrorOf([&] { OpenPoolDocument(docx, "pool.docx"); });
    EXPECT_NE(noReader.find("Cannot read the document \"pool.docx\": the program's document "
                            "reader cannot be loaded"),
              std::string::npos)
        << noReader;
    try {
        OpenAnswerLog(history, 0);
        ADD_FAILURE() << "a history without its store";
    } catch (const AnswerStoreError& e) {
        EXPECT_FALSE(e.Transient() || e.Damaged()) << e.what();
    }
    EXPECT_FALSE(FormatsLoaded());

    fs::copy_file(KTQ_FORMATS_MODULE_PATH, kBesideThisProgram);
    EXPECT_EQ(OpenPoolDocument(docx, "pool.docx")->Lines().front(), "T1A01 (A)");
    EXPECT_TRUE(FormatsLoaded());
    // Thrown inside the module, caught here by its type.
    EXPECT_THROW(OpenPoolDocument("not a zip", "pool.docx"), IoError);
    const auto log = OpenAnswerLog(history, 0);
    log->Record("KTQTech", "2026", {0, 1, "T1A01", "A", "A", AnswerMode::Trial});
    EXPECT_EQ(log->AnswersSince("KTQTech", "2026", 0).size(), 1u);
    fs::remove(kBesideThisProgram);
}

}  // namespace
}  // namespace ktq
