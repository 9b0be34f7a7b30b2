// SPDX-License-Identifier: GPL-3.0-or-later
// The values that outlive a run, and the first-run notice panel.
#include <algorithm>

#include "app/SettingsTable.h"
#include "app/SettingsValues.h"
#include "ui/TForm1.h"

namespace ktq {

namespace {

SettingValue ReadSetting(SettingsStore& store, const SettingRow& row) {
    if (row.kind == SettingKind::String)
        return {0, ReadTextSetting(store, row.key)};
    if (row.kind == SettingKind::Flag)
        return {ReadFlagSetting(store, row.key, row.fallback != 0) ? 1 : 0, {}};
    int n = ReadIntegerSetting(store, row.key, row.fallback);
    if (n < row.min || n > row.max)
        n = row.outOfRange == OutOfRange::Clamp ? std::clamp(n, row.min, row.max) : row.fallback;
    return {n, {}};
}

void WriteSetting(SettingsStore& store, const SettingRow& row, const SettingValue& value) {
    if (row.kind == SettingKind::String)
        store.WriteText(kSettingsSection, row.key, value.text);
    else if (row.kind == SettingKind::Flag)
        WriteFlagSetting(store, row.key, value.number != 0);
    else
        WriteIntegerSetting(store, row.key, value.number);
}

}  // namespace

void TForm1::LoadSettings() {
    SettingsStore& store = *state.Settings;
    for (const SettingRow& row : SettingsTable()) row.load(*this, ReadSetting(store, row));
    CheckBox3.SetChecked(!state.ShowNotice);
}

void TForm1::SaveSettings() {
    SettingsStore& store = *state.Settings;
    for (const SettingRow& row : SettingsTable()) WriteSetting(store, row, row.save(*this));
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
