// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "SavedAs.h"
#include "StudyFixture.h"
#include "study/RuleText.h"

namespace ktq {
namespace {

const Text kSign = "\xA7";

struct KeyCase {
    const char* name;
    Text reference;
    Text key;
};

class RuleKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(RuleKeyTest, IsTheSignTheSectionAndABlank) {
    EXPECT_EQ(RuleKey(GetParam().reference, '\xA7'), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    References, RuleKeyTest,
    ::testing::Values(KeyCase{"ParagraphInBrackets", "[97.3(a)(4)]", kSign + "97.3 "},
                      KeyCase{"CommaBeforeParenthesis", "[97.305, 97.307(b)]", kSign + "97.305 "},
                      KeyCase{"BareSection", "[97.119]", kSign + "97.119 "},
                      KeyCase{"FarParenthesisIsCut",
                              "[97.301(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)(m)]", kSign + "97.301 "},
                      KeyCase{"NoBracketsNoBlank", "97.119", kSign}, KeyCase{"Empty", "", kSign}),
    [](const auto& row) { return row.param.name; });

LineList Rules() {
    return {"PART 97 - AMATEUR RADIO SERVICE",
            " \xA7"
            "97.1 Basis and purpose.",
            "  The rules are designed  ",
            "",
            " \xA7"
            "97.3 Definitions.",
            "(a) The definitions are:",
            "\xA7\xA7 not a heading, the sign stands first",
            " \xA7"
            "97.305 Authorized emission types.",
            "(a) Any emission.",
            "(b) The last line of the text."};
}

TEST(RuleSection, CopiesUpToTheNextHeadingTrimmed) {
    EXPECT_EQ(RuleSection(Rules(), kSign + "97.1 ", '\xA7'), (LineList{"\xA7"
                                                                       "97.1 Basis and purpose.",
                                                                       "The rules are designed"}));
    EXPECT_EQ(
        RuleSection(Rules(), kSign + "97.3 ", '\xA7'),
        (LineList{"\xA7"
                  "97.3 Definitions.",
                  "(a) The definitions are:", "\xA7\xA7 not a heading, the sign stands first"}));
}

TEST(RuleSection, LastSectionRunsToTheEndOfTheText) {
    EXPECT_EQ(RuleSection(Rules(), kSign + "97.305 ", '\xA7'),
              (LineList{"\xA7"
                        "97.305 Authorized emission types.",
                        "(a) Any emission.", "(b) The last line of the text."}));
}

TEST(RuleSection, LastLineIsNeverAHeadingAndNoMatchIsEmpty) {
    LineList rules = Rules();
    rules.push_back(
        " \xA7"
        "97.309 Only on the last line.");
    EXPECT_TRUE(RuleSection(rules, kSign + "97.309 ", '\xA7').empty());
    EXPECT_TRUE(RuleSection(rules, kSign + "97.999 ", '\xA7').empty());
    EXPECT_TRUE(RuleSection({}, kSign, '\xA7').empty());
    // The sign alone matches the first heading.
    EXPECT_EQ(RuleSection(rules, kSign, '\xA7').front(),
              "\xA7"
              "97.1 Basis and purpose.");
    // A one-line text still has its line examined.
    EXPECT_EQ(RuleSection({" \xA7"
                           "97.1 Basis."},
                          kSign + "97.1 ", '\xA7')
                  .size(),
              1u);
}

class RulesTest : public testsupport::StudyTest {
  protected:
    void SetUp() override {
        folder.Write("rule97.txt", JoinLines(Rules(), "\r\n") + "\r\n");
        Start();
    }
};

TEST_F(RulesTest, VanishedRulesTextIsReportedAndTheButtonStays) {
    std::filesystem::remove(folder.Path() / "rule97.txt");
    Guarded([this] { form().Button7Click(); });
    EXPECT_NE(Output().find("MESSAGE"), std::string::npos);
    EXPECT_TRUE(form().Button7.Enabled());
}

// Guards against a rules text copied in while the program runs being found
// by nothing until a restart, and a lookup without one saying nothing.
using RulesCopiedInLater = testsupport::StudyTest;

TEST_F(RulesCopiedInLater, AreReadAtTheNextLookup) {
    Start();
    form().Edit3.SetText("[97.3(a)(4)]");
    EXPECT_TRUE(Contains(form().Memo3.GetText(), "47 CFR Part 97"));
    folder.Write("rule97.txt", JoinLines(Rules(), "\r\n") + "\r\n");
    form().Memo3.Clear();
    form().Edit3.SetText("[97.305]");
    EXPECT_FALSE(Contains(form().Memo3.GetText(), "47 CFR Part 97"));
    EXPECT_TRUE(Contains(form().Memo3.GetText(), "(a) Any emission."));
}

// Guards against the section sign of a UTF-8 rules text, two bytes there, so
// that no heading was ever found.
using RulesSavedAsUtf8 = testsupport::StudyTest;

TEST_F(RulesSavedAsUtf8, AreLookedUpLikeAnyOther) {
    using testsupport::Saving;
    folder.Write("rule97.txt",
                 testsupport::SavedAs(JoinLines(Rules(), "\r\n") + "\r\n", Saving::Utf8WithLf));
    Start();
    EXPECT_EQ(form().state.RuleLines, Rules());
    form().Edit3.SetText("[97.3(a)(4)]");
    const LineList shown = form().Memo3.Lines();
    ASSERT_GE(shown.size(), 3u);
    EXPECT_EQ(LineList(shown.end() - 3, shown.end()),
              RuleSection(Rules(), kSign + "97.3 ", '\xA7'));
}

}  // namespace
}  // namespace ktq
