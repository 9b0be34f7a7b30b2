// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A published pool as its Word document holds it: the text a word processor
// saves as plain text, and the pictures the body shows, in that order.
#include <optional>
#include <string>
#include <vector>

#include "importing/ZipPackage.h"
#include "text/Text.h"

namespace ktq {

struct EmbeddedPicture {
    std::string bytes;
    // ".jpg" or ".png" by what the bytes are; empty for any other format.
    std::string extension;
};

class PublishedDocument {
  public:
    // Reads the package and its body at once. Throws IoError naming the
    // document when it is damaged, out of bounds or not well-formed.
    PublishedDocument(std::string bytes, const Text& shownName);

    // UTF-8 text, one line per paragraph or line break.
    const std::vector<std::string>& Lines() const { return lines_; }
    std::size_t PictureCount() const { return pictureParts_.size(); }
    // The n-th picture shown (from 0), read from the package only now, so a
    // document's pictures are never all held at once. Throws IoError.
    EmbeddedPicture Picture(std::size_t n);

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
