// The values that outlive a run, and the first-run notice panel.
#include "app/SettingsValues.h"
#include "ui/TForm1.h"

namespace ktq {

void TForm1::LoadSettings() {
    SettingsStore& store = *state.Settings;
    SetLeft(ReadIntegerSetting(store, "KTQExamsLeft", 100));
    SetTop(ReadIntegerSetting(store, "KTQExamsTop", 100));
    SetWidth(ReadIntegerSetting(store, "KTQExamsWidth", 860));
    SetHeight(ReadIntegerSetting(store, "KTQExamsHeight", 425));
    state.MaxHeight = ReadIntegerSetting(store, "KTQExamsMaxHeight", 600);
    CheckBox1.SetChecked(ReadFlagSetting(store, "KTQExamsSeeDetails", false));
    CheckBox2.SetChecked(ReadFlagSetting(store, "KTQExamsExtFigs", false));
    TrackBar1.SetPosition(ReadIntegerSetting(store, "KTQExamsWrongDelay", 4));
    Label24.SetText(std::to_string(TrackBar1.Position() + 2) + "S  ");
    state.StartCount = ReadIntegerSetting(store, "KTQExamsStartCount", 0);
    state.ShowNotice = ReadFlagSetting(store, "KTQExamsShowFlash", true);
    state.StoredVersion = ReadTextSetting(store, "KTQExamsVersion");
    CheckBox3.SetChecked(!state.ShowNotice);
}

void TForm1::SaveSettings() {
    SettingsStore& store = *state.Settings;
    WriteIntegerSetting(store, "KTQExamsLeft", Left());
    WriteIntegerSetting(store, "KTQExamsTop", Top());
    WriteIntegerSetting(store, "KTQExamsWidth", Width());
    WriteIntegerSetting(store, "KTQExamsHeight", Height());
    WriteIntegerSetting(store, "KTQExamsMaxHeight", state.MaxHeight);
    WriteFlagSetting(store, "KTQExamsSeeDetails", CheckBox1.Checked());
    WriteFlagSetting(store, "KTQExamsExtFigs", CheckBox2.Checked());
    WriteIntegerSetting(store, "KTQExamsWrongDelay", TrackBar1.Position());
    WriteIntegerSetting(store, "KTQExamsStartCount", state.StartCount);
    WriteFlagSetting(store, "KTQExamsShowFlash", state.ShowNotice);
    store.WriteText(kSettingsSection, "KTQExamsVersion", state.ProgramVersion);
}

void TForm1::Timer2Timer() {
    ++state.NoticeTicks;
    if (state.NoticeTicks > 20) {
        state.NoticeTicks = 21;
        Panel2.Hide();
        Timer2.SetEnabled(false);
    }
}

void TForm1::CheckBox3Click() {
    state.ShowNotice = !CheckBox3.Checked();
}

}  // namespace ktq
