// The test recognition library: reads the first eight bytes of a file
// through the routine table it is handed and knows two test pictures.
#include "trx/fileservices.h"

#include <cstring>

namespace {

constexpr size_t kSignatureLength = 8;

struct KnownPicture {
    const char* signature;
    int32_t converter;
};

constexpr KnownPicture kKnownPictures[] = {{"TESTPIC1", 321}, {"TESTPIC6", 610}};

} // namespace

extern "C" TRX_FILTER_API int32_t FmtProbeFile(const char* fileName, uint32_t /*unused*/, uint32_t* detail,
                                               void* argument)
{
    if (detail)
        *detail = 0;
    const auto* routines = static_cast<const C2IGRAFXRTNS*>(argument);
    if (!routines || !fileName)
        return 0;
    const HIOFILE file = routines->open(fileName, IFS_MODE_READ, 0);
    if (!file || file == C2I_INVALID_HANDLE)
        return 0;
    char head[kSignatureLength] = {};
    size_t length = 0;
    while (length < kSignatureLength) {
        const int32_t count = routines->read(file, head + length, static_cast<uint32_t>(kSignatureLength - length));
        if (count <= 0)
            break;
        length += static_cast<size_t>(count);
    }
    routines->close(file);
    for (const KnownPicture& picture : kKnownPictures)
        if (length == kSignatureLength && std::memcmp(head, picture.signature, kSignatureLength) == 0)
            return picture.converter;
    return 0;
}
