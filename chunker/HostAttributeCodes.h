// The host's character attribute codes (value 1 of an attribute change and
// of a style relation change) of the on/off attributes and of the case
// modifiers.
#pragma once

#include "model/StrandFlags.h"
#include "model/StrandProperties.h"
#include "trx/changes.h"

#include <cstdint>

// The code of each on/off attribute, one row per attribute.
struct SHostFlagCode {
    EStrandFlag flag;
    uint32_t code;
};

inline constexpr SHostFlagCode kHostFlagCodes[] = {
    {kFlagBold, CHATTR_BOLD},
    {kFlagEmbossed, CHATTR_EMBOSSED},
    {kFlagEngraved, CHATTR_ENGRAVED},
    {kFlagFlashing, CHATTR_FLASHING},
    {kFlagHidden, CHATTR_HIDDEN},
    {kFlagItalic, CHATTR_ITALIC},
    {kFlagOutline, CHATTR_OUTLINE},
    {kFlagProtected, CHATTR_PROTECTED},
    {kFlagReverse, CHATTR_REVERSE},
    {kFlagRevisionAdded, CHATTR_REVISION_ADDED},
    {kFlagRevisionDeleted, CHATTR_REVISION_DELETED},
    {kFlagShadow, CHATTR_SHADOW},
};

static_assert(coversEveryFlag(kHostFlagCodes), "one host code per on/off attribute, in the order of EStrandFlag");

// The on/off attribute a code names; null for any other code.
const SHostFlagCode* flagOfHostCode(uint32_t code);

// The case modifier a code stands for; false for any other code.
bool caseOfHostCode(uint32_t code, ECaseModifierTypes& modifier);

// The attribute that a style relation naming `code` takes from the style,
// for the codes of the attributes that are not on/off or case: each value
// of a many-valued attribute (every underline, both scriptings, strike-out)
// stands for the whole attribute, and the codes that name a font, size,
// colour, width adjustment, kerning or language stand for it. False for any
// other code.
bool styleAttributeOfHostCode(uint32_t code, ESameAsStrandProperties& attribute);
