// SPDX-License-Identifier: GPL-3.0-or-later
// One pool as the editors of the users save it: whatever the encoding, the
// program reads the same lines and writes the same Windows-1252 bank.
#include <gtest/gtest.h>

#include "PoolFixture.h"
#include "SavedAs.h"

namespace ktq {
namespace {

using testsupport::PoolProgram;
using testsupport::SavedAs;
using testsupport::Saving;

// Curly quotes, dashes, a bullet, the section sign and an accented letter:
// every character the published pools use beyond ASCII.
const Text kPool =
    "Question pool \x96 Technician\r\n"
    "SUBELEMENT T1 \x97 RULES [2 Exam Questions]\r\n"
    "T1A \x96 Purpose of the service, \xA7 97.1\r\n"
    "T1A01 (C) [\xA7 97.1]\r\n"
    "What is the station\x92s \x93QRP\x94 limit?\r\n"
    "A. 5 W \x95 peak\r\nB. 10 W\r\nC. \x91Low\x92 power\r\nD. Caf\xE9 power\r\n~~\r\n\r\n"
    "T1A02 (A) [97.3(a)(4)]\r\nWhat is \x93QRP\x94?\r\nA. Low power\r\nB. High power\r\n"
    "C. No power\r\nD. Any power\r\n~~\r\n\r\n"
    "~~~ End of question pool ~~~\r\n";

const Text kBank =
    "T1A01\tC\t[\xA7 97.1]\tWhat is the station\x92s 'QRP' limit?\tA. 5 W \x95 peak\tB. 10 W\t"
    "C. \x91Low\x92 power\tD. Caf\xE9 power\r\n"
    "T1A02\tA\t[97.3(a)(4)]\tWhat is 'QRP'?\tA. Low power\tB. High power\tC. No power\t"
    "D. Any power\r\n";

struct SavedPool {
    const char* name;
    Saving how;
};

void PrintTo(const SavedPool& c, std::ostream* os) {
    *os << c.name;
}

class PoolSavedAs : public ::testing::TestWithParam<SavedPool> {};

TEST_P(PoolSavedAs, GivesTheSameLinesAndTheSameBankFiles) {
    PoolProgram p;
    const std::string saved = SavedAs(kPool, GetParam().how);
    p.folder.Write("Tech Pool 2026-2030.txt", saved);
    p.Start();
    p.Select("Tech Pool 2026-2030.txt");
    EXPECT_EQ(p.folder.Read("qfile.txt"), saved);  // the working copy stays a byte copy
    EXPECT_EQ(p.Form().state.PoolLines, SplitLines(kPool));
    p.Prepare();
    EXPECT_EQ(p.folder.Read("qstns.txt"), kBank);
    EXPECT_EQ(p.folder.Read("KTQTech 2026 ^ Qstns.txt"), kBank);
}

INSTANTIATE_TEST_SUITE_P(Encodings, PoolSavedAs,
                         ::testing::Values(SavedPool{"Windows1252", Saving::Windows1252},
                                           SavedPool{"Utf8", Saving::Utf8},
                                           SavedPool{"Utf8WithMark", Saving::Utf8WithMark},
                                           SavedPool{"Utf8WithLf", Saving::Utf8WithLf},
                                           SavedPool{"Utf16LeWithMark", Saving::Utf16LeWithMark},
                                           SavedPool{"Utf16BeWithMark", Saving::Utf16BeWithMark}),
                         [](const auto& row) { return row.param.name; });

// The working copy left by an earlier run is read at start through the same
// recognition: a UTF-16 copy is not cut at its first zero byte.
TEST(PoolSavedAs, AUtf16WorkingCopyIsReadAtStart) {
    PoolProgram p;
    p.folder.Write("qfile.txt", SavedAs(kPool, Saving::Utf16LeWithMark));
    p.Start();
    EXPECT_EQ(p.Form().state.PoolLines, SplitLines(kPool));
}

// One bad byte in a UTF-8 pool changes its own line only, as the status says.
TEST(PoolSavedAs, OneBadByteInAUtf8PoolIsOneWindows1252Line) {
    PoolProgram p;
    std::string saved = SavedAs(kPool, Saving::Utf8);
    saved.insert(saved.find("B. 10 W") + 7, "\xFF");
    p.folder.Write("Tech Pool 2026-2030.txt", saved);
    p.Start();
    p.Select("Tech Pool 2026-2030.txt");
    LineList expected = SplitLines(kPool);
    expected[6] = "B. 10 W\xFF";
    EXPECT_EQ(p.Form().state.PoolLines, expected);
    EXPECT_EQ(p.Form().Label38.GetText(),
              "\"Tech Pool 2026-2030.txt\" read as UTF-8; 1 line read as Windows-1252");
}

}  // namespace
}  // namespace ktq
