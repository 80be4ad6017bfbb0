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

struct SHostStyleAttributeCode {
    uint32_t code;
    ESameAsStrandProperties attribute;
};

constexpr SHostStyleAttributeCode kHostStyleAttributeCodes[] = {
    {CHATTR_UNDERLINE, kSameAsUnderline},
    {CHATTR_DOUBLE_UNDERLINE, kSameAsUnderline},
    {CHATTR_WORD_UNDERLINE, kSameAsUnderline},
    {CHATTR_DOTTED_UNDERLINE, kSameAsUnderline},
    {CHATTR_OTHER_UNDERLINE, kSameAsUnderline},
    {CHATTR_THICK_UNDERLINE, kSameAsUnderline},
    {CHATTR_DASH_UNDERLINE, kSameAsUnderline},
    {CHATTR_DOT_DASH_UNDERLINE, kSameAsUnderline},
    {CHATTR_DOT_DOT_DASH_UNDERLINE, kSameAsUnderline},
    {CHATTR_WAVE_UNDERLINE, kSameAsUnderline},
    {CHATTR_SUBSCRIPT, kSameAsScripting},
    {CHATTR_SUPERSCRIPT, kSameAsScripting},
    {CHATTR_STRIKEOUT, kSameAsStrikeOut},
    {CHATTR_FONT_SIZE, kSameAsFontSize},
    {CHATTR_FONT, kSameAsFontName},
    {CHATTR_TEXT_COLOR, kSameAsColor},
    {CHATTR_BACKGROUND_COLOR, kSameAsColor},
    {CHATTR_WIDTH_ADJUSTMENT, kSameAsCharacterWidthAdjustment},
    {CHATTR_PAIR_KERNING, kSameAsPairKerningStart},
    {CHATTR_LANGUAGE, kSameAsLanguage},
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

bool styleAttributeOfHostCode(uint32_t code, ESameAsStrandProperties& attribute)
{
    const SHostStyleAttributeCode* row = findCode(kHostStyleAttributeCodes, code);
    if (row)
        attribute = row->attribute;
    return row != nullptr;
}
