// SPDX-License-Identifier: GPL-3.0-or-later
// The formats as the window program has them: a module of their own, loaded
// by its absolute path on first use and kept to itself (RTLD_LOCAL), so that
// neither libzip nor pugixml nor SQLite is loaded before the program needs one.
#include <dlfcn.h>

#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "formats/Formats.h"
#include "formats/FormatsTable.h"
#include "platform/IoError.h"
#include "text/CodePage.h"

#if !defined(KTQ_FORMATS_FROM_BIN) || !defined(KTQ_FORMATS_MODULE)
#error "KTQ_FORMATS_FROM_BIN and KTQ_FORMATS_MODULE must say where the formats module is installed"
#endif

namespace ktq {
namespace {

namespace fs = std::filesystem;

class ModuleMissing : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

const FormatsTable* g_loaded = nullptr;

// Installed, in the program's private library folder; in the build folder,
// beside the program.
const FormatsTable& Loaded() {
    if (g_loaded != nullptr)
        return *g_loaded;
    std::error_code ec;
    const fs::path folder = fs::read_symlink("/proc/self/exe", ec).parent_path();
    const fs::path installed =
        (folder / KTQ_FORMATS_FROM_BIN / KTQ_FORMATS_MODULE).lexically_normal();
    for (const fs::path& module : {installed, folder / KTQ_FORMATS_MODULE}) {
        if (!fs::exists(module, ec))
            continue;
        void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr)
            throw ModuleMissing(dlerror());
        using Entry = const FormatsTable* (*)();
        const auto entry = reinterpret_cast<Entry>(dlsym(handle, kFormatsTableEntry));
        const FormatsTable* table = entry != nullptr ? entry() : nullptr;
        if (table == nullptr || std::strcmp(table->build, FormatsBuild()) != 0) {
            dlclose(handle);
            throw ModuleMissing(module.string() + " belongs to another version of the program");
        }
        // Never unloaded: what it made may outlive any one use.
        g_loaded = table;
        return *table;
    }
    throw ModuleMissing(installed.string() + " is missing");
}

Text Reason(const ModuleMissing& e) {
    return Utf8ToCp1252(e.what()) + "; installing the program again puts it back";
}

}  // namespace

std::unique_ptr<PoolDocument> OpenPoolDocument(std::string bytes, const Text& shownName) {
    try {
        return Loaded().openPoolDocument(std::move(bytes), shownName);
    } catch (const ModuleMissing& e) {
        throw IoError("Cannot read the document \"" + shownName +
                      "\": the program's document reader cannot be loaded (" + Reason(e) + ").");
    }
}

std::unique_ptr<AnswerLog> OpenAnswerLog(const std::string& path, int busyTimeoutMs) {
    try {
        return Loaded().openAnswerLog(path, busyTimeoutMs);
    } catch (const ModuleMissing& e) {
        throw AnswerStoreError(
            "The answer history could not be opened: the program's part that keeps it cannot be "
            "loaded (" +
                Reason(e) + ").",
            StoreFailure::Lasting);
    }
}

bool FormatsLoaded() {
    return g_loaded != nullptr;
}

}  // namespace ktq
