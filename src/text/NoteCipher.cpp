// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/NoteCipher.h"

#include <array>

namespace ktq {

const char* const PlainAlphabet =
    "abcdefghijklmnopqrstuvwxyz~`!#$%^&*()_+-={}[]|\\:;\"<,>.?/ABCDEFGHIJKLMNOPQRSTUVWXYZ "
    "0123456789";

const char* const kExtraKeyAlphabet =
    "DG /s*^Qwo>){V,O`6zT0cgHCZ2(]$x-y;%t+[Era1N5.kfmS4n8?bIdj9|_u\"!Pl}qF~Xhi:<AR&YLKU#BWp=\\7M"
    "e3vJ";
const char* const kGeneralKeyAlphabet =
    "\\M%J.}]SU-?*q;Aif`IE>5d~YHyCg6V4(7n9$8DL ZN[B3tk&|e+<vm,GPX^zwOxou/W=)j#c:Fh{\"pal!2rs0Q1K"
    "b_RT";
const char* const kTechKeyAlphabet =
    "nhT!<|dW}3)PL.Sf+4RH\\ ~6Vy75XboUY*GguetrB&qi8:][M9?`wp>k^F\"=mIj2KxlN_0%E;/$C,-DJaO(vZ{Q#1A"
    "szc";

Text DecipherNote(const Text& text, const Text& key) {
    const Text plain = PlainAlphabet;
    // Where each byte maps to; the first occurrence in the key wins.
    std::array<int, 256> plainIndex;
    plainIndex.fill(-1);
    for (std::size_t i = 0; i < key.size() && i < plain.size(); ++i) {
        auto& slot = plainIndex[static_cast<unsigned char>(key[i])];
        if (slot < 0)
            slot = static_cast<int>(i);
    }
    Text out;
    out.reserve(text.size());
    for (char c : text) {
        const int p = plainIndex[static_cast<unsigned char>(c)];
        out += p >= 0 ? plain[static_cast<std::size_t>(p)] : c;
    }
    return out;
}

}  // namespace ktq
