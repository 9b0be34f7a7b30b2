// SPDX-License-Identifier: GPL-3.0-or-later
#include <clocale>
#include <iostream>

#include "ScriptDriver.h"

int main(int argc, char** argv) {
    // Dates as the user writes them; numbers and text stay in the C locale.
    std::setlocale(LC_TIME, "");
    return ktq::RunHeadlessProgram(argc, argv, std::cin, std::cout, std::cerr);
}
