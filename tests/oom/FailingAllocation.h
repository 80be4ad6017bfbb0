// Global operator new and delete replaced by versions that can make the n-th
// allocation of the filter fail: a throwing form throws std::bad_alloc, a
// nothrow form returns null. Only allocations made by the filter's own code
// count (see FailingAllocation.cpp), and only while armed.
#pragma once

#include <cstdint>

// Defined in a build with AddressSanitizer, and so LeakSanitizer.
#if defined(__SANITIZE_ADDRESS__)
#define OOM_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define OOM_SANITIZED 1
#endif
#endif

namespace oom {

// Records which loaded code is the filter's: call it once the filter is
// loaded, before arming, with the address of any of its functions.
void recordFilterCode(const void* addressInFilter);

// Whether the failing allocation prints its stack (with OOM_SANITIZED only).
void showFailingAllocation(bool show);

// Counts the filter's allocations from now on and fails the one numbered
// `failAt` (1 for the first), or none when it is 0.
void arm(uint64_t failAt);
// Stops counting; returns how many of the filter's allocations were counted.
uint64_t disarm();
// Whether the allocation numbered `failAt` was reached since arm().
bool failed();

} // namespace oom
