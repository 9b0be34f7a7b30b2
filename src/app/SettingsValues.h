// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and writing the persisted values. Everything is stored as text:
// integers in decimal, flags as "1" and "0".
#include <optional>
#include <string>

#include "platform/SettingsStore.h"

namespace ktq {

inline constexpr const char* kSettingsSection = "Tarnell";

// A signed decimal integer in the 32-bit range, nothing else; empty otherwise.
std::optional<int> ParseDecimalInteger(const std::string& text);

int ReadIntegerSetting(SettingsStore& store, const char* name, int fallback);
// True exactly when the value read as an integer (default 1 or 0) is not 0.
bool ReadFlagSetting(SettingsStore& store, const char* name, bool fallback);
std::string ReadTextSetting(SettingsStore& store, const char* name);
void WriteIntegerSetting(SettingsStore& store, const char* name, int value);
void WriteFlagSetting(SettingsStore& store, const char* name, bool value);

}  // namespace ktq
