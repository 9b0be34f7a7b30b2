// SPDX-License-Identifier: GPL-3.0-or-later
#include "exam/AnswerText.h"

namespace ktq {

Text ShapeAnswer(const Text& stored) {
    return Trim(Copy(stored, Pos(".", stored) + 1, 255));
}

Text LetterWithNumber(const Text& letter) {
    if (letter.empty())
        return Text();
    // The digit is the letter's code minus 16: A gives 1, B gives 2.
    return letter + " or #" + Text(1, static_cast<char>(letter[0] - 16));
}

int BoxNumberOfLetter(const Text& letter) {
    if (letter.empty() || letter[0] < 'A' || letter[0] > 'D')
        return 0;
    return letter[0] - 'A' + 1;
}

Text LetterOfBox(int number) {
    if (number < 1 || number > 4)
        return Text();
    return Text(1, static_cast<char>('A' + number - 1));
}

}  // namespace ktq
