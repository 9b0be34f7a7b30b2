// SPDX-License-Identifier: GPL-3.0-or-later
// The exam date outlives the run: one setting per pool, so each level and
// year has its own.
#include "app/SettingsValues.h"
#include "pool/PoolText.h"
#include "ui/TForm1.h"

namespace ktq {
namespace {

std::string ExamDateKey(const TForm1& f) {
    return "KTQExamDate " + f.state.LevelTag + " " + YearText(f.state.PoolFileName);
}

}  // namespace

void TForm1::LoadExamDate() {
    state.ExamDate.clear();
    if (state.Settings != nullptr && !state.LevelTag.empty()) {
        const Text stored = ReadTextSetting(*state.Settings, ExamDateKey(*this).c_str());
        if (ParseDay(stored))
            state.ExamDate = stored;
    }
}

void TForm1::StoreExamDate() {
    if (state.Settings != nullptr && !state.LevelTag.empty())
        state.Settings->WriteText(kSettingsSection, ExamDateKey(*this), state.ExamDate);
}

}  // namespace ktq
