// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsTable.h"

#include <climits>

#include "ui/TForm1.h"

namespace ktq {
namespace {

// Beyond any desktop, and small enough that the window rules (the screen's
// height minus the window's top, for one) cannot overflow.
constexpr int kLargestPlace = 16384;

SettingValue Number(int n) {
    return {n, {}};
}

SettingRow Integer(const char* key, int fallback, int min, int max, OutOfRange outside,
                   std::function<void(TForm1&, int)> load, std::function<int(const TForm1&)> save) {
    return {key,
            SettingKind::Integer,
            fallback,
            min,
            max,
            outside,
            [load](TForm1& f, const SettingValue& v) { load(f, v.number); },
            [save](const TForm1& f) { return Number(save(f)); }};
}

SettingRow Flag(const char* key, bool fallback, std::function<void(TForm1&, bool)> load,
                std::function<bool(const TForm1&)> save) {
    return {key,
            SettingKind::Flag,
            fallback ? 1 : 0,
            INT_MIN,
            INT_MAX,
            OutOfRange::Clamp,
            [load](TForm1& f, const SettingValue& v) { load(f, v.number != 0); },
            [save](const TForm1& f) { return Number(save(f) ? 1 : 0); }};
}

}  // namespace

const std::vector<SettingRow>& SettingsTable() {
    using O = OutOfRange;
    static const std::vector<SettingRow> table = {
        // A window placed beyond every screen comes back to its default place.
        Integer(
            "KTQExamsLeft", 100, -kLargestPlace, kLargestPlace, O::UseDefault,
            [](TForm1& f, int v) { f.SetLeft(v); }, [](const TForm1& f) { return f.Left(); }),
        Integer(
            "KTQExamsTop", 100, -kLargestPlace, kLargestPlace, O::UseDefault,
            [](TForm1& f, int v) { f.SetTop(v); }, [](const TForm1& f) { return f.Top(); }),
        Integer(
            "KTQExamsWidth", 860, 0, kLargestPlace, O::Clamp,
            [](TForm1& f, int v) { f.SetWidth(v); }, [](const TForm1& f) { return f.Width(); }),
        Integer(
            "KTQExamsHeight", 425, 0, kLargestPlace, O::Clamp,
            [](TForm1& f, int v) { f.SetHeight(v); }, [](const TForm1& f) { return f.Height(); }),
        Integer(
            "KTQExamsMaxHeight", 600, 0, kLargestPlace, O::Clamp,
            [](TForm1& f, int v) { f.state.MaxHeight = v; },
            [](const TForm1& f) { return f.state.MaxHeight; }),
        Flag(
            "KTQExamsSeeDetails", false, [](TForm1& f, bool v) { f.CheckBox1.SetChecked(v); },
            [](const TForm1& f) { return f.CheckBox1.Checked(); }),
        Flag(
            "KTQExamsExtFigs", false, [](TForm1& f, bool v) { f.CheckBox2.SetChecked(v); },
            [](const TForm1& f) { return f.CheckBox2.Checked(); }),
        Integer(
            "KTQExamsWrongDelay", 4, 1, 18, O::Clamp,
            [](TForm1& f, int v) {
                f.TrackBar1.SetPosition(v);
                f.Label24.SetText(std::to_string(f.TrackBar1.Position() + 2) + "S  ");
            },
            [](const TForm1& f) { return f.TrackBar1.Position(); }),
        Flag(
            "KTQExamsWeakestFirst", false, [](TForm1& f, bool v) { f.CheckBox4.SetChecked(v); },
            [](const TForm1& f) { return f.CheckBox4.Checked(); }),
        // The recall below which the drill takes a question again, in percent.
        Integer(
            "KTQExamsRetention", 90, 70, 97, O::Clamp,
            [](TForm1& f, int v) { f.SetTargetRetention(v); },
            [](const TForm1& f) { return f.state.TargetRetentionPercent; }),
        // Starts of this version are counted up to five.
        Integer(
            "KTQExamsStartCount", 0, 0, 5, O::Clamp,
            [](TForm1& f, int v) { f.state.StartCount = v; },
            [](const TForm1& f) { return f.state.StartCount; }),
        Flag(
            "KTQExamsShowFlash", true, [](TForm1& f, bool v) { f.state.ShowNotice = v; },
            [](const TForm1& f) { return f.state.ShowNotice; }),
        // Read into the stored version; written from the running one.
        {"KTQExamsVersion", SettingKind::String, 0, 0, 0, O::Clamp,
         [](TForm1& f, const SettingValue& v) { f.state.StoredVersion = v.text; },
         [](const TForm1& f) {
             return SettingValue{0, f.state.ProgramVersion};
         }},
    };
    return table;
}

}  // namespace ktq
