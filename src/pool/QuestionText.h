// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "text/Text.h"

namespace ktq {

// The first right and then the first left curly double quotation mark become
// apostrophes; any further ones stay. Both pool readers treat questions so.
Text ApostrophesForFirstCurlyQuotes(Text question);

}  // namespace ktq
