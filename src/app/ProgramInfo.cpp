// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramInfo.h"

#include "app/Version.h"

namespace ktq {

InfoRequest InfoRequestOf(const std::string& argument) {
    if (argument == "--help" || argument == "-h")
        return InfoRequest::Help;
    if (argument == "--version" || argument == "-v")
        return InfoRequest::Version;
    return InfoRequest::None;
}

std::string WindowProgramHelp() {
    return "usage: ktqtests [--folder DIR | --study-folder | --explained | DIR] [PARAMETERS...] "
           "[-- "
           "PARAMETERS...]\n"
           "\n"
           "Trial exams and study notes for the amateur-radio licence exams, on the\n"
           "question pools saved as plain text in the folder the program works in:\n"
           "the current folder unless an option chooses another.\n"
           "\n"
           "  --folder DIR, --folder=DIR  work in DIR, which must exist\n"
           "  DIR                         the same, when the first argument that does not\n"
           "                              start with \"-\" names a folder\n"
           "  --study-folder              work in ~/KTQTests, created with the sample pools\n"
           "                              and notes when it is missing or empty\n"
           "  --explained                 work in ~/KTQTests/Explained, the pools in force as\n"
           "                              prepared banks with a study note for every question\n"
           "  --                          ends the options: what follows is the program's own\n"
           "  -h, --help                  print this help and exit\n"
           "  -v, --version               print the version and exit\n"
           "\n"
           "Every other argument is one of the program's own parameters:\n"
           "  /diag                       diagnostic texts in a few labels, and stored texts\n"
           "                              shown unshortened\n"
           "\n"
           "A folder that cannot be used ends the program with exit code 2.\n"
           "See ktqtests(1) for more.\n";
}

std::string VersionText(const std::string& program) {
    return program + " " + GetVersionString() +
           "\n"
           "Copyright (C) 2026 KTQTests developers\n"
           "License GPL-3.0-or-later: GNU GPL version 3 or later "
           "<https://www.gnu.org/licenses/gpl-3.0.html>.\n"
           "This is free software: you are free to change and redistribute it.\n"
           "There is NO WARRANTY, to the extent permitted by law.\n";
}

}  // namespace ktq
