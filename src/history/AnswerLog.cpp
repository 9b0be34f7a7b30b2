// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/AnswerLog.h"

#include <filesystem>
#include <system_error>

namespace ktq {

std::string MoveDamagedDatabaseAside(const std::string& path, const std::string& stamp) {
    std::error_code ec;
    std::string aside = path + ".damaged-" + stamp;
    for (int n = 2; std::filesystem::exists(aside, ec); ++n)
        aside = path + ".damaged-" + stamp + "-" + std::to_string(n);
    // The journal files go with it: left behind, they would be read into
    // the new database of the same name.
    for (const char* suffix : {"", "-wal", "-shm"}) {
        if (std::filesystem::exists(path + suffix, ec))
            std::filesystem::rename(path + suffix, aside + suffix, ec);
    }
    return aside;
}

}  // namespace ktq
