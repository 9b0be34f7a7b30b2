// SPDX-License-Identifier: GPL-3.0-or-later
#include "importing/PublishedPool.h"

#include <algorithm>

#include "importing/PublishedDocument.h"
#include "platform/TextFile.h"
#include "pool/BankBuilder.h"
#include "study/FigureRules.h"

namespace ktq {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Numbers padded to one width, so that they sort by their value. A figure's
// name is at most 15 characters long.
Text SortKey(const Text& name) {
    constexpr std::size_t kWidth = 16;
    Text key;
    std::size_t i = 0;
    while (i < name.size()) {
        const std::size_t end = std::min(name.find_first_not_of("0123456789", i), name.size());
        if (end == i) {
            key += name[i++];
            continue;
        }
        key += Text(kWidth - std::min(kWidth, end - i), '0') + name.substr(i, end - i);
        i = end;
    }
    return key;
}

Text NameList(const std::vector<Text>& names) {
    Text list;
    for (const Text& name : names) list += (list.empty() ? "" : ", ") + name;
    return list;
}

Text Counted(std::size_t n, const char* thing) {
    return std::to_string(n) + " " + thing + (n == 1 ? "" : "s");
}

Text CountMismatchNote(const FileName& document, std::size_t pictures,
                       const std::vector<Text>& figures) {
    return "The document " + document.Quoted() + " shows " + Counted(pictures, "picture") +
           ", but its questions name " + Counted(figures.size(), "figure") +
           ", so no figure was saved from it. The pool needs these figure files in "
           "its folder, as .jpg or .png: " +
           NameList(figures) + ".";
}

int SaveFigures(FileSystem& files, PublishedDocument& doc, const std::vector<Text>& figures,
                std::vector<Text>& unknownFormat) {
    int written = 0;
    for (std::size_t n = 0; n < figures.size(); ++n) {
        const EmbeddedPicture picture = doc.Picture(n);
        if (picture.extension.empty()) {
            unknownFormat.push_back(figures[n]);
            continue;
        }
        if (CreateNewFile(files, figures[n] + picture.extension, {picture.bytes}))
            ++written;
    }
    return written;
}

}  // namespace

FileName TextCopyName(const FileName& document) {
    std::string name = document.System();
    name.resize(name.size() - std::string_view(".docx").size());
    return FileName::FromSystem(name + ".txt");
}

std::vector<Text> FiguresNamedBy(const LineList& poolLines) {
    BuiltBank bank = BuildBankRecords(poolLines);
    DropLeadingRecords(bank.records);
    std::vector<Text> names;
    for (const Text& record : bank.records) {
        const Text name = FigureName(record);
        if (!name.empty())
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(),
              [](const Text& a, const Text& b) { return SortKey(a) < SortKey(b); });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

ImportOutcome ImportPublishedPool(FileSystem& files, const FileName& document) {
    ImportOutcome outcome;
    const FileName copy = TextCopyName(document);
    if (files.Stat(copy))
        return outcome;
    OnContentOf(document.Shown(), [&] {
        PublishedDocument doc(ReadBytes(files, document), document.Shown());
        std::string text(kUtf8Mark);
        for (const std::string& line : doc.Lines()) text += line + "\r\n";
        outcome.copyWritten = CreateNewFile(files, copy, {text});
        if (!outcome.copyWritten)
            return;

        const std::vector<Text> figures = FiguresNamedBy(ParseLines(text));
        if (figures.empty())
            return;
        if (doc.PictureCount() != figures.size()) {
            outcome.notes.push_back(CountMismatchNote(document, doc.PictureCount(), figures));
            return;
        }
        std::vector<Text> unknownFormat;
        outcome.figuresWritten = SaveFigures(files, doc, figures, unknownFormat);
        if (!unknownFormat.empty())
            outcome.notes.push_back("The pictures of the figures " + NameList(unknownFormat) +
                                    " in the document " + document.Quoted() +
                                    " are neither JPEG nor PNG, so they were not saved.");
    });
    return outcome;
}

}  // namespace ktq
