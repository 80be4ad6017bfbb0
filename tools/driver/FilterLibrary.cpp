#include "driver/FilterLibrary.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace icfdriver {

namespace {

std::string lastDlError()
{
    const char* message = dlerror();
    return message ? message : "unknown error";
}

// The routine in `slot`, which a usable filter must fill.
template <typename Routine>
Routine routineAt(const VWRTN* table, int slot, const char* name, const std::string& path)
{
    if (!table[slot])
        throw FilterError(path + ": the routine table has no " + name);
    return reinterpret_cast<Routine>(table[slot]);
}

FilterRoutines fetchRoutines(void* handle, const std::string& path)
{
    dlerror();
    const auto getRtns = reinterpret_cast<VWGETRTNS>(dlsym(handle, "VwGetRtns"));
    if (!getRtns)
        throw FilterError(path + ": no VwGetRtns: " + lastDlError());
    VWRTN table[VWRTN_SLOTS] = {};
    getRtns(table, VWRTN_SLOTS);
    return {
        routineAt<VWALLOCPROC>(table, VWRTN_ALLOCPROC, "VwAllocProc", path),
        routineAt<VWFREEPROC>(table, VWRTN_FREEPROC, "VwFreeProc", path),
        routineAt<VWSETUSER>(table, VWRTN_SETUSER, "VwSetUser", path),
        routineAt<VWEXPORTOPEN>(table, VWRTN_EXPORTOPEN, "VwExportOpen", path),
        routineAt<VWEXPORTWRITE>(table, VWRTN_EXPORTWRITE, "VwExportWrite", path),
        routineAt<VWEXPORTCLOSE>(table, VWRTN_EXPORTCLOSE, "VwExportClose", path),
    };
}

} // namespace

FilterLibrary::FilterLibrary(const std::string& path) : handle_(dlopen(path.c_str(), RTLD_LAZY))
{
    if (!handle_)
        throw FilterError("cannot load the filter: " + lastDlError());
    try {
        routines_ = fetchRoutines(handle_, path);
    } catch (...) {
        dlclose(handle_);
        throw;
    }
}

FilterLibrary::~FilterLibrary()
{
    dlclose(handle_);
}

std::string defaultFilterPath()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        throw FilterError("cannot locate the program to find the filter beside it: " + error.message());
    return (program.parent_path().parent_path() / "lib" / "libicffilter.so.1").string();
}

} // namespace icfdriver
