// SPDX-License-Identifier: GPL-3.0-or-later
#include "importing/PublishedDocument.h"

#include <map>

#include "importing/WordXml.h"

namespace ktq {
namespace {

constexpr const char* kDefaultMainPart = "word/document.xml";
constexpr std::string_view kMainPartType = "/officeDocument";
constexpr std::string_view kPictureType = "/image";

std::string FolderOf(const std::string& part) {
    const std::size_t slash = part.rfind('/');
    return slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
}

// "word/_rels/document.xml.rels" for "word/document.xml".
std::string RelationshipsOf(const std::string& part) {
    const std::string folder = FolderOf(part);
    return folder + "_rels/" + part.substr(folder.size()) + ".rels";
}

std::string ExtensionOf(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xD8\xFF"))
        return ".jpg";
    if (bytes.starts_with("\x89PNG\r\n\x1A\n"))
        return ".png";
    return "";
}

}  // namespace

PublishedDocument::PublishedDocument(std::string bytes, const Text& shownName)
    : bytes_(std::move(bytes)), package_(bytes_, shownName) {
    const std::string main = MainPart();
    std::string xml = package_.Read(main);
    WordBody body;
    std::map<std::string, std::string> pictures;
    std::string part = main;
    try {
        body = ReadWordBody(xml);
        part = RelationshipsOf(main);
        if (package_.Has(part)) {
            std::string rels = package_.Read(part);
            for (const Relationship& r : ReadRelationships(rels)) {
                if (r.type.ends_with(kPictureType) && !r.external)
                    pictures[r.id] = PartNamed(main, r.target);
            }
        }
    } catch (const XmlFault& e) {
        package_.Refuse("its part \"" + part + "\" " + e.what());
    }
    lines_ = std::move(body.lines);
    // A picture linked from outside, or of no relationship, is not in the
    // document and so is none of its figures.
    for (const std::string& id : body.pictureIds) {
        const auto found = pictures.find(id);
        if (found != pictures.end())
            pictureParts_.push_back(found->second);
    }
}

std::string PublishedDocument::MainPart() {
    const std::string root = "_rels/.rels";
    if (!package_.Has(root))
        return kDefaultMainPart;
    std::string xml = package_.Read(root);
    try {
        for (const Relationship& r : ReadRelationships(xml)) {
            if (r.type.ends_with(kMainPartType) && !r.external)
                return PartNamed("", r.target);
        }
    } catch (const XmlFault& e) {
        package_.Refuse("its part \"" + root + "\" " + e.what());
    }
    return kDefaultMainPart;
}

std::string PublishedDocument::PartNamed(const std::string& source,
                                         const std::string& target) const {
    std::string path = target.starts_with("/") ? target.substr(1) : FolderOf(source) + target;
    std::vector<std::string> segments;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string segment = path.substr(start, end - start);
        if (segment == "..") {
            if (segments.empty())
                package_.Refuse("a relationship names the part \"" + target +
                                "\", which leads out of the package");
            segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        start = end + 1;
    }
    std::string part;
    for (const std::string& segment : segments) part += (part.empty() ? "" : "/") + segment;
    return part;
}

EmbeddedPicture PublishedDocument::Picture(std::size_t n) {
    EmbeddedPicture picture;
    picture.bytes = package_.Read(pictureParts_.at(n));
    picture.extension = ExtensionOf(picture.bytes);
    return picture;
}

}  // namespace ktq
