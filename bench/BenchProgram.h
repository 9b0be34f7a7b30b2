// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program started headless on a fresh folder, as the window starts it,
// for the benchmarks that run it whole.
#include <memory>
#include <sstream>

#include "WorkingFolder.h"
#include "platform/DiskFileSystem.h"
#include "platform/HeadlessPlatform.h"
#include "ui/TForm1.h"

namespace ktq::benchsupport {

struct BenchProgram {
    BenchProgram() {
        form.FormCreate();
        form.FormActivate();
    }
    testsupport::WorkingFolder folder;
    std::ostringstream out;
    HeadlessPlatform platform{out, std::make_unique<MemorySettingsStore>(),
                              std::make_unique<DiskFileSystem>(folder.Path())};
    TForm1 form{platform};
};

}  // namespace ktq::benchsupport
