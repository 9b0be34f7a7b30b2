// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A published pool's Word document read with libzip and pugixml.
#include <optional>
#include <string>
#include <vector>

#include "importing/PoolDocument.h"
#include "importing/ZipPackage.h"
#include "text/Text.h"

namespace ktq {

class PublishedDocument final : public PoolDocument {
  public:
    // Reads the package and its body at once. Throws IoError naming the
    // document when it is damaged, out of bounds or not well-formed.
    PublishedDocument(std::string bytes, const Text& shownName);

    const std::vector<std::string>& Lines() const override { return lines_; }
    std::size_t PictureCount() const override { return pictureParts_.size(); }
    EmbeddedPicture Picture(std::size_t n) override;

  private:
    // The part a relationship of `source` names; refuses a name leading out.
    std::string PartNamed(const std::string& source, const std::string& target) const;
    std::string MainPart();

    std::string bytes_;  // before the package, which reads from it
    ZipPackage package_;
    std::vector<std::string> lines_;
    std::vector<std::string> pictureParts_;
};

}  // namespace ktq
