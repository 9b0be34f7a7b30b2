// SPDX-License-Identifier: GPL-3.0-or-later
// A settings file edited by hand: the INI store reads it and writes it back
// unchanged, stored numbers are integers only when they are, and a form
// loaded from it holds every value in its row's range.
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "FuzzCheck.h"
#include "app/SettingsTable.h"
#include "app/SettingsValues.h"
#include "platform/HeadlessPlatform.h"
#include "platform/SettingsStore.h"
#include "platform/TextFile.h"
#include "ui/TForm1.h"

namespace ktq {
namespace {

// The settings file of this run, in memory where the system has such a
// folder, since every write is flushed to the disk.
std::string StorePath() {
    std::filesystem::path dir = "/dev/shm";
    if (!std::filesystem::is_directory(dir))
        dir = std::filesystem::temp_directory_path();
    return (dir / ("ktq-fuzz-settings-" + std::to_string(::getpid()) + ".ini")).string();
}

void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<long>(bytes.size()));
}

// Optional sign, then digits whose value lies within 32 bits.
bool IsDecimalIn32Bits(const std::string& text) {
    std::string digits = text;
    const bool negative = !digits.empty() && digits[0] == '-';
    if (!digits.empty() && (digits[0] == '-' || digits[0] == '+'))
        digits.erase(0, 1);
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    const std::string limit = negative ? "2147483648" : "2147483647";
    return digits.size() < limit.size() || (digits.size() == limit.size() && digits <= limit);
}

void CheckInteger(const std::string& text) {
    const std::optional<int> n = ParseDecimalInteger(text);
    FUZZ_CHECK(n.has_value() == IsDecimalIn32Bits(text));
    if (n)
        FUZZ_CHECK(ParseDecimalInteger(std::to_string(*n)) == n);
}

// What the row's value must be after loading, from the stored text.
SettingValue Expected(const SettingRow& row, const std::optional<std::string>& stored) {
    if (row.kind == SettingKind::String)
        return {0, stored.value_or("")};
    const std::optional<int> parsed = stored ? ParseDecimalInteger(*stored) : std::nullopt;
    const int n = parsed.value_or(row.fallback);
    if (row.kind == SettingKind::Flag)
        return {n != 0 ? 1 : 0, {}};
    if (n >= row.min && n <= row.max)
        return {n, {}};
    return {row.outOfRange == OutOfRange::Clamp ? std::clamp(n, row.min, row.max) : row.fallback,
            {}};
}

// The window's own rules act on these once loaded: its size limits, and the
// click handlers of the check boxes (learning mode makes the window taller,
// figures stay off where there are none).
bool WindowRulesFollow(const SettingRow& row) {
    const std::string_view key = row.key;
    return key == "KTQExamsWidth" || key == "KTQExamsHeight" || key == "KTQExamsMaxHeight" ||
           key == "KTQExamsSeeDetails" || key == "KTQExamsExtFigs";
}

void CheckLoadedForm(SettingsStore& file) {
    auto memory = std::make_unique<MemorySettingsStore>();
    for (const SettingRow& row : SettingsTable()) {
        if (const auto text = file.ReadText(kSettingsSection, row.key))
            memory->WriteText(kSettingsSection, row.key, *text);
    }
    std::ostringstream messages;
    HeadlessPlatform platform(messages, std::move(memory));
    TForm1 form(platform);
    form.state.Settings = &platform.Settings();
    form.LoadSettings();
    for (const SettingRow& row : SettingsTable()) {
        const SettingValue loaded = row.save(form);
        const SettingValue expected = Expected(row, file.ReadText(kSettingsSection, row.key));
        FUZZ_CHECK(row.kind != SettingKind::Integer ||
                   (loaded.number >= row.min && loaded.number <= row.max));
        // The version is read into the stored one and written from the running one.
        if (row.kind == SettingKind::String)
            FUZZ_CHECK(form.state.StoredVersion == expected.text);
        else if (!WindowRulesFollow(row))
            FUZZ_CHECK(loaded.number == expected.number);
    }
}

// Written back whole after a change and read again, every value is as read.
void CheckRewritten(IniFileSettingsStore& first, const std::string& path) {
    std::vector<std::optional<std::string>> before;
    for (const SettingRow& row : SettingsTable())
        before.push_back(first.ReadText(kSettingsSection, row.key));
    first.WriteText("Fuzz", "rewritten", "1");
    IniFileSettingsStore again(path);
    for (std::size_t i = 0; i < before.size(); ++i)
        FUZZ_CHECK(again.ReadText(kSettingsSection, SettingsTable()[i].key) == before[i]);
    FUZZ_CHECK(again.ReadText("Fuzz", "rewritten") == "1");
}

}  // namespace
}  // namespace ktq

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ktq;
    const std::string_view bytes = fuzz::AsBytes(data, size);
    for (const Text& line : SplitLines(bytes)) CheckInteger(line);

    static const std::string path = StorePath();
    WriteFile(path, bytes);
    IniFileSettingsStore store(path);
    for (const SettingRow& row : SettingsTable()) {
        if (const auto text = store.ReadText(kSettingsSection, row.key))
            CheckInteger(*text);
    }
    CheckLoadedForm(store);
    CheckRewritten(store, path);
    // libFuzzer ends without running destructors, so nothing is left behind
    // only if every input cleans up after itself.
    std::filesystem::remove(path);
    return 0;
}
