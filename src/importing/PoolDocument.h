// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A published pool's Word document as read: the text a word processor saves
// as plain text, and the pictures the body shows, in that order. The reader
// (PublishedDocument) lives with the libraries that are loaded only when a
// document is read.
#include <string>
#include <vector>

namespace ktq {

struct EmbeddedPicture {
    std::string bytes;
    // ".jpg" or ".png" by what the bytes are; empty for any other format.
    std::string extension;
};

class PoolDocument {
  public:
    virtual ~PoolDocument() = default;
    // UTF-8 text, one line per paragraph or line break.
    virtual const std::vector<std::string>& Lines() const = 0;
    virtual std::size_t PictureCount() const = 0;
    // The n-th picture shown (from 0), read from the package only now, so a
    // document's pictures are never all held at once. Throws IoError.
    virtual EmbeddedPicture Picture(std::size_t n) = 0;
};

}  // namespace ktq
