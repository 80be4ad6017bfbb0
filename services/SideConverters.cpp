// Loading of the side libraries: the format-recognition library and the
// numbered graphic converters. Each call loads its library and releases it
// again; nothing stays loaded between calls.
#include "services/ConverterLibraryName.h"
#include "services/OwnedResources.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>

using services::OwnedLibrary;
using services::TemporaryFileGuard;

const char* kpchFmtprobe = "libfmtprobe";

namespace {

// Converters 500 to 699 belong to the second family.
constexpr uint32_t kFirstSecondFamilyConverter = 500;
constexpr uint32_t kFirstConverterAfterSecondFamily = 700;

// An execution path (at most 253 characters), "/", a family, ten digits,
// "f" and ".so" fit easily.
constexpr size_t kLibraryPathSize = 512;
constexpr size_t kTemporaryNameSize = 255;

} // namespace

bool services::converterLibraryName(uint32_t converter, char* buffer, size_t size)
{
    char path[kLibraryPathSize];
    getExecutionPath(path);
    const size_t length = std::strlen(path);
    const char* separator = length > 0 && path[length - 1] != '/' ? "/" : "";
    const bool secondFamily = converter >= kFirstSecondFamilyConverter && converter < kFirstConverterAfterSecondFamily;
    const int written = std::snprintf(buffer, size, "%s%s%s%uf", path, separator, secondFamily ? "libj6j" : "libq5q",
                                      static_cast<unsigned>(converter));
    return written >= 0 && static_cast<size_t>(written) < size;
}

int libLoadUsingUserSuffix(const char* baseName, void** handle, const char* suffix)
{
    if (!baseName || !handle)
        return 0;
    // Made without allocating: a name that could not be made would read as a
    // library that is not there, and the picture would silently go
    // unconverted. A name longer than a path can be is not there indeed.
    char name[PATH_MAX];
    const int length = std::snprintf(name, sizeof name, "%s%s", baseName, suffix ? suffix : "");
    *handle = length >= 0 && static_cast<size_t>(length) < sizeof name ? dlopen(name, RTLD_LAZY) : nullptr;
    return *handle ? 1 : 0;
}

int libLoad(const char* baseName, void** handle)
{
    return libLoadUsingUserSuffix(baseName, handle, ".so");
}

// A null handle would make dlsym search the whole process.
void* libGetFunction(void* handle, const char* symbol)
{
    return handle && symbol ? dlsym(handle, symbol) : nullptr;
}

int libClose(void* handle)
{
    return handle && dlclose(handle) == 0 ? 1 : 0;
}

int g_fmtprobeFile(const char* fileName, uint32_t* result, uint32_t* detail, void* argument)
{
    OwnedLibrary library;
    if (!fileName || !result || !libLoad(kpchFmtprobe, library.slot()))
        return C2I_FAILED;
    const auto probe = reinterpret_cast<FMTPROBEFILE>(libGetFunction(library.get(), C2I_FMTPROBE_ENTRY));
    if (!probe)
        return C2I_FAILED;
    uint32_t probeDetail = 0;
    int32_t recognised = 0;
    try {
        recognised = probe(fileName, 0, &probeDetail, argument);
    } catch (...) {
        recognised = 0;
    }
    if (recognised < 1) {
        *result = 0;
        return C2I_FAILED;
    }
    *result = static_cast<uint32_t>(recognised);
    if (detail)
        *detail = probeDetail;
    return C2I_OK;
}

// The converter reads a copy of the embedded object in a temporary file,
// which is removed again whatever the converter answers.
int g_callFromSideConverter(uint32_t converter, char* outName, const char* source, void* argument, void* /*unused*/)
{
    char copyName[kTemporaryNameSize] = {};
    const int cut = cutGraphicToDisk(source, copyName);
    if (cut != C2I_OK)
        return cut;
    const TemporaryFileGuard copy(copyName);
    char localName[kTemporaryNameSize] = {};
    char* name = outName ? outName : localName;
    char libraryName[kLibraryPathSize];
    OwnedLibrary library;
    if (!services::converterLibraryName(converter, libraryName, sizeof libraryName) ||
        !libLoad(libraryName, library.slot()))
        return C2I_FAILED;
    const auto entry = reinterpret_cast<MAINENTRYPOINT>(libGetFunction(library.get(), C2I_CONVERTER_ENTRY));
    if (!entry)
        return C2I_FAILED;
    char noDisplay[] = "-n";
    char* arguments[] = {noDisplay, nullptr};
    try {
        return entry(copyName, argument, name, arguments, 0, 0);
    } catch (...) {
        return C2I_FAILED;
    }
}
