// SPDX-License-Identifier: GPL-3.0-or-later
// Counts the heap in use and its peak, for the scaling benchmarks: every
// allocation of this program goes through these.
#include "HeapCounter.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<std::int64_t> g_inUse{0};
std::atomic<std::int64_t> g_peak{0};

void* Allocate(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr)
        throw std::bad_alloc();
    const auto now = g_inUse += static_cast<std::int64_t>(malloc_usable_size(p));
    std::int64_t peak = g_peak.load();
    while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
    }
    return p;
}

void Release(void* p) noexcept {
    if (p == nullptr)
        return;
    g_inUse -= static_cast<std::int64_t>(malloc_usable_size(p));
    std::free(p);
}
}  // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* p) noexcept {
    Release(p);
}
void operator delete[](void* p) noexcept {
    Release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    Release(p);
}

namespace ktq::benchsupport {

std::int64_t HeapInUse() {
    return g_inUse.load();
}

void ResetHeapPeak() {
    g_peak = g_inUse.load();
}

std::int64_t HeapPeak() {
    return g_peak.load();
}

}  // namespace ktq::benchsupport
