// SPDX-License-Identifier: GPL-3.0-or-later
#include "pool/QuestionText.h"

namespace ktq {

Text ApostrophesForFirstCurlyQuotes(Text question) {
    ReplaceFirst(question, kRightQuote, '\'');
    ReplaceFirst(question, kLeftQuote, '\'');
    return question;
}

}  // namespace ktq
