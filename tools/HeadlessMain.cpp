#include <iostream>

#include "ScriptDriver.h"

int main(int argc, char** argv) {
    return ktq::RunHeadlessProgram(argc, argv, std::cin, std::cout, std::cerr);
}
