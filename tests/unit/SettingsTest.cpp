// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "AppFixture.h"
#include "app/SettingsValues.h"

namespace ktq {
namespace {

using testsupport::Program;
using testsupport::WorkingFolder;

std::string Stored(SettingsStore& s, const char* name) {
    return s.ReadText(kSettingsSection, name).value_or("<missing>");
}

TEST(SettingsValues, OnlyPlainDecimalIntegersAreIntegers) {
    EXPECT_EQ(ParseDecimalInteger("42"), 42);
    EXPECT_EQ(ParseDecimalInteger("-7"), -7);
    EXPECT_EQ(ParseDecimalInteger("+3"), 3);
    EXPECT_EQ(ParseDecimalInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseDecimalInteger("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", "-", "yes", "12a", " 5", "0x10", "2147483648", "99999999999999"})
        EXPECT_FALSE(ParseDecimalInteger(bad).has_value()) << bad;
}

TEST(SettingsValues, FlagsReadAsIntegersWithTheirDefault) {
    MemorySettingsStore s;
    s.WriteText(kSettingsSection, "two", "2");
    s.WriteText(kSettingsSection, "word", "yes");
    s.WriteText(kSettingsSection, "zero", "0");
    EXPECT_TRUE(ReadFlagSetting(s, "two", false));
    EXPECT_TRUE(ReadFlagSetting(s, "word", true));
    EXPECT_FALSE(ReadFlagSetting(s, "word", false));
    EXPECT_FALSE(ReadFlagSetting(s, "zero", true));
    EXPECT_TRUE(ReadFlagSetting(s, "missing", true));
}

TEST(Settings, NothingStoredGivesTheDefaultsAndTheNotice) {
    WorkingFolder folder;
    MemorySettingsStore store;
    Program program(folder, store);
    program.Start();
    TForm1& f = program.Form();
    EXPECT_EQ(f.Left(), 100);
    EXPECT_EQ(f.Top(), 100);
    EXPECT_EQ(f.Width(), 860);
    EXPECT_EQ(f.Height(), 435);
    EXPECT_FALSE(f.CheckBox1.Checked());
    EXPECT_FALSE(f.CheckBox2.Checked());
    EXPECT_EQ(f.TrackBar1.Position(), 4);
    EXPECT_EQ(f.Label24.GetText(), "6S  ");
    EXPECT_EQ(f.state.StartCount, 1);
    EXPECT_EQ(f.Label37.GetText(), "1");
    EXPECT_EQ(f.state.StoredVersion, "");
    EXPECT_TRUE(f.state.ShowNotice);
    EXPECT_TRUE(f.Panel2.Visible());
    EXPECT_TRUE(f.Timer2.Enabled());
    EXPECT_EQ(f.state.NoticeTicks, 0);
}

TEST(Settings, AreWrittenOnlyAtCloseAndReadBackByTheNextRun) {
    WorkingFolder folder;
    MemorySettingsStore store;
    {
        Program first(folder, store);
        first.Start();
        EXPECT_EQ(Stored(store, "KTQExamsStartCount"), "<missing>");
        first.Form().TrackBar1.UserSetPosition(9);
        first.Form().CheckBox2.UserClick();
        first.Form().CheckBox4.UserClick();
        first.Form().SetTargetRetention(85);
        first.Close();
    }
    EXPECT_EQ(Stored(store, "KTQExamsLeft"), "100");
    EXPECT_EQ(Stored(store, "KTQExamsHeight"), "435");
    EXPECT_EQ(Stored(store, "KTQExamsMaxHeight"), "600");
    EXPECT_EQ(Stored(store, "KTQExamsSeeDetails"), "0");
    EXPECT_EQ(Stored(store, "KTQExamsExtFigs"), "1");
    EXPECT_EQ(Stored(store, "KTQExamsWrongDelay"), "9");
    EXPECT_EQ(Stored(store, "KTQExamsWeakestFirst"), "1");
    EXPECT_EQ(Stored(store, "KTQExamsRetention"), "85");
    EXPECT_EQ(Stored(store, "KTQExamsStartCount"), "1");
    EXPECT_EQ(Stored(store, "KTQExamsShowFlash"), "1");
    EXPECT_EQ(Stored(store, "KTQExamsVersion"), "1.1.0.1");

    Program second(folder, store);
    second.Start();
    EXPECT_EQ(second.Form().state.StartCount, 2);
    EXPECT_FALSE(second.Form().Panel2.Visible());
    EXPECT_EQ(second.Form().TrackBar1.Position(), 9);
    EXPECT_TRUE(second.Form().CheckBox2.Checked());
    EXPECT_TRUE(second.Form().CheckBox4.Checked());
    EXPECT_EQ(second.Form().state.TargetRetentionPercent, 85);
    second.Close();
    EXPECT_EQ(Stored(store, "KTQExamsStartCount"), "2");
}

// The largest stored count guards against overflow on the increment.
TEST(Settings, TheStartCountStopsAtFive) {
    for (const char* stored : {"5", "2147483647"}) {
        WorkingFolder folder;
        MemorySettingsStore store;
        store.WriteText(kSettingsSection, "KTQExamsVersion", "1.1.0.1");
        store.WriteText(kSettingsSection, "KTQExamsStartCount", stored);
        Program program(folder, store);
        program.Start();
        EXPECT_EQ(program.Form().state.StartCount, 5) << stored;
        EXPECT_EQ(program.Form().Label37.GetText(), "5");
        EXPECT_FALSE(program.Form().Label37.Visible());
        EXPECT_FALSE(program.Form().Panel2.Visible());
        program.Close();
        EXPECT_EQ(Stored(store, "KTQExamsStartCount"), "5");
    }
}

TEST(Settings, ANewVersionCountsAsAFirstStart) {
    WorkingFolder folder;
    MemorySettingsStore store;
    store.WriteText(kSettingsSection, "KTQExamsVersion", "1.0.9.0");
    store.WriteText(kSettingsSection, "KTQExamsStartCount", "3");
    Program program(folder, store);
    program.Start();
    EXPECT_EQ(program.Form().Label37.GetText(), "4");
    EXPECT_EQ(program.Form().state.StartCount, 1);
    EXPECT_TRUE(program.Form().Panel2.Visible());
}

TEST(Settings, DontShowAgainHoldsEvenAcrossAVersionChange) {
    WorkingFolder folder;
    MemorySettingsStore store;
    store.WriteText(kSettingsSection, "KTQExamsVersion", "1.0.9.0");
    store.WriteText(kSettingsSection, "KTQExamsShowFlash", "0");
    Program program(folder, store);
    program.Start();
    EXPECT_EQ(program.Form().state.StartCount, 1);
    EXPECT_TRUE(program.Form().CheckBox3.Checked());
    EXPECT_FALSE(program.Form().Panel2.Visible());
}

TEST(Settings, OutOfRangeValuesAreBroughtIn) {
    struct Case {
        const char* delay;
        int position;
    };
    for (Case c : {Case{"30", 18}, Case{"0", 1}, Case{"-3", 1}, Case{"x", 4}}) {
        WorkingFolder folder;
        MemorySettingsStore store;
        store.WriteText(kSettingsSection, "KTQExamsWrongDelay", c.delay);
        store.WriteText(kSettingsSection, "KTQExamsWidth", "5000");
        store.WriteText(kSettingsSection, "KTQExamsHeight", "-20");
        Program program(folder, store);
        program.Start();
        EXPECT_EQ(program.Form().TrackBar1.Position(), c.position) << c.delay;
        EXPECT_EQ(program.Form().Label24.GetText(), std::to_string(c.position + 2) + "S  ");
        EXPECT_EQ(program.Form().Width(), 880);
        EXPECT_EQ(program.Form().Height(), 435);
    }
}

struct LimitCase {
    const char* key;
    const char* value;
};

class SettingLimitTest : public ::testing::TestWithParam<LimitCase> {};

// Guards against overflow on stored numbers at the integer limits: the
// sanitizer build runs every one of them through a real INI file.
TEST_P(SettingLimitTest, IsBroughtIntoARangeTheRulesCanHold) {
    WorkingFolder folder;
    const std::string ini = (folder.Path() / "settings.ini").string();
    {
        IniFileSettingsStore seed(ini);
        seed.WriteText(kSettingsSection, "KTQExamsVersion", "1.1.0.1");
        seed.WriteText(kSettingsSection, "KTQExamsSeeDetails", "1");
        seed.WriteText(kSettingsSection, GetParam().key, GetParam().value);
    }
    IniFileSettingsStore store(ini);
    {
        Program program(folder, store);
        program.Start();
        TForm1& f = program.Form();
        EXPECT_GE(f.state.StartCount, 1);
        EXPECT_LE(f.state.StartCount, 5);
        EXPECT_EQ(f.Label37.GetText(), std::to_string(f.state.StartCount));
        EXPECT_GE(f.Top(), -16384);
        EXPECT_LE(f.Top(), 16384);
        EXPECT_GE(f.TrackBar1.Position(), 1);
        program.Close();
    }
    IniFileSettingsStore saved(ini);
    for (const char* key : {"KTQExamsLeft", "KTQExamsTop", "KTQExamsWidth", "KTQExamsHeight",
                            "KTQExamsMaxHeight", "KTQExamsStartCount"}) {
        const int n = ParseDecimalInteger(Stored(saved, key)).value_or(-99999);
        EXPECT_GE(n, -16384) << key;
        EXPECT_LE(n, 16384) << key;
    }
    EXPECT_LE(ParseDecimalInteger(Stored(saved, "KTQExamsStartCount")).value_or(99), 5);
}

std::vector<LimitCase> LimitCases() {
    std::vector<LimitCase> cases;
    for (const char* key : {"KTQExamsLeft", "KTQExamsTop", "KTQExamsWidth", "KTQExamsHeight",
                            "KTQExamsMaxHeight", "KTQExamsSeeDetails", "KTQExamsExtFigs",
                            "KTQExamsWrongDelay", "KTQExamsStartCount", "KTQExamsShowFlash"}) {
        for (const char* value : {"-2147483648", "2147483647", "0", "-1"})
            cases.push_back({key, value});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryStoredNumber, SettingLimitTest, ::testing::ValuesIn(LimitCases()),
                         [](const auto& row) {
                             std::string v = row.param.value;
                             for (char& c : v) c = c == '-' ? 'm' : c;
                             return std::string(row.param.key) + "_" + v;
                         });

TEST(Settings, AWindowPlacedBeyondEveryScreenComesBack) {
    WorkingFolder folder;
    MemorySettingsStore store;
    store.WriteText(kSettingsSection, "KTQExamsTop", "99999999");
    store.WriteText(kSettingsSection, "KTQExamsLeft", "-2147483648");
    Program program(folder, store);
    program.Start();
    EXPECT_EQ(program.Form().Top(), 100);
    EXPECT_EQ(program.Form().Left(), 100);
}

// Guards against a window running off a scaled screen: the saved place used
// as it was, learning mode's height reaching below the screen's edge.
struct ScaledScreen {
    const char* name;
    int width, height;
    double scale;
};

class ScaledScreenTest : public ::testing::TestWithParam<ScaledScreen> {};

TEST_P(ScaledScreenTest, TheWindowStaysWithinTheFreeArea) {
    const ScaledScreen s = GetParam();
    // In the desktop's scaled pixels, less a panel along the top.
    const int high = static_cast<int>(s.height / s.scale);
    const ScreenArea area{0, 30, static_cast<int>(s.width / s.scale), high - 30};
    WorkingFolder folder;
    MemorySettingsStore store;
    store.WriteText(kSettingsSection, "KTQExamsLeft", "150");
    store.WriteText(kSettingsSection, "KTQExamsTop", "150");
    Program program(folder, store, {}, high);
    program.Platform().SetAvailableArea(area);
    program.Start();
    TForm1& f = program.Form();
    for (const char* step : {"started", "learning mode"}) {
        SCOPED_TRACE(step);
        EXPECT_GE(f.Left(), area.left);
        EXPECT_GE(f.Top(), area.top);
        EXPECT_LE(f.Left() + f.Width(), area.left + area.width);
        EXPECT_LE(f.Top() + f.Height(), area.top + area.height);
        EXPECT_LE(f.Memo3.Top() + f.Memo3.Height(), f.Height());
        f.RunGuarded([&] { f.CheckBox1.UserClick(); });
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledScreenTest,
                         ::testing::Values(ScaledScreen{"Small", 1366, 768, 1.0},
                                           ScaledScreen{"SmallAt125", 1366, 768, 1.25},
                                           ScaledScreen{"SmallAt150", 1366, 768, 1.5},
                                           ScaledScreen{"FullHdAt150", 1920, 1080, 1.5},
                                           ScaledScreen{"FullHdAt200", 1920, 1080, 2.0}),
                         [](const auto& row) { return row.param.name; });

TEST(Notice, StaysUpForTwentyTicksAndTheChoiceCountsAtTheNextStart) {
    WorkingFolder folder;
    MemorySettingsStore store;
    Program program(folder, store);
    program.Start();
    TForm1& f = program.Form();
    f.CheckBox3.UserClick();
    EXPECT_FALSE(f.state.ShowNotice);
    for (int i = 0; i < 20; ++i) f.Timer2.Tick();
    EXPECT_TRUE(f.Panel2.Visible());
    f.Timer2.Tick();
    EXPECT_FALSE(f.Panel2.Visible());
    EXPECT_FALSE(f.Timer2.Enabled());
    EXPECT_EQ(f.state.NoticeTicks, 21);
    f.Timer2.Tick();  // stopped: nothing counts any more
    EXPECT_EQ(f.state.NoticeTicks, 21);
    program.Close();
    EXPECT_EQ(Stored(store, "KTQExamsShowFlash"), "0");
}

TEST(Notice, UntickingBeforeClosingStoresTheNoticeAgain) {
    WorkingFolder folder;
    MemorySettingsStore store;
    Program program(folder, store);
    program.Start();
    program.Form().CheckBox3.UserClick();
    program.Form().CheckBox3.UserClick();
    program.Close();
    EXPECT_EQ(Stored(store, "KTQExamsShowFlash"), "1");
}

TEST(IniFileSettings, RoundTripsThroughARealFileAndIgnoresJunk) {
    WorkingFolder folder;
    folder.Write("k.ini", "junk line\n[Other]\nKTQExamsLeft=9\n[Tarnell]\nKTQExamsLeft = 321\n");
    {
        IniFileSettingsStore store((folder.Path() / "k.ini").string());
        EXPECT_EQ(store.ReadText("Tarnell", "KTQExamsLeft"), "321");
        EXPECT_EQ(store.ReadText("Other", "KTQExamsLeft"), "9");
        EXPECT_FALSE(store.ReadText("Tarnell", "KTQExamsTop").has_value());
        store.WriteText("Tarnell", "KTQExamsTop", "-5");
    }
    IniFileSettingsStore again((folder.Path() / "k.ini").string());
    EXPECT_EQ(again.ReadText("Tarnell", "KTQExamsTop"), "-5");
    EXPECT_EQ(again.ReadText("Tarnell", "KTQExamsLeft"), "321");
}

TEST(IniFileSettings, ChangesOnlyItsOwnLinesAndKeepsEverythingElseInPlace) {
    WorkingFolder folder;
    folder.Write("k.ini",
                 "; the user's note\r\n\r\n[Other]\r\nKTQExamsLeft=9\r\n[Tarnell]\r\n# by hand\r\n"
                 "KTQExamsLeft = 321\r\nUnknown=yes\r\njunk line\r\n\r\n[Later]\r\nx=1");
    {
        IniFileSettingsStore store((folder.Path() / "k.ini").string());
        store.WriteText("Tarnell", "KTQExamsLeft", "100");
        store.WriteText("Tarnell", "KTQExamsTop", "7");
        store.WriteText("New", "Name", "caf\xE9");
    }
    EXPECT_EQ(folder.Read("k.ini"),
              "; the user's note\r\n\r\n[Other]\r\nKTQExamsLeft=9\r\n[Tarnell]\r\n# by hand\r\n"
              "KTQExamsLeft=100\r\nUnknown=yes\r\nKTQExamsTop=7\r\njunk line\r\n\r\n[Later]\r\n"
              "x=1\r\n\r\n[New]\r\nName=caf\xC3\xA9\r\n");
}

TEST(IniFileSettings, ACorruptFileGivesTheDefaultsAndIsWrittenAnewAtClose) {
    WorkingFolder folder;
    std::string junk = "[Tarnell\nKTQExamsLeft==\xFF\xFE\n[]\n=5\n";
    for (int i = 0; i < 4096; ++i) junk += static_cast<char>(i * 37 % 256);
    folder.Write("k.ini", junk);
    IniFileSettingsStore store((folder.Path() / "k.ini").string());
    {
        Program program(folder, store);
        program.Start();
        EXPECT_EQ(program.Form().Left(), 100);
        EXPECT_EQ(program.Form().TrackBar1.Position(), 4);
        program.Close();
    }
    IniFileSettingsStore again((folder.Path() / "k.ini").string());
    EXPECT_EQ(again.ReadText(kSettingsSection, "KTQExamsLeft"), "100");
}

TEST(IniFileSettings, AStoreThatCannotBeWrittenIsNotReported) {
    WorkingFolder folder;
    IniFileSettingsStore store((folder.Path() / "missing-dir" / "k.ini").string());
    EXPECT_NO_THROW(store.WriteText("Tarnell", "KTQExamsTop", "1"));
}

}  // namespace
}  // namespace ktq
