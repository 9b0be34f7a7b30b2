// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PublishedPools.h"

#include "app/PoolFileFilter.h"
#include "importing/PublishedPool.h"
#include "platform/TextFile.h"
#include "ui/TForm1.h"

namespace ktq {

void ImportPublishedPools(TForm1& f) {
    bool figuresWritten = false;
    for (const FileName& name : ListFolderFiles(f.Files())) {
        if (!IsPublishedPoolDocument(name.Shown()))
            continue;
        try {
            const ImportOutcome outcome = ImportPublishedPool(f.Files(), name);
            figuresWritten = figuresWritten || outcome.figuresWritten > 0;
            for (const Text& note : outcome.notes) f.Sys().ShowMessage(kApplicationTitle, note);
        } catch (const std::exception& e) {
            f.ReportError(e);
        }
    }
    // Figures found at start are the ones that count; these are new.
    if (figuresWritten)
        f.FindAvailableImages();
}

}  // namespace ktq
