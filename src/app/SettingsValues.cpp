// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsValues.h"

#include <climits>

namespace ktq {

std::optional<int> ParseDecimalInteger(const std::string& text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

int ReadIntegerSetting(SettingsStore& store, const char* name, int fallback) {
    auto text = store.ReadText(kSettingsSection, name);
    if (!text)
        return fallback;
    return ParseDecimalInteger(*text).value_or(fallback);
}

bool ReadFlagSetting(SettingsStore& store, const char* name, bool fallback) {
    return ReadIntegerSetting(store, name, fallback ? 1 : 0) != 0;
}

std::string ReadTextSetting(SettingsStore& store, const char* name) {
    return store.ReadText(kSettingsSection, name).value_or("");
}

void WriteIntegerSetting(SettingsStore& store, const char* name, int value) {
    store.WriteText(kSettingsSection, name, std::to_string(value));
}

void WriteFlagSetting(SettingsStore& store, const char* name, bool value) {
    store.WriteText(kSettingsSection, name, value ? "1" : "0");
}

}  // namespace ktq
