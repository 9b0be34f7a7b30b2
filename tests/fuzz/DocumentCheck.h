// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What holds for any document, whole bytes or parts: it is read, or refused
// with an IoError naming it; each picture it shows is read, or refused so.
#include <string>

#include "FuzzCheck.h"
#include "importing/PublishedDocument.h"
#include "importing/PublishedPool.h"
#include "platform/IoError.h"
#include "platform/TextFile.h"

namespace ktq::fuzz {

inline void CheckDocument(std::string bytes) {
    try {
        PublishedDocument doc(std::move(bytes), "fuzz.docx");
        std::string text;
        for (const std::string& line : doc.Lines()) text += line + "\r\n";
        FiguresNamedBy(ParseLines(text));
        for (std::size_t n = 0; n < doc.PictureCount(); ++n) {
            try {
                const EmbeddedPicture picture = doc.Picture(n);
                FUZZ_CHECK(picture.extension.empty() || picture.extension == ".jpg" ||
                           picture.extension == ".png");
            } catch (const IoError& e) {
                FUZZ_CHECK(std::string(e.what()).find("\"fuzz.docx\"") != std::string::npos);
            }
        }
    } catch (const IoError& e) {
        FUZZ_CHECK(std::string(e.what()).find("\"fuzz.docx\"") != std::string::npos);
    }
}

}  // namespace ktq::fuzz
