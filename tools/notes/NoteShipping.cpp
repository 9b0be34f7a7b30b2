// SPDX-License-Identifier: GPL-3.0-or-later
#include "NoteShipping.h"

#include <stdlib.h>

#include <sstream>
#include <stdexcept>

#include "importing/PublishedPool.h"
#include "platform/DiskFileSystem.h"
#include "platform/HeadlessPlatform.h"
#include "pool/PoolText.h"
#include "text/NoteCipher.h"
#include "ui/TForm1.h"

namespace ktq {

namespace fs = std::filesystem;

namespace {

// A folder of its own that is gone again when the work is done.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "ktq-notes-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a temporary folder");
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const fs::path& Path() const { return path_; }

  private:
    fs::path path_;
};

Text NoteOf(const NotesByCode& notes, const Text& record, const Text& key) {
    const auto it = notes.find(Trim(GetField(record, kTab, 1)));
    return it == notes.end() ? Text() : EncipherNote(it->second, key);
}

}  // namespace

LineList BankOfDocument(const fs::path& document) {
    ScratchFolder scratch;
    fs::copy_file(document, scratch.Path() / document.filename());
    std::ostringstream messages;
    HeadlessPlatform platform(messages, std::make_unique<MemorySettingsStore>(),
                              std::make_unique<DiskFileSystem>(scratch.Path().string()));
    TForm1 form(platform);
    // Activation turns the document into its text copy, as for a user.
    if (!form.TakeFolder(false))
        throw std::runtime_error("the temporary folder is held by another program");
    form.RunGuarded([&] { form.FormCreate(); });
    form.RunGuarded([&] { form.FormActivate(); });
    const FileName copy = TextCopyName(FileName::FromSystem(document.filename().string()));
    form.RunGuarded([&] { form.ComboBox1.UserType(copy.Shown()); });
    form.RunGuarded([&] { form.Button1.UserClick(); });
    LineList records = form.state.QuestionBank;
    form.RunGuarded([&] { form.FormClose(); });
    if (records.empty())
        throw std::runtime_error(document.string() + " gives no question: " + messages.str());
    return records;
}

LineList PreparedBankLines(const LineList& records, const NotesByCode& notes, const Text& key) {
    LineList lines;
    lines.reserve(records.size());
    for (const Text& record : records) lines.push_back(record + kTab + NoteOf(notes, record, key));
    return lines;
}

LineList StudyNoteLines(const LineList& records, const NotesByCode& notes, const Text& key) {
    LineList lines;
    lines.reserve(records.size());
    for (const Text& record : records) {
        lines.push_back(GetField(record, kTab, 1) + kTab + GetField(record, kTab, 2) + kTab +
                        GetField(record, kTab, 3) + kTab + NoteOf(notes, record, key));
    }
    return lines;
}

}  // namespace ktq
