// libFuzzer target: decodes any bytes and lists them in every form, and
// compares them with the previous input.
#include "icfdump/IcfComparison.h"
#include "icfdump/IcfDecoder.h"
#include "icfdump/IcfListing.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static std::string previous;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const icfdump::IcfStream stream = icfdump::decodeIcf(bytes);
    if (stream.fault && stream.fault->offset > bytes.size())
        __builtin_trap();
    icfdump::ListingOptions options;
    icfdump::listIcf(stream, options);
    options.decodeText = true;
    options.showOffsets = true;
    icfdump::listIcf(stream, options);
    if (icfdump::icfDifference(previous, bytes).empty() != (previous == bytes))
        __builtin_trap();
    previous = bytes;
    return 0;
}
