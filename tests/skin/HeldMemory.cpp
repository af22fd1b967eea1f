#include "tests/skin/HeldMemory.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<size_t> held{0};
std::atomic<size_t> peak{0};

// Each block carries its size in front, so freeing knows what to count.
constexpr size_t kHeader = alignof(std::max_align_t);

}  // namespace

void* operator new(size_t size) {
    auto* block = static_cast<char*>(std::malloc(size + kHeader));
    if (!block) throw std::bad_alloc();
    *reinterpret_cast<size_t*>(block) = size;
    size_t now = held += size;
    size_t seen = peak.load();
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {
    }
    return block + kHeader;
}

void operator delete(void* pointer) noexcept {
    if (!pointer) return;
    char* block = static_cast<char*>(pointer) - kHeader;
    held -= *reinterpret_cast<size_t*>(block);
    std::free(block);
}

void operator delete(void* pointer, size_t) noexcept { operator delete(pointer); }

size_t PeakHeldBytes(const std::function<void()>& work) {
    size_t start = held.load();
    peak = start;
    work();
    return peak.load() - start;
}
