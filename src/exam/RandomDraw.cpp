// SPDX-License-Identifier: GPL-3.0-or-later
#include "exam/RandomDraw.h"

namespace ktq {

std::uint32_t DrawBelow(std::uint32_t& seed, std::uint32_t n) {
    seed = seed * 134775813u + 1u;  // wraps modulo 2^32 by unsigned arithmetic
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * n) >> 32);
}

std::uint32_t DrawFromCounter(std::uint64_t counter, std::uint32_t n) {
    auto seed = static_cast<std::uint32_t>(counter & 0xFFFFFFFFu);
    return DrawBelow(seed, n);
}

}  // namespace ktq
