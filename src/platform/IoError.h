// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <stdexcept>
#include <string>

namespace ktq {

// The one failure type of the program: a file that cannot be created,
// written or read, or a picture that cannot be decoded. The general error
// report shows its text and the program carries on.
class IoError : public std::runtime_error {
  public:
    explicit IoError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace ktq
