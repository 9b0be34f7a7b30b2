// SPDX-License-Identifier: GPL-3.0-or-later
#include "importing/WordXml.h"

#include <algorithm>
#include <pugixml.hpp>
#include <string_view>
#include <unordered_map>

namespace ktq {
namespace {

// Blanks in "<w:t xml:space="preserve"> </w:t>" are text.
constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_ws_pcdata;

// Every element is held in memory, some 50 bytes each: ten times the tags
// of the largest pool's body, so that a part within the package's bounds
// cannot fill the memory.
constexpr std::size_t kMostTags = 1'000'000;

void Parse(pugi::xml_document& doc, std::string& xml) {
    if (static_cast<std::size_t>(std::count(xml.begin(), xml.end(), '<')) > kMostTags)
        throw XmlFault("holds more than " + std::to_string(kMostTags) +
                       " tags, far more than a pool");
    const pugi::xml_parse_result result =
        doc.load_buffer_inplace(xml.data(), xml.size(), kParseOptions, pugi::encoding_auto);
    if (!result)
        throw XmlFault("is not well-formed XML (" + std::string(result.description()) +
                       " at byte " + std::to_string(result.offset) + ")");
}

enum class Action {
    Paragraph,
    Text,
    Tab,
    LineBreak,
    Hyphen,
    Picture,
    Skip,  // holds no text of the body (properties, deletions, field codes)
};

const std::unordered_map<std::string_view, Action>& Actions() {
    static const std::unordered_map<std::string_view, Action> actions = {
        {"w:p", Action::Paragraph},
        {"w:t", Action::Text},
        {"w:tab", Action::Tab},
        {"w:ptab", Action::Tab},
        {"w:br", Action::LineBreak},
        {"w:cr", Action::LineBreak},
        {"w:noBreakHyphen", Action::Hyphen},
        {"w:softHyphen", Action::Skip},
        {"a:blip", Action::Picture},
        {"v:imagedata", Action::Picture},
        {"w:del", Action::Skip},
        {"w:moveFrom", Action::Skip},
        {"w:delText", Action::Skip},
        {"w:instrText", Action::Skip},
        {"w:delInstrText", Action::Skip},
        // Tab stops (w:tabs/w:tab) and revision marks live in the properties.
        {"w:pPr", Action::Skip},
        {"w:rPr", Action::Skip},
        {"w:sectPr", Action::Skip},
        {"w:tblPr", Action::Skip},
        {"w:tblGrid", Action::Skip},
        {"w:trPr", Action::Skip},
        {"w:tcPr", Action::Skip},
        {"w:sdtPr", Action::Skip},
        // The same content again, for programs that cannot read the choice.
        {"mc:Fallback", Action::Skip},
    };
    return actions;
}

bool IsSuperscript(pugi::xml_node text) {
    const pugi::xml_node align = text.parent().child("w:rPr").child("w:vertAlign");
    return std::string_view(align.attribute("w:val").value()) == "superscript";
}

// A raised text as plain text shows it: the superscript digits the code page
// has, otherwise a caret before it ("10^-6"), as one would type it.
std::string Superscripted(std::string_view raised) {
    static const char* const kRaised[] = {"\xC2\xB9", "\xC2\xB2", "\xC2\xB3"};
    if (raised.find_first_not_of("123") != std::string_view::npos)
        return "^" + std::string(raised);
    std::string out;
    for (char c : raised) out += kRaised[c - '1'];
    return out;
}

class BodyReader {
  public:
    WordBody Read(pugi::xml_node body) {
        // Without recursion: a deeply nested part cannot exhaust the stack.
        pugi::xml_node node = body.first_child();
        while (node) {
            if (Enter(node) && node.first_child()) {
                node = node.first_child();
                continue;
            }
            for (;;) {
                Leave(node);
                if (pugi::xml_node next = node.next_sibling()) {
                    node = next;
                    break;
                }
                node = node.parent();
                if (node == body) {
                    node = pugi::xml_node();
                    break;
                }
            }
        }
        EndRaised();
        if (!line_.empty())
            EndLine();
        return std::move(out_);
    }

  private:
    // True when the node's children are to be read.
    bool Enter(pugi::xml_node node) {
        if (node.type() != pugi::node_element)
            return false;
        const auto found = Actions().find(node.name());
        if (found == Actions().end())
            return true;
        const bool raised = found->second == Action::Text && IsSuperscript(node);
        if (!raised && found->second != Action::Skip && found->second != Action::Picture)
            EndRaised();
        switch (found->second) {
            case Action::Paragraph:
                outer_.push_back(std::move(line_));
                line_.clear();
                return true;
            case Action::Text:
                for (pugi::xml_node piece : node.children()) {
                    if (raised)
                        raised_ += piece.value();
                    else
                        AppendText(piece.value());
                }
                return false;
            case Action::Tab:
                line_ += '\t';
                return false;
            case Action::LineBreak:
                EndLine();
                return false;
            case Action::Hyphen:
                line_ += '-';
                return false;
            case Action::Picture:
                AddPicture(node);
                return false;
            case Action::Skip:
                return false;
        }
        return false;
    }

    void Leave(pugi::xml_node node) {
        if (node.type() != pugi::node_element || std::string_view(node.name()) != "w:p")
            return;
        EndRaised();
        EndLine();
        line_ = std::move(outer_.back());
        outer_.pop_back();
    }

    void AppendText(std::string_view text) {
        for (char c : text) {
            if (c == '\n' || c == '\r')
                EndLine();
            else
                line_ += c;
        }
    }

    // Raised runs side by side are one raised text ("-" and "6").
    void EndRaised() {
        if (raised_.empty())
            return;
        AppendText(Superscripted(raised_));
        raised_.clear();
    }

    void AddPicture(pugi::xml_node node) {
        const char* attribute = std::string_view(node.name()) == "a:blip" ? "r:embed" : "r:id";
        const std::string id = node.attribute(attribute).value();
        if (!id.empty())
            out_.pictureIds.push_back(id);
    }

    void EndLine() {
        out_.lines.push_back(std::move(line_));
        line_.clear();
    }

    WordBody out_;
    std::string line_;
    std::string raised_;
    // The unfinished lines of the paragraphs around a nested one (a text
    // box inside a paragraph).
    std::vector<std::string> outer_;
};

}  // namespace

WordBody ReadWordBody(std::string& xml) {
    pugi::xml_document doc;
    Parse(doc, xml);
    const pugi::xml_node body = doc.child("w:document").child("w:body");
    if (!body)
        throw XmlFault("holds no document body");
    return BodyReader().Read(body);
}

std::vector<Relationship> ReadRelationships(std::string& xml) {
    pugi::xml_document doc;
    Parse(doc, xml);
    std::vector<Relationship> out;
    for (pugi::xml_node r : doc.child("Relationships").children("Relationship")) {
        out.push_back({r.attribute("Id").value(), r.attribute("Type").value(),
                       r.attribute("Target").value(),
                       std::string_view(r.attribute("TargetMode").value()) == "External"});
    }
    return out;
}

}  // namespace ktq
