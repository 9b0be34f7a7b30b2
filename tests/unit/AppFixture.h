// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh temporary working folder per test, and the whole program started
// in it headless, as the driver does.
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "FailingFileSystem.h"
#include "WorkingFolder.h"
#include "platform/HeadlessPlatform.h"
#include "platform/TextFile.h"
#include "ui/TForm1.h"

namespace ktq::testsupport {

// The program on a test's folder with a settings store that the test owns.
// Its files can be made to fail (Files()), as a full disk or a refused rename.
class Program {
  public:
    Program(WorkingFolder& folder, SettingsStore& store, std::vector<Text> parameters = {},
            int screenHeight = 1080)
        : platform_(out_, std::make_unique<ForwardingStore>(store),
                    std::make_unique<FailingFileSystem>(folder.Files())) {
        platform_.SetNow(MakeDateTime(2026, 12, 8, 9, 0, 0));
        platform_.SetParameters(std::move(parameters));
        platform_.SetScreenHeight(screenHeight);
        form_ = std::make_unique<TForm1>(platform_);
    }
    // As the programs start: the folder first (false: the user quit instead).
    bool Start(bool readOnly = false) {
        if (!form_->TakeFolder(readOnly))
            return false;
        form_->RunGuarded([this] { form_->FormCreate(); });
        form_->RunGuarded([this] { form_->FormActivate(); });
        return true;
    }
    void Close() {
        form_->RunGuarded([this] { form_->FormClose(); });
    }
    TForm1& Form() { return *form_; }
    HeadlessPlatform& Platform() { return platform_; }
    FailingFileSystem& Files() { return static_cast<FailingFileSystem&>(platform_.Files()); }
    std::string Output() const { return out_.str(); }

  private:
    // Lets several runs of the program share one store, as runs share the
    // user's settings.
    class ForwardingStore : public SettingsStore {
      public:
        explicit ForwardingStore(SettingsStore& target) : target_(target) {}
        std::optional<std::string> ReadText(const std::string& s, const std::string& n) override {
            return target_.ReadText(s, n);
        }
        void WriteText(const std::string& s, const std::string& n, const std::string& v) override {
            target_.WriteText(s, n, v);
        }

      private:
        SettingsStore& target_;
    };

    std::ostringstream out_;
    HeadlessPlatform platform_;
    std::unique_ptr<TForm1> form_;
};

}  // namespace ktq::testsupport
