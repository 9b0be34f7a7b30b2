// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StudyFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "history/HistoryPlace.h"

// The sample folder relative to the folder of the installed program; the
// build passes the value that matches its install rules.
#ifndef KTQ_SAMPLES_FROM_BIN
#define KTQ_SAMPLES_FROM_BIN "../share/ktqtests/samples"
#endif

namespace ktq {

namespace fs = std::filesystem;

namespace {

std::string Quoted(const fs::path& p) {
    return "\"" + p.string() + "\"";
}

void Choose(FolderChoice& choice, FolderChoice::Kind kind, const fs::path& folder = {}) {
    if (choice.kind != FolderChoice::Kind::Current)
        throw StudyFolderError("only one study folder may be given");
    choice.kind = kind;
    choice.folder = folder;
}

// Installed files may be read-only; the user's copies must not be.
void MakeOwnerWritable(const fs::path& root) {
    fs::permissions(root, fs::perms::owner_write, fs::perm_options::add);
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(root))
        if (!e.is_symlink())
            fs::permissions(e.path(), fs::perms::owner_write, fs::perm_options::add);
}

void CopySamplesInto(const fs::path& samples, const fs::path& folder) {
    fs::copy(samples, folder, fs::copy_options::recursive | fs::copy_options::skip_existing);
    MakeOwnerWritable(folder);
}

// A new folder is filled beside its place and then renamed into it, so an
// interrupted copy never leaves a half-filled folder that a later start would
// take for the user's own.
void CreateWithSamples(const fs::path& folder, const fs::path& samples) {
    const fs::path staging = folder.parent_path() / ("." + folder.filename().string() + ".new-" +
                                                     std::to_string(::getpid()));
    fs::remove_all(staging);
    try {
        fs::create_directories(staging);
        CopySamplesInto(samples, staging);
        fs::rename(staging, folder);
    } catch (...) {
        std::error_code ignored;
        fs::remove_all(staging, ignored);
        // Another start may have created the folder meanwhile; that one is kept.
        if (!fs::is_directory(folder, ignored))
            throw;
    }
}

// What a newer version brings to a study folder made by an older one: its
// study-note files and its folder of prepared banks, each only while the
// folder lacks it, so the user's own files and changes stay as they are.
void AddWhatIsNew(const fs::path& folder, const fs::path& samples) {
    if (!fs::is_directory(samples))
        return;
    const fs::path explained = samples / kExplainedFolderName;
    std::error_code ec;
    if (fs::is_directory(explained) &&
        !fs::exists(fs::symlink_status(folder / kExplainedFolderName, ec)))
        CreateWithSamples(folder / kExplainedFolderName, explained);
    for (const fs::directory_entry& e : fs::directory_iterator(samples)) {
        const fs::path target = folder / e.path().filename();
        if (e.is_regular_file() && e.path().filename().string().ends_with(" ^ study.txt") &&
            !fs::exists(fs::symlink_status(target, ec))) {
            fs::copy_file(e.path(), target);
            fs::permissions(target, fs::perms::owner_write, fs::perm_options::add);
        }
    }
}

}  // namespace

FolderChoice ReadFolderOptions(const std::vector<std::string>& args, const fs::path& here) {
    const std::string folderOption = "--folder";
    FolderChoice choice;
    bool optionsEnded = false;
    bool firstArgumentSeen = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnded) {
            choice.parameters.push_back(a);
        } else if (a == "--") {
            optionsEnded = true;
        } else if (const InfoRequest info = InfoRequestOf(a); info != InfoRequest::None) {
            if (choice.info == InfoRequest::None)
                choice.info = info;
        } else if (a == folderOption || a.starts_with(folderOption + "=")) {
            std::string folder;
            if (a != folderOption)
                folder = a.substr(folderOption.size() + 1);
            else if (i + 1 < args.size())
                folder = args[++i];
            if (folder.empty())
                throw StudyFolderError("--folder needs the name of a folder");
            Choose(choice, FolderChoice::Kind::Given, folder);
        } else if (a == "--study-folder") {
            Choose(choice, FolderChoice::Kind::UsersFolder);
        } else if (a == "--explained") {
            Choose(choice, FolderChoice::Kind::UsersExplained);
        } else {
            // Only the first non-option argument may name the folder, so a
            // program parameter such as "/diag" is never mistaken for one later.
            std::error_code ec;
            const bool takeAsFolder = !firstArgumentSeen && !a.empty() && a[0] != '-' &&
                                      choice.kind == FolderChoice::Kind::Current &&
                                      fs::is_directory(here / a, ec);
            if (!a.empty() && a[0] != '-')
                firstArgumentSeen = true;
            if (takeAsFolder)
                Choose(choice, FolderChoice::Kind::Given, a);
            else
                choice.parameters.push_back(a);
        }
    }
    return choice;
}

fs::path UsersStudyFolder() {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        const passwd* entry = ::getpwuid(::getuid());
        home = entry != nullptr ? entry->pw_dir : nullptr;
    }
    if (home == nullptr || *home == '\0')
        throw StudyFolderError("no home folder is known for the study folder (HOME is not set)");
    return fs::path(home) / "KTQTests";
}

fs::path SampleFolderFor(const fs::path& executable) {
    return (executable.parent_path() / KTQ_SAMPLES_FROM_BIN).lexically_normal();
}

void PrepareStudyFolder(const fs::path& folder, const fs::path& samples) {
    try {
        std::error_code ec;
        const fs::file_status st = fs::status(folder, ec);
        if (fs::exists(st)) {
            if (!fs::is_directory(st))
                throw StudyFolderError(Quoted(folder) + " is there but is not a folder");
            if (fs::is_empty(folder) && fs::is_directory(samples))
                CopySamplesInto(samples, folder);
            else
                AddWhatIsNew(folder, samples);
        } else if (fs::is_directory(samples)) {
            CreateWithSamples(folder, samples);
        } else {
            fs::create_directories(folder);
        }
    } catch (const fs::filesystem_error& e) {
        throw StudyFolderError("cannot prepare the study folder " + Quoted(folder) + ": " +
                               e.code().message());
    }
}

fs::path ChosenFolder(const FolderChoice& choice, const fs::path& executable,
                      const fs::path& here) {
    fs::path folder = here / choice.folder;
    std::error_code ec;
    switch (choice.kind) {
        case FolderChoice::Kind::Current:
            return here;
        case FolderChoice::Kind::Given:
            break;
        case FolderChoice::Kind::UsersFolder:
        case FolderChoice::Kind::UsersExplained:
            folder = UsersStudyFolder();
            PrepareStudyFolder(folder, SampleFolderFor(executable));
            if (choice.kind == FolderChoice::Kind::UsersExplained)
                folder /= kExplainedFolderName;
            break;
    }
    const fs::file_status st = fs::status(folder, ec);
    if (!fs::exists(st))
        throw StudyFolderError("the study folder " + Quoted(choice.folder) + " does not exist");
    if (!fs::is_directory(st))
        throw StudyFolderError(Quoted(choice.folder) + " is not a folder");
    const fs::path full = fs::absolute(folder, ec);
    return ec ? folder : full;
}

fs::path RunningExecutable(const char* argv0) {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec)
        return self;
    return fs::absolute(argv0 != nullptr ? argv0 : "", ec);
}

}  // namespace ktq
