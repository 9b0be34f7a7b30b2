// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "JpegWriter.h"
#include "PngWriter.h"
#include "StudyFixture.h"
#include "study/FigureRules.h"

namespace ktq {
namespace {

struct NameCase {
    const char* name;
    Text record;
    Text file;
};

class FigureNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(FigureNameTest, ComesFromTheFirstFigureNamed) {
    EXPECT_EQ(FigureName(GetParam().record), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Records, FigureNameTest,
    ::testing::Values(NameCase{"QuestionMarkEndsIt",
                               "E5A01\tA\t\tWhat is shown in Figure E5-2?\tA. x", "E5-2"},
                      NameCase{"CommaEndsIt", "In figure T-1, and then", "T-1"},
                      NameCase{"BlankEndsIt", "the figure G7-1 shows", "G7-1"},
                      NameCase{"FirstFigureWins", "in figure T-2 and figure T-3", "T-2"},
                      NameCase{"InAnAnswerToo", "Q?\tA. see figure T-3 here\tB.", "T-3"},
                      NameCase{"DigitIsNoFigure", "in figure 3 above", ""},
                      NameCase{"LowerCaseIsNoFigure", "in figure t-1 above", ""},
                      NameCase{"NoFigure", "What is a dipole?", ""},
                      NameCase{"SlashReachesOut", "in figure T/../../x?", ""},
                      NameCase{"BackslashReachesOut", "in figure T\\x?", ""},
                      NameCase{"DotsReachOut", "in figure E..?", ""}),
    [](const auto& row) { return row.param.name; });

TEST(FitFigure, KeepsProportionsWithin600By310) {
    EXPECT_EQ(FitFigure(800, 400), (FigureSize{600, 300}));
    EXPECT_EQ(FitFigure(300, 600), (FigureSize{155, 310}));
    EXPECT_EQ(FitFigure(200, 100), (FigureSize{200, 100}));
    EXPECT_EQ(FitFigure(2000, 100), (FigureSize{600, 30}));
    EXPECT_EQ(FitFigure(0, 0), (FigureSize{0, 0}));
}

class FiguresTest : public testsupport::StudyTest {
  protected:
    void SetUp() override { folder.Write("tech 2022 pool.txt", testsupport::SmallPool()); }
    void ShowFigure(const Text& record) {
        Guarded([&] { form().ShowFigureOf(record); });
    }
};

TEST_F(FiguresTest, DamagedPictureIsReported) {
    folder.Write("T-1.jpg", "only its presence counts");
    folder.Write("T-2.jpg", "no picture at all");
    Start();
    ShowFigure("in figure T-2?");
    EXPECT_NE(Output().find("MESSAGE"), std::string::npos);
    EXPECT_NE(Output().find("T-2.jpg"), std::string::npos);
    EXPECT_FALSE(form().Panel1.Visible());
}

TEST_F(FiguresTest, PngServesWhereNoJpegOfTheNameIs) {
    folder.Write("E5-1.png", testsupport::WritePng(640, 480));
    folder.Write("T-1.png", "a JPEG of the name wins");
    folder.Write("T-1.jpg", testsupport::WriteJpeg({}));
    folder.Write("G7-1.png", testsupport::WriteJpeg({}));  // decoded by its bytes
    Start();
    EXPECT_EQ(form().state.AvailableImages, "E5-1.png T-1.jpg G7-1.png ");
    ShowFigure("in figure E5-1?");
    EXPECT_EQ(form().Image1.PictureWidth(), 640);
    ShowFigure("in figure G7-1?");
    EXPECT_EQ(Output(), "");
    ShowFigure("in figure T-1?");
    EXPECT_EQ(form().state.FigureFile, "T-1.jpg");
    Guarded([&] { form().Button10.UserClick(); });  // its own window
    EXPECT_EQ(form().state.FigureWindowFile, "T-1.jpg");
}

TEST_F(FiguresTest, PictureCutInsideItsDataIsReportedNotShown) {
    testsupport::JpegSpec spec;
    spec.width = spec.height = 300;
    spec.noise = true;
    const std::string whole = testsupport::WriteJpeg(spec);
    folder.Write("T-1.jpg", whole.substr(0, whole.find("\xFF\xDA", 0, 2) + 2000));
    Start();
    ShowFigure("in figure T-1?");
    EXPECT_NE(Output().find("T-1.jpg\": Premature end"), std::string::npos) << Output();
    EXPECT_FALSE(form().Panel1.Visible());
}

TEST_F(FiguresTest, CmykPictureIsShownAtItsSize) {
    testsupport::JpegSpec spec;
    spec.width = 640;
    spec.height = 480;
    spec.kind = testsupport::JpegKind::AdobeCmyk;
    folder.Write("T-3.jpg", testsupport::WriteJpeg(spec));
    Start();
    ShowFigure("in figure T-3?");
    EXPECT_EQ(Output(), "");
    EXPECT_TRUE(form().Panel1.Visible());
    EXPECT_EQ(form().Image1.PictureWidth(), 640);
    EXPECT_EQ(form().Image1.Width(), 413);  // 480 high fits 310 high
}

TEST_F(FiguresTest, NameReachingOutsideTheFolderIsNotLoaded) {
    // Guards against loading or handing on files outside the working folder.
    folder.Write("T-1.jpg", "only its presence counts");
    std::filesystem::create_directories(folder.Path() / "T");
    folder.Write("T/...jpg", "outside");
    Start();
    form().CheckBox2.UserClick();
    ShowFigure("in figure T/..?");
    EXPECT_EQ(Output(), "");
    EXPECT_FALSE(form().Panel1.Visible());
}

}  // namespace
}  // namespace ktq
