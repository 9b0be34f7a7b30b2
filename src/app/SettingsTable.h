// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values that outlive a run: one row each, in the order they are read and
// written, with the range a stored number is brought into before any rule
// uses it.
#include <functional>
#include <vector>

#include "text/Text.h"

namespace ktq {

class TForm1;

enum class SettingKind { Integer, Flag, String };
// What a stored number outside its range becomes.
enum class OutOfRange { Clamp, UseDefault };

struct SettingValue {
    int number = 0;  // integers, and flags as 0 or 1
    Text text;       // texts
};

struct SettingRow {
    const char* key;
    SettingKind kind;
    int fallback;  // integers, and flags as 0 or 1
    int min, max;
    OutOfRange outOfRange;
    std::function<void(TForm1&, const SettingValue&)> load;
    std::function<SettingValue(const TForm1&)> save;
};

const std::vector<SettingRow>& SettingsTable();

}  // namespace ktq
