// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
namespace ktq {

class TForm1;

// The published pools' Word documents of the folder get their text copies
// and figures, before the folder's pools are listed. A document that cannot
// be read, and figures that cannot be saved, are told in a message box; the
// other pools are listed all the same.
void ImportPublishedPools(TForm1& f);

}  // namespace ktq
