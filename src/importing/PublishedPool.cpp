// SPDX-License-Identifier: GPL-3.0-or-later
#include "importing/PublishedPool.h"

#include <algorithm>
#include <map>

#include "formats/Formats.h"
#include "importing/ImportRecord.h"
#include "platform/TextFile.h"
#include "pool/BankBuilder.h"
#include "pool/PoolText.h"
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

// A copy's name: the document's own, then "X new.txt", "X new 2.txt", ...
FileName NumberedCopyName(const FileName& document, int n) {
    const std::string own = TextCopyName(document).System();
    if (n == 0)
        return FileName::FromSystem(own);
    const std::string stem = own.substr(0, own.size() - std::string_view(".txt").size());
    return FileName::FromSystem(stem + " new" + (n > 1 ? " " + std::to_string(n) : "") + ".txt");
}

std::map<Text, Text> QuestionsByCode(std::string_view text) {
    BuiltBank bank = BuildBankRecords(ParseLines(text));
    DropLeadingRecords(bank.records);
    std::map<Text, Text> questions;
    for (Text& record : bank.records) questions[GetField(record, kTab, 1)] = std::move(record);
    return questions;
}

Text ChangesBetween(std::string_view before, std::string_view after) {
    const std::map<Text, Text> old = QuestionsByCode(before), now = QuestionsByCode(after);
    std::size_t changed = 0, withdrawn = 0;
    for (const auto& [code, record] : old) {
        const auto it = now.find(code);
        withdrawn += it == now.end() ? 1 : 0;
        changed += it != now.end() && it->second != record ? 1 : 0;
    }
    const std::size_t added = now.size() - (old.size() - withdrawn);
    return Counted(changed, "question") + " changed, " + std::to_string(withdrawn) +
           " withdrawn and " + std::to_string(added) + " added";
}

// One document made into its copy and figures, and the record of what was made.
class Import {
  public:
    Import(FileSystem& files, const FileName& document, const std::optional<ImportRecord>& before,
           ImportOutcome& outcome)
        : files_(files), document_(document), before_(before), outcome_(outcome) {}

    void Run(const EntryInfo& documentInfo) {
        const std::unique_ptr<PoolDocument> read =
            OpenPoolDocument(ReadBytes(files_, document_), document_.Shown());
        PoolDocument& doc = *read;
        std::string text(kUtf8Mark);
        for (const std::string& line : doc.Lines()) text += line + "\r\n";
        made_.documentSize = documentInfo.size;
        made_.documentModified = documentInfo.modified;
        made_.copyCrc = ContentCrc(text);
        PlaceCopy(text, documentInfo);

        const std::vector<Text> figures = FiguresNamedBy(ParseLines(text));
        if (!figures.empty() && doc.PictureCount() != figures.size())
            outcome_.notes.push_back(CountMismatchNote(document_, doc.PictureCount(), figures));
        else if (!figures.empty())
            PlaceFigures(doc, figures);
        // Last: without it the next start makes what is missing.
        WriteImportRecord(files_, document_, made_);
    }

  private:
    // A copy this program made and nobody changed since is replaced; one of
    // unknown origin older than the document, or one the user has changed,
    // is kept, and the document's text goes under a new name.
    void PlaceCopy(const std::string& text, const EntryInfo& documentInfo) {
        made_.copyNumber = before_ ? before_->copyNumber : 0;
        const FileName copy = NumberedCopyName(document_, made_.copyNumber);
        const std::optional<EntryInfo> copyInfo = files_.Stat(copy);
        if (!copyInfo) {
            outcome_.copyWritten = CreateNewFile(files_, copy, {text});
            return;
        }
        const std::string old = ReadBytes(files_, copy);
        if (old == text || (!before_ && copyInfo->modified >= documentInfo.modified))
            return;
        if (before_ && ContentCrc(old) == before_->copyCrc) {
            ReplaceFile(files_, copy, text);
            outcome_.copyWritten = true;
            outcome_.notes.push_back("The pool " + copy.Quoted() +
                                     " has been updated from the new document " +
                                     document_.Quoted() + ": " + ChangesBetween(old, text) + ".");
            return;
        }
        while (files_.Stat(NumberedCopyName(document_, ++made_.copyNumber))) {
        }
        const FileName fresh = NumberedCopyName(document_, made_.copyNumber);
        outcome_.copyWritten = CreateNewFile(files_, fresh, {text});
        outcome_.notes.push_back(
            "The document " + document_.Quoted() + " differs from the pool " + copy.Quoted() +
            ", which may hold changes of your own, so that pool is left as it is and the "
            "document's questions have been saved as " +
            fresh.Quoted() + " (" + ChangesBetween(old, text) + ").");
    }

    // The figure file this program made and nobody changed since, if that
    // is what stands under the figure's name.
    bool MadeAndUnchanged(const Text& file) const {
        if (!before_)
            return false;
        for (const MadeFigure& f : before_->figures)
            if (f.file == file)
                return ContentCrc(ReadBytes(files_, file)) == f.crc;
        return false;
    }

    void PlaceFigures(PoolDocument& doc, const std::vector<Text>& figures) {
        std::vector<Text> unknownFormat, unreadable;
        std::string unreadableReason;
        for (std::size_t n = 0; n < figures.size(); ++n) {
            EmbeddedPicture picture;
            try {
                picture = doc.Picture(n);
            } catch (const IoError& e) {
                unreadable.push_back(figures[n]);
                unreadableReason = e.what();
                continue;
            }
            if (picture.extension.empty()) {
                unknownFormat.push_back(figures[n]);
                continue;
            }
            PlaceFigure(figures[n] + picture.extension, FigureFileOf(files_, figures[n]),
                        picture.bytes);
        }
        if (before_)
            for (const MadeFigure& f : before_->figures)
                if (std::none_of(made_.figures.begin(), made_.figures.end(),
                                 [&](const MadeFigure& m) { return m.file == f.file; }))
                    made_.figures.push_back(f);
        if (!unknownFormat.empty())
            outcome_.notes.push_back("The pictures of the figures " + NameList(unknownFormat) +
                                     " in the document " + document_.Quoted() +
                                     " are neither JPEG nor PNG, so they were not saved.");
        if (!unreadable.empty())
            outcome_.notes.push_back("The pictures of the figures " + NameList(unreadable) +
                                     " could not be read, so they were not saved; the rest of "
                                     "the pool was. " +
                                     unreadableReason);
    }

    // A figure is never written over one of another's making, in any format.
    void PlaceFigure(const Text& file, const Text& existing, const std::string& bytes) {
        if (!existing.empty() && !MadeAndUnchanged(existing))
            return;
        if (!existing.empty() && existing != file)
            files_.Remove(existing);
        if (!existing.empty() && existing == file)
            ReplaceFile(files_, file, bytes);
        else if (!CreateNewFile(files_, file, {bytes}))
            return;
        made_.figures.push_back({file, ContentCrc(bytes)});
        ++outcome_.figuresWritten;
    }

    FileSystem& files_;
    const FileName& document_;
    const std::optional<ImportRecord>& before_;
    ImportOutcome& outcome_;
    ImportRecord made_;
};

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
    const std::optional<EntryInfo> info = files.Stat(document);
    const std::optional<ImportRecord> before = ReadImportRecord(files, document);
    if (!info || (before && before->documentSize == info->size &&
                  before->documentModified == info->modified &&
                  files.Stat(NumberedCopyName(document, before->copyNumber))))
        return outcome;
    OnContentOf(document.Shown(), [&] { Import(files, document, before, outcome).Run(*info); });
    return outcome;
}

}  // namespace ktq
