#include "AllocationCount.h"

#include <atomic>
#include <cerrno>
#include <cstddef>

namespace {

std::atomic<bool> counting{false};
std::atomic<uint64_t> allocations{0};

} // namespace

namespace icfbench {

bool allocationsAreCounted()
{
#ifdef __SANITIZE_ADDRESS__
    return false;
#else
    return true;
#endif
}

void startCountingAllocations()
{
    allocations.store(0);
    counting.store(true);
}

uint64_t stopCountingAllocations()
{
    counting.store(false);
    return allocations.load();
}

} // namespace icfbench

// Under AddressSanitizer its allocator owns malloc and its kin: the program
// does not define them then, and counts nothing.
#ifndef __SANITIZE_ADDRESS__

// glibc's own allocator entry points, which the definitions below forward to.
// NOLINTBEGIN(bugprone-reserved-identifier)
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
}
// NOLINTEND(bugprone-reserved-identifier)

namespace {

// The export runs on one thread, so a plain load and store is enough and
// costs the timed export far less than a locked increment would.
void countAllocation()
{
    if (counting.load(std::memory_order_relaxed))
        allocations.store(allocations.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
}

} // namespace

// The filter, loaded later, must find these in the program.
#define ICFBENCH_EXPORTED __attribute__((visibility("default")))

extern "C" {

ICFBENCH_EXPORTED void* malloc(size_t size) noexcept
{
    countAllocation();
    return __libc_malloc(size);
}

ICFBENCH_EXPORTED void* calloc(size_t count, size_t size) noexcept
{
    countAllocation();
    return __libc_calloc(count, size);
}

ICFBENCH_EXPORTED void* realloc(void* block, size_t size) noexcept
{
    countAllocation();
    return __libc_realloc(block, size);
}

ICFBENCH_EXPORTED void* memalign(size_t alignment, size_t size) noexcept
{
    countAllocation();
    return __libc_memalign(alignment, size);
}

ICFBENCH_EXPORTED void* aligned_alloc(size_t alignment, size_t size) noexcept
{
    countAllocation();
    return __libc_memalign(alignment, size);
}

ICFBENCH_EXPORTED int posix_memalign(void** block, size_t alignment, size_t size) noexcept
{
    if (alignment % sizeof(void*) != 0 || (alignment & (alignment - 1)) != 0)
        return EINVAL;
    countAllocation();
    void* allocated = __libc_memalign(alignment, size);
    if (!allocated)
        return ENOMEM;
    *block = allocated;
    return 0;
}

} // extern "C"

#endif
