// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Version.h"

#include <string>

#include "BuildVersion.h"

namespace ktq {

void GetVersionNumbers(std::uint16_t& major, std::uint16_t& minor, std::uint16_t& release,
                       std::uint16_t& build) {
    major = KTQ_VERSION_MAJOR;
    minor = KTQ_VERSION_MINOR;
    release = KTQ_VERSION_RELEASE;
    build = KTQ_VERSION_BUILD;
}

Text GetVersionString() {
    std::uint16_t major = 0, minor = 0, release = 0, build = 0;
    GetVersionNumbers(major, minor, release, build);
    return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(release) +
           "." + std::to_string(build);
}

}  // namespace ktq
