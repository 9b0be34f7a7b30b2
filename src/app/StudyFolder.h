// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folder the window program works in: the current folder unless these
// options choose another before start-up, so a menu launcher (which starts programs in the home
// folder) can open the user's own study folder.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/ProgramInfo.h"

namespace ktq {

// A folder option that cannot be honoured; the text is meant for the user.
class StudyFolderError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct FolderChoice {
    enum class Kind {
        Current,         // no option: the current folder, as it is
        Given,           // --folder DIR, or a first argument that names a folder
        UsersFolder,     // --study-folder: ~/KTQTests, prepared on first use
        UsersExplained,  // --explained: the prepared banks' folder of ~/KTQTests
    };
    Kind kind = Kind::Current;
    std::filesystem::path folder;          // for Given
    std::vector<std::string> parameters;   // everything else, in order, for the program
    InfoRequest info = InfoRequest::None;  // the first "--help" or "--version", if any
};

// Takes the folder options out of the command line (without the program's
// name): "--folder DIR", "--folder=DIR", "--study-folder", or a first non-option
// argument that names an existing folder; "-h", "--help", "-v" and "--version"
// set `info`. Every other argument stays a program parameter; "--" ends the
// options and is dropped. Throws StudyFolderError for "--folder" without a
// folder and for more than one folder option.
// Relative names are taken from `here`, the folder the program was started in.
FolderChoice ReadFolderOptions(const std::vector<std::string>& args,
                               const std::filesystem::path& here);

// The user's study folder: KTQTests in the home folder (HOME, else the
// password database). Throws StudyFolderError when no home folder is known.
std::filesystem::path UsersStudyFolder();

// The installed sample folder for the program at `executable`:
// <prefix>/share/ktqtests/samples beside <prefix>/bin, so an unpacked package
// anywhere finds its own samples.
std::filesystem::path SampleFolderFor(const std::filesystem::path& executable);

// Creates `folder` when it is missing and, when it is new or empty, copies
// what `samples` holds, sub-folders too, into it (nothing when `samples` does
// not exist). Into a folder holding anything only what a newer version brings
// and the folder lacks is added: the prepared banks' folder as a whole, and
// study-note files; nothing there is ever changed. Throws StudyFolderError.
void PrepareStudyFolder(const std::filesystem::path& folder, const std::filesystem::path& samples);

// The folder to work in, made absolute: the current one, the one given, or
// the user's study folder, prepared first. `executable` locates the samples.
// Throws StudyFolderError for a folder that does not exist.
std::filesystem::path ChosenFolder(const FolderChoice& choice,
                                   const std::filesystem::path& executable,
                                   const std::filesystem::path& here);

// The running program's file (/proc/self/exe), else `argv0` made absolute.
std::filesystem::path RunningExecutable(const char* argv0);

}  // namespace ktq
