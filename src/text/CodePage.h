#pragma once
// The one place where Windows-1252 meets Unicode: the skin, the driver and
// the file-name layer convert here and nowhere else.
#include <string>

#include "text/Text.h"

namespace ktq {

std::string Cp1252ToUtf8(const Text& text);
// Characters that Windows-1252 cannot hold become '?'.
Text Utf8ToCp1252(const std::string& utf8);

}  // namespace ktq
