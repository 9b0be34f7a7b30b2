// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program reads of a Word document's XML parts, with pugixml: the
// body's text as a word processor saves it as plain text, the pictures the
// body shows, and the relationships that name the parts. Elements are known
// by the prefixes Word writes ("w:", "a:", "v:", "r:", "mc:").
#include <stdexcept>
#include <string>
#include <vector>

namespace ktq {

// A part that is not well-formed XML, or lacks what the reader needs; the
// text says what and where.
class XmlFault : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct WordBody {
    // UTF-8, one per paragraph of the body in order (tables' cells too),
    // and one more at every line break; never a line end inside.
    std::vector<std::string> lines;
    // The relationship ids of the pictures, in the order the body shows them.
    std::vector<std::string> pictureIds;
};

// The runs' text joined; a tab as TAB, a line break as a new line, a
// non-breaking hyphen as "-", a soft hyphen as nothing; deleted revisions
// left out, inserted ones kept; a superscript of the digits 1 to 3 as the
// code page's raised digits, any other after a caret ("10^-6"), subscripts
// plain. The XML is parsed in place.
WordBody ReadWordBody(std::string& xml);

struct Relationship {
    std::string id;
    std::string type;
    std::string target;
    bool external = false;
};
std::vector<Relationship> ReadRelationships(std::string& xml);

}  // namespace ktq
