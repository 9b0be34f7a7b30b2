// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user settings store: the registry through QSettings on Windows; an
// INI file in the user's configuration folder elsewhere, kept by the
// program's own INI store, which changes only its own lines of the file
// (QSettings would write the whole file anew, without its comments).
#include <memory>

#include "platform/SettingsStore.h"

class QSettings;

namespace ktq {

// The user's own store.
std::unique_ptr<SettingsStore> UserSettingsStore();

// Values in a QSettings.
class QtSettingsStore : public SettingsStore {
  public:
    // Any QSettings, for example an INI file in a test's folder.
    explicit QtSettingsStore(std::unique_ptr<QSettings> settings);
    ~QtSettingsStore() override;

    // Missing when the value is absent or is not a text value.
    std::optional<std::string> ReadText(const std::string& section,
                                        const std::string& name) override;
    void WriteText(const std::string& section, const std::string& name,
                   const std::string& value) override;

  private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace ktq
