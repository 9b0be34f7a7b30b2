// SPDX-License-Identifier: GPL-3.0-or-later
// The formats module's one exported symbol; everything else in it is hidden.
#include "formats/FormatsTable.h"

extern "C" __attribute__((visibility("default"))) const ktq::FormatsTable* ktq_formats_table() {
    return &ktq::BuiltInFormats();
}
