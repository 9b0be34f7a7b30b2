// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parts of a zip package (a Word document is one), read with libzip from
// bytes in memory, within bounds that keep a hostile package from filling
// the memory or the time: no part inflates past 64 MB or 200 times its packed
// size, all parts read together stay within 256 MB, and a package of more
// than 10,000 parts, or with a part whose name leads out of it, is refused.
#include <cstdint>
#include <string>
#include <string_view>

#include "text/Text.h"

struct zip;

namespace ktq {

class ZipPackage {
  public:
    static constexpr std::int64_t kLargestPart = 64LL * 1024 * 1024;
    static constexpr std::int64_t kLargestInflation = 200;
    static constexpr std::int64_t kLargestContent = 256LL * 1024 * 1024;
    static constexpr std::int64_t kMostParts = 10000;

    // The bytes must outlive the package. Throws IoError naming the document
    // for a package that is damaged or out of bounds.
    ZipPackage(std::string_view bytes, const Text& shownName);
    ~ZipPackage();
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    bool Has(const std::string& part) const;
    // The part's bytes. Throws IoError for a part that is missing, damaged
    // or out of bounds.
    std::string Read(const std::string& part);
    // Throws IoError: "Cannot read the document "NAME": REASON".
    [[noreturn]] void Refuse(const std::string& reason) const;

  private:
    void CheckPartNames();

    zip* zip_ = nullptr;
    Text shownName_;
    std::int64_t contentRead_ = 0;
};

}  // namespace ktq
