#include <gtest/gtest.h>

#include "StudyFixture.h"
#include "study/FigureRules.h"

namespace ktq {
namespace {

using testsupport::MakeJpeg;

struct NameCase {
    const char* name;
    Text record;
    Text file;
};

class FigureNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(FigureNameTest, ComesFromTheFirstFigureNamed) {
    EXPECT_EQ(FigureFileName(GetParam().record), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Records, FigureNameTest,
    ::testing::Values(NameCase{"QuestionMarkEndsIt",
                               "E5A01\tA\t\tWhat is shown in Figure E5-2?\tA. x", "E5-2.jpg"},
                      NameCase{"CommaEndsIt", "In figure T-1, and then", "T-1.jpg"},
                      NameCase{"BlankEndsIt", "the figure G7-1 shows", "G7-1.jpg"},
                      NameCase{"FirstFigureWins", "in figure T-2 and figure T-3", "T-2.jpg"},
                      NameCase{"InAnAnswerToo", "Q?\tA. see figure T-3 here\tB.", "T-3.jpg"},
                      NameCase{"DigitIsNoFigure", "in figure 3 above", ""},
                      NameCase{"LowerCaseIsNoFigure", "in figure t-1 above", ""},
                      NameCase{"NoFigure", "What is a dipole?", ""},
                      NameCase{"SlashReachesOut", "in figure T/../../x?", ""},
                      NameCase{"BackslashReachesOut", "in figure T\\x?", ""},
                      NameCase{"DotsReachOut", "in figure E..?", ""}),
    [](const auto& info) { return info.param.name; });

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

TEST_F(FiguresTest, KnownFilesMakeFiguresAvailable) {
    folder.Write("T-1.jpg", MakeJpeg(10, 10));
    folder.Write("E5-2.jpg", MakeJpeg(10, 10));
    folder.Write("X-9.jpg", MakeJpeg(10, 10));
    Start({"/diag"});
    EXPECT_EQ(form().state.AvailableImages, "E5-2.jpg T-1.jpg ");
    EXPECT_EQ(form().Label14.GetText(), "Images available: E5-2.jpg T-1.jpg ");
}

TEST_F(FiguresTest, PictureIsFittedIntoThePanelAboveTheDetails) {
    folder.Write("T-1.jpg", MakeJpeg(200, 100));
    folder.Write("T-2.jpg", MakeJpeg(300, 600));
    Start();
    ShowFigure("Which part of figure T-1 is the antenna?");
    EXPECT_EQ(form().Panel1.Width(), 220);
    EXPECT_EQ(form().Panel1.Height(), 120);
    EXPECT_EQ(form().Panel1.Left() + form().Panel1.Width(), form().Width() - 10);
    EXPECT_EQ(form().Panel1.Top() + form().Panel1.Height(), form().Memo3.Top());
    EXPECT_EQ(form().Image1.Width(), 200);
    EXPECT_EQ(form().Image1.PictureFile(), "T-1.jpg");
    EXPECT_TRUE(form().Panel1.Visible());
    EXPECT_TRUE(form().Button2.Visible());
    EXPECT_EQ(form().state.FigureFile, "T-1.jpg");

    ShowFigure("in figure T-2?");
    EXPECT_EQ(form().Image1.Width(), 155);
    EXPECT_EQ(form().Image1.Height(), 310);
    EXPECT_EQ(Output(), "");  // no viewer unless asked for
}

TEST_F(FiguresTest, AbsentFigureShowsNothing) {
    folder.Write("T-1.jpg", MakeJpeg(20, 10));
    Start();
    ShowFigure("in figure T-3?");
    EXPECT_FALSE(form().Panel1.Visible());
    EXPECT_EQ(form().state.FigureFile, "");
}

TEST_F(FiguresTest, ViewerGetsEachFigureWhileExternalIsTicked) {
    folder.Write("T-1.jpg", MakeJpeg(20, 10));
    Start();
    ShowFigure("in figure T-1?");
    form().CheckBox2.UserClick();
    EXPECT_EQ(Output(), "OPEN FILE T-1.jpg\n");
    EXPECT_EQ(form().state.FigureFile, "");
    form().CheckBox2.UserClick();
    form().CheckBox2.UserClick();
    EXPECT_EQ(Output(), "OPEN FILE T-1.jpg\n");  // not again until the next figure
    ShowFigure("in figure T-1?");
    EXPECT_EQ(Output(), "OPEN FILE T-1.jpg\nOPEN FILE T-1.jpg\n");
}

TEST_F(FiguresTest, ClickHidesAndShowFigsBringsItBack) {
    folder.Write("T-1.jpg", MakeJpeg(20, 10));
    Start();
    ShowFigure("in figure T-1?");
    form().Image1.UserClick();
    EXPECT_FALSE(form().Panel1.Visible());
    EXPECT_TRUE(form().Button2.Visible());
    form().Button2.UserClick();
    EXPECT_TRUE(form().Panel1.Visible());
}

TEST_F(FiguresTest, DamagedPictureIsReported) {
    folder.Write("T-1.jpg", MakeJpeg(20, 10));
    folder.Write("T-2.jpg", MakeJpeg(20, 10).substr(0, 100));
    Start();
    ShowFigure("in figure T-2?");
    EXPECT_NE(Output().find("MESSAGE"), std::string::npos);
    EXPECT_NE(Output().find("T-2.jpg"), std::string::npos);
    EXPECT_FALSE(form().Panel1.Visible());
}

TEST_F(FiguresTest, NameReachingOutsideTheFolderIsNotLoaded) {
    // Guards against loading or handing on files outside the working folder.
    folder.Write("T-1.jpg", MakeJpeg(20, 10));
    std::filesystem::create_directories(folder.Path() / "T");
    folder.Write("T/...jpg", MakeJpeg(20, 10));
    Start();
    form().CheckBox2.UserClick();
    ShowFigure("in figure T/..?");
    EXPECT_EQ(Output(), "");
    EXPECT_FALSE(form().Panel1.Visible());
}

}  // namespace
}  // namespace ktq
