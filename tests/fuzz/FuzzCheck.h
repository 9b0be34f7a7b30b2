// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every fuzz target shares: the input as bytes, and a property that does
// not hold reported as a crash, so libFuzzer keeps the input that broke it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace ktq::fuzz {

[[noreturn]] inline void PropertyFailed(const char* property, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, property);
    std::abort();
}

inline std::string_view AsBytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

inline bool HasAnyOf(std::string_view text, std::string_view chars) {
    return text.find_first_of(chars) != std::string_view::npos;
}

// Fits one line of a text file: no line end and no NUL, which ends a text.
inline bool IsOneLine(std::string_view text) {
    return !HasAnyOf(text, std::string_view("\r\n\0", 3));
}

// Checks that look at pairs of lines stop here, so a long input stays fast.
inline constexpr std::size_t kLinesPaired = 64;

}  // namespace ktq::fuzz

#define FUZZ_CHECK(property) \
    ((property) ? void(0) : ::ktq::fuzz::PropertyFailed(#property, __FILE__, __LINE__))
