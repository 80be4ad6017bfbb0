// The test graphic converter: writes "CONVERTED:" and the input's bytes to
// the output path that the caller's argument names.
#include "trx/fileservices.h"

#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr char kConvertedMark[] = "CONVERTED:";
constexpr int kInputUnreadable = 1;
constexpr int kOutputUnwritable = 2;

int convert(const char* input, const char* output)
{
    std::ifstream in(input ? input : "", std::ios::binary);
    if (!in)
        return kInputUnreadable;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return kInputUnreadable;
    if (!output)
        return kOutputUnwritable;
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    out << kConvertedMark << bytes;
    out.close();
    return out ? 0 : kOutputUnwritable;
}

} // namespace

extern "C" TRX_FILTER_API int MainEntryPoint(const char* input, void* argument, char* /*outName*/, char** /*arguments*/,
                                             int /*unused1*/, int /*unused2*/)
{
    try {
        return convert(input, static_cast<const char*>(argument));
    } catch (...) {
        return kInputUnreadable;
    }
}
