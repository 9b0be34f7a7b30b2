// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileName.h"

#include "text/CodePage.h"

namespace ktq {

FileName::FileName(const Text& cp1252) : system_(Cp1252ToUtf8(cp1252)) {}

FileName FileName::FromSystem(std::string bytes) {
    FileName n;
    n.system_ = std::move(bytes);
    return n;
}

Text FileName::Shown() const {
    return Utf8ToCp1252(system_);
}

}  // namespace ktq
