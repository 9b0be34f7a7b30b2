// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The heap this program uses, counted by its own operator new and delete.
#include <cstdint>

namespace ktq::benchsupport {

std::int64_t HeapInUse();
// From now on the peak is counted again from what is in use now.
void ResetHeapPeak();
std::int64_t HeapPeak();

}  // namespace ktq::benchsupport
