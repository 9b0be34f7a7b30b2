// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file's name as the system spells it (bytes; UTF-8 on Linux). The
// program's own names are Windows-1252 text and convert to it; a name read
// from a folder listing is kept as listed, so a file whose name Windows-1252
// cannot spell can still be opened.
#include <string>

#include "text/Text.h"

namespace ktq {

class FileName {
  public:
    FileName() = default;
    // The program's names, converted to the system's spelling.
    FileName(const Text& cp1252);  // NOLINT: every name of the program is one
    FileName(const char* cp1252) : FileName(Text(cp1252)) {}
    static FileName FromSystem(std::string bytes);

    const std::string& System() const { return system_; }
    // As the window shows it: Windows-1252, "?" for what it cannot spell.
    Text Shown() const;
    // The shown name in double quotes, as messages give it.
    Text Quoted() const { return "\"" + Shown() + "\""; }
    friend bool operator==(const FileName&, const FileName&) = default;

  private:
    std::string system_;
};

}  // namespace ktq
