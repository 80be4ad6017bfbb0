// The host's character attribute codes (value 1 of an attribute change and
// of a style relation change) of the on/off attributes and of the case
// modifiers.
#pragma once

#include "chunker/WordParagraphNode.h"
#include "model/StrandFlags.h"
#include "model/StrandProperties.h"
#include "trx/changes.h"

#include <cstdint>

// The code of each on/off attribute, one row per attribute, with the
// paragraph's setter of the following text's attribute.
struct SHostFlagCode {
    EStrandFlag flag;
    uint32_t code;
    void (CWordParagraphNode::*set)(bool);
};

inline constexpr SHostFlagCode kHostFlagCodes[] = {
    {kFlagBold, CHATTR_BOLD, &CWordParagraphNode::setBold},
    {kFlagEmbossed, CHATTR_EMBOSSED, &CWordParagraphNode::setEmbossed},
    {kFlagEngraved, CHATTR_ENGRAVED, &CWordParagraphNode::setEngraved},
    {kFlagFlashing, CHATTR_FLASHING, &CWordParagraphNode::setFlashing},
    {kFlagHidden, CHATTR_HIDDEN, &CWordParagraphNode::setHidden},
    {kFlagItalic, CHATTR_ITALIC, &CWordParagraphNode::setItalic},
    {kFlagOutline, CHATTR_OUTLINE, &CWordParagraphNode::setOutline},
    {kFlagProtected, CHATTR_PROTECTED, &CWordParagraphNode::setProtected},
    {kFlagReverse, CHATTR_REVERSE, &CWordParagraphNode::setReverse},
    {kFlagRevisionAdded, CHATTR_REVISION_ADDED, &CWordParagraphNode::setRevisionAdd},
    {kFlagRevisionDeleted, CHATTR_REVISION_DELETED, &CWordParagraphNode::setRevisionDelete},
    {kFlagShadow, CHATTR_SHADOW, &CWordParagraphNode::setShadow},
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
