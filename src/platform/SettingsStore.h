// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ktq {

// Per-user store of named text values grouped in sections.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // Empty when the section or the value is missing, or is not a text value.
    virtual std::optional<std::string> ReadText(const std::string& section,
                                                const std::string& name) = 0;
    virtual void WriteText(const std::string& section, const std::string& name,
                           const std::string& value) = 0;
};

// Keeps values for the life of the process only: the headless driver's
// default, so a scripted run never touches anybody's real settings.
class MemorySettingsStore : public SettingsStore {
  public:
    std::optional<std::string> ReadText(const std::string& section,
                                        const std::string& name) override;
    void WriteText(const std::string& section, const std::string& name,
                   const std::string& value) override;

  protected:
    std::map<std::string, std::map<std::string, std::string>> values_;
};

// An INI file: "[Section]" lines and "Name=Value" lines, values in UTF-8.
// Every write changes only the line of its own value (or adds one to its
// section, or the section at the end): comments, blank lines, unknown keys,
// other sections and lines it cannot read stay as they were, in place. The
// file is replaced safely, behind a link at the link's target; a write that
// fails is not reported. The values are held in memory as the memory store
// holds them.
class IniFileSettingsStore : public MemorySettingsStore {
  public:
    explicit IniFileSettingsStore(std::string path);
    void WriteText(const std::string& section, const std::string& name,
                   const std::string& value) override;

  private:
    void Load();
    void Save();
    void PutLine(const std::string& section, const std::string& name, const std::string& line);
    std::string path_;
    // The file's lines as read, each with its own line end.
    std::vector<std::string> lines_;
};

}  // namespace ktq
