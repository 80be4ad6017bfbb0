// Counts the heap allocations of the whole process while counting is on.
// The program defines malloc and its kin itself, forwarding to the C
// library's allocator; the dynamic linker binds every library's calls to
// them, the filter loaded with dlopen and the C++ library's operator new
// included. glibc only: it forwards to glibc's __libc_malloc and kin.
#pragma once

#include <cstdint>

namespace icfbench {

// Whether this build counts at all: not under AddressSanitizer.
bool allocationsAreCounted();
// Counts from zero from now on.
void startCountingAllocations();
// Stops counting; returns the calls of malloc, calloc, realloc,
// aligned_alloc, posix_memalign and memalign counted.
uint64_t stopCountingAllocations();

} // namespace icfbench
