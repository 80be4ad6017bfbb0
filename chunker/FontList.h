// The host's font list (list 12): each item names a font by id, with its
// name in the property text list and its character set.
#pragma once

#include "chunker/ItemLists.h"

class IFontDefinitionTableContent;

// A font item as the host copies it.
struct SFontItem {
    uint32_t id;
    uint32_t unused;
    uint32_t nameId;
    uint32_t nameLength;
    uint32_t charSet;
};
static_assert(sizeof(SFontItem) == CHRECORD_SIZE_FONT, "the host copies a whole font item");

class CFontList : public CChunkerList {
public:
    CFontList() : CChunkerList(CHLIST_FONTS) {}

    // TRXERR_OK, TRXERR_NOITEM or TRXERR_BADPARAM (both end the fonts).
    TRXERR getNextElement();
    // Adds the current font to the table; its name becomes a string whose
    // wide-string default is `defaultCharSet`.
    uint32_t processNextElement(IFontDefinitionTableContent& fontTable, uint32_t defaultCharSet);

private:
    SFontItem m_item = {};
    CPropertyTextList m_names;
};
