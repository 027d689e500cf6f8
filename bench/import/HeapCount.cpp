#include "bench/import/HeapCount.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <pugixml.hpp>

namespace {

std::atomic<size_t> inUse{0};
std::atomic<size_t> peak{0};

void* Counted(size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block != nullptr) {
        const size_t now = inUse += malloc_usable_size(block);
        size_t seen = peak;
        while (now > seen && !peak.compare_exchange_weak(seen, now)) {
        }
    }
    return block;
}

void Uncounted(void* block) {
    if (block != nullptr) {
        inUse -= malloc_usable_size(block);
        std::free(block);
    }
}

// pugixml allocates with malloc unless told otherwise; it is told before main runs.
const bool pugixmlCounted = (pugi::set_memory_management_functions(Counted, Uncounted), true);

}  // namespace

void* operator new(size_t size) {
    void* block = Counted(size);
    if (block == nullptr) {
        std::abort();
    }
    return block;
}
void* operator new[](size_t size) {
    return operator new(size);
}
void operator delete(void* block) noexcept {
    Uncounted(block);
}
void operator delete[](void* block) noexcept {
    Uncounted(block);
}
void operator delete(void* block, size_t) noexcept {
    Uncounted(block);
}
void operator delete[](void* block, size_t) noexcept {
    Uncounted(block);
}

namespace HeapCount {

size_t InUse() {
    return inUse;
}

size_t Peak() {
    return peak;
}

void ResetPeak() {
    peak = inUse.load();
}

}  // namespace HeapCount
