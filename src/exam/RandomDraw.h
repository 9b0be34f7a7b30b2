// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pseudo-random generator of the trial: a 32-bit linear congruential
// step, reseeded from the high-resolution counter before every draw so that
// draws follow the clock rather than a fixed sequence.
#include <cstdint>

namespace ktq {

// One generator step on `seed`, then a value in 0..n-1 (0 when n is 0).
std::uint32_t DrawBelow(std::uint32_t& seed, std::uint32_t n);

// A fresh draw: the seed is the low 32 bits of `counter`.
std::uint32_t DrawFromCounter(std::uint64_t counter, std::uint32_t n);

}  // namespace ktq
