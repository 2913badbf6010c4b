#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// Relaxed: the count is read around a piece of work on the thread that does it.
std::atomic<long> gAllocations{0};

void* allocate(std::size_t size) {
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

void* allocateAligned(std::size_t size, std::align_val_t alignment) {
    // aligned_alloc needs a size that is a multiple of the alignment.
    const std::size_t align = static_cast<std::size_t>(alignment);
    const std::size_t rounded = (size + align - 1) / align * align;
#ifdef _WIN32
    void* p = _aligned_malloc(rounded ? rounded : align, align);
#else
    void* p = std::aligned_alloc(align, rounded ? rounded : align);
#endif
    if (!p) throw std::bad_alloc();
    return p;
}

void releaseAligned(void* p) noexcept {
#ifdef _WIN32
    _aligned_free(p);
#else
    std::free(p);
#endif
}

}  // namespace

namespace kztest {

long allocationCount() {
    return gAllocations.load(std::memory_order_relaxed);
}

}  // namespace kztest

// operator new goes through malloc, which counts; aligned forms count here.
void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    return allocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    return allocateAligned(size, alignment);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    releaseAligned(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    releaseAligned(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    releaseAligned(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    releaseAligned(p);
}

// The linker sends every malloc, calloc and realloc of the program's own code here
// (--wrap=<name>), including those behind operator new above.
extern "C" {
void* __real_malloc(std::size_t size);
void* __real_calloc(std::size_t count, std::size_t size);
void* __real_realloc(void* p, std::size_t size);

void* __wrap_malloc(std::size_t size) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    return __real_malloc(size);
}
void* __wrap_calloc(std::size_t count, std::size_t size) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    return __real_calloc(count, size);
}
void* __wrap_realloc(void* p, std::size_t size) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    return __real_realloc(p, size);
}
}
