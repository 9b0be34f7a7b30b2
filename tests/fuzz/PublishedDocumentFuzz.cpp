// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a published pool's Word document.
#include "DocumentCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ktq::fuzz::CheckDocument(std::string(ktq::fuzz::AsBytes(data, size)));
    return 0;
}
