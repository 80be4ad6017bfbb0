#include "chunker/HostAttributeCodes.h"

#include <algorithm>
#include <iterator>

namespace {

struct SHostCaseCode {
    uint32_t code;
    ECaseModifierTypes modifier;
};

constexpr SHostCaseCode kHostCaseCodes[] = {
    {CHATTR_SMALL_CAPS, kCaseSmallCapitals},
    {CHATTR_ALL_CAPS, kCaseAllCapitals},
    {CHATTR_LOWER_CASE, kCaseLower},
    {CHATTR_TITLE_CASE, kCaseTitle},
};

// The row of `rows` for `code`, or null.
template <class Row, std::size_t N>
const Row* findCode(const Row (&rows)[N], uint32_t code)
{
    const Row* found =
        std::find_if(std::begin(rows), std::end(rows), [code](const Row& row) { return row.code == code; });
    return found == std::end(rows) ? nullptr : found;
}

} // namespace

const SHostFlagCode* flagOfHostCode(uint32_t code)
{
    return findCode(kHostFlagCodes, code);
}

bool caseOfHostCode(uint32_t code, ECaseModifierTypes& modifier)
{
    const SHostCaseCode* row = findCode(kHostCaseCodes, code);
    if (row)
        modifier = row->modifier;
    return row != nullptr;
}
