// An allocation is the filter's when the innermost caller outside the C and
// C++ runtimes (and this program, whose operator new is on every stack) is
// code of the filter's library. The host stand-in, which the filter calls
// for its items, options and files, allocates too, but its failures are not
// the filter's to handle: frames of any other library, and code loaded after
// recordFilterCode (the graphic converters), leave an allocation uncounted.
#include "oom/FailingAllocation.h"

#include <link.h>
#include <unwind.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <new>
#ifdef OOM_SANITIZED
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

enum class Owner { Runtime, Filter, Other };

struct CodeRange {
    uintptr_t begin;
    uintptr_t end;
    Owner owner;
};

constexpr std::size_t kMaxRanges = 256;
CodeRange g_ranges[kMaxRanges];
std::size_t g_rangeCount = 0;

bool g_armed = false;
bool g_classifying = false;
bool g_failed = false;
bool g_showFailing = false;
uint64_t g_counted = 0;
uint64_t g_failAt = 0;

bool isRuntime(const char* name)
{
    if (!name || !*name) // the program itself
        return true;
    for (const char* part :
         {"libstdc++", "libc.so", "libgcc_s", "libm.so", "ld-linux", "linux-vdso", "libasan", "libubsan", "liblsan"})
        if (std::strstr(name, part))
            return true;
    return false;
}

int recordObject(dl_phdr_info* info, size_t, void* filterAddress)
{
    const auto address = reinterpret_cast<uintptr_t>(filterAddress);
    bool holdsFilter = false;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[i];
        const uintptr_t begin = info->dlpi_addr + segment.p_vaddr;
        if (segment.p_type == PT_LOAD && address >= begin && address < begin + segment.p_memsz)
            holdsFilter = true;
    }
    const Owner owner = holdsFilter ? Owner::Filter : isRuntime(info->dlpi_name) ? Owner::Runtime : Owner::Other;
    for (int i = 0; i < info->dlpi_phnum && g_rangeCount < kMaxRanges; ++i) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[i];
        if (segment.p_type == PT_LOAD && (segment.p_flags & PF_X)) {
            const uintptr_t begin = info->dlpi_addr + segment.p_vaddr;
            g_ranges[g_rangeCount++] = {begin, begin + segment.p_memsz, owner};
        }
    }
    return 0;
}

Owner ownerOf(uintptr_t address)
{
    for (std::size_t i = 0; i < g_rangeCount; ++i)
        if (address >= g_ranges[i].begin && address < g_ranges[i].end)
            return g_ranges[i].owner;
    return Owner::Other;
}

_Unwind_Reason_Code visitFrame(_Unwind_Context* context, void* result)
{
    const uintptr_t returnAddress = _Unwind_GetIP(context);
    const Owner owner = returnAddress ? ownerOf(returnAddress - 1) : Owner::Runtime;
    if (owner == Owner::Runtime)
        return _URC_NO_REASON;
    *static_cast<Owner*>(result) = owner;
    return _URC_END_OF_STACK;
}

// Counts an allocation of the filter's; true when it is the one to fail.
bool failsNow()
{
    if (!g_armed || g_classifying)
        return false;
    g_classifying = true;
    Owner owner = Owner::Other;
    _Unwind_Backtrace(visitFrame, &owner);
    g_classifying = false;
    if (owner != Owner::Filter || ++g_counted != g_failAt)
        return false;
    g_failed = true;
#ifdef OOM_SANITIZED
    if (g_showFailing)
        __sanitizer_print_stack_trace();
#endif
    return true;
}

void* allocate(std::size_t size, std::size_t alignment) noexcept
{
    if (failsNow())
        return nullptr;
    if (size == 0)
        size = 1;
    if (alignment <= alignof(std::max_align_t))
        return std::malloc(size);
    void* memory = nullptr;
    return posix_memalign(&memory, alignment, size) == 0 ? memory : nullptr;
}

void* allocateOrThrow(std::size_t size, std::size_t alignment)
{
    if (void* memory = allocate(size, alignment))
        return memory;
    throw std::bad_alloc();
}

constexpr std::size_t kDefault = alignof(std::max_align_t);

} // namespace

namespace oom {

void recordFilterCode(const void* addressInFilter)
{
    g_rangeCount = 0;
    dl_iterate_phdr(recordObject, const_cast<void*>(addressInFilter));
}

void showFailingAllocation(bool show)
{
    g_showFailing = show;
}

void arm(uint64_t failAt)
{
    g_counted = 0;
    g_failAt = failAt;
    g_failed = false;
    g_armed = true;
}

uint64_t disarm()
{
    g_armed = false;
    return g_counted;
}

bool failed()
{
    return g_failed;
}

} // namespace oom

// Every replaceable form, so that each allocation meets its own release.
void* operator new(std::size_t size)
{
    return allocateOrThrow(size, kDefault);
}
void* operator new[](std::size_t size)
{
    return allocateOrThrow(size, kDefault);
}
void* operator new(std::size_t size, std::align_val_t alignment)
{
    return allocateOrThrow(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment)
{
    return allocateOrThrow(size, static_cast<std::size_t>(alignment));
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return allocate(size, kDefault);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return allocate(size, kDefault);
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return allocate(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return allocate(size, static_cast<std::size_t>(alignment));
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::align_val_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::align_val_t) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::align_val_t, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::align_val_t, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
