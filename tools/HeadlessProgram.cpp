// SPDX-License-Identifier: GPL-3.0-or-later
// The driver as a program: its options, the window started in its folder as
// the window program starts it, the script, and closing.
#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>

#include "DriverOptions.h"
#include "ScriptDriver.h"
#include "platform/DiskFileSystem.h"

namespace ktq {
namespace {

std::unique_ptr<SettingsStore> StoreFor(const DriverOptions& o) {
    if (o.settingsFile.empty())
        return std::make_unique<MemorySettingsStore>();
    return std::make_unique<IniFileSettingsStore>(o.settingsFile);
}

enum class ScriptEnd { Input, WindowClosed, Malformed };

// Runs the script's lines until the input or the window ends, or an action
// is malformed.
ScriptEnd RunScript(ScriptDriver& driver, std::istream& source, std::ostream& out,
                    std::ostream& err) {
    std::string line;
    int number = 0;
    while (std::getline(source, line)) {
        ++number;
        try {
            if (!driver.Run(line))
                return ScriptEnd::WindowClosed;
        } catch (const ScriptError& e) {
            out.flush();
            err << "script line " << number << ": " << e.what() << "\n";
            return ScriptEnd::Malformed;
        }
    }
    return ScriptEnd::Input;
}

}  // namespace

int RunHeadlessProgram(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                       std::ostream& err) {
    DriverOptions o;
    if (!ParseDriverOptions(argc, argv, o, err))
        return 2;
    if (o.info != InfoRequest::None) {
        out << (o.info == InfoRequest::Help ? DriverHelp() : VersionText("ktqtests-headless"));
        return 0;
    }
    std::unique_ptr<FileSystem> files;
    if (!o.folder.empty()) {
        std::error_code ec;
        if (!std::filesystem::is_directory(o.folder, ec)) {
            err << "ktqtests-headless: the folder \"" << o.folder << "\" does not exist\n";
            return 2;
        }
        files = std::make_unique<DiskFileSystem>(o.folder);
    }
    std::ifstream scriptFile;
    std::istream* source = &in;
    if (!o.script.empty()) {
        scriptFile.open(o.script);
        if (!scriptFile) {
            err << "ktqtests-headless: cannot read script " << o.script << "\n";
            return 2;
        }
        source = &scriptFile;
    }

    HeadlessPlatform platform(out, StoreFor(o), std::move(files));
    platform.SetScreenHeight(o.screenHeight);
    platform.SetParameters(o.parameters);
    if (o.now)
        platform.SetNow(*o.now);
    if (o.counter)
        platform.SetCounter(*o.counter);

    TForm1 form(platform);
    // A folder that another window holds: the question is printed and
    // answered Yes, so the script runs read-only; No would end the run here.
    if (!form.TakeFolder(o.readOnly))
        return 0;
    form.RunGuarded([&] { form.FormCreate(); });
    form.RunGuarded([&] { form.FormActivate(); });
    ScriptDriver driver(form, platform, out, o.echo);
    const ScriptEnd end = RunScript(driver, *source, out, err);
    // The end of input closes the window, as the close action does.
    if (end == ScriptEnd::Input)
        form.RunGuarded([&] { form.FormClose(); });
    out.flush();
    return end == ScriptEnd::Malformed ? 2 : 0;
}

}  // namespace ktq
