// A run of characters (a text change) becomes a text strand of the current
// paragraph, carrying a copy of the paragraph's running character state.
#pragma once

#include "chunker/Change.h"
#include "chunker/ItemLists.h"

#include <cstdint>

class CChangeList;
class CCharacterString;
class CWordParagraphNode;
// A text run longer than this cannot come from a sound document; the bound
// keeps a damaged count from asking for gigabytes before the host is asked
// for the units.
constexpr uint32_t kMaxTextRunLength = 0x100000;

// The `count` characters from unit `firstUnit` on of `texts`, in the
// paragraph's character sets; a count above kMaxTextRunLength is misformed
// data, raised with `tooLong`.
CCharacterString readTextRun(CTextList& texts, uint32_t firstUnit, uint32_t count, const CWordParagraphNode& paragraph,
                             const char* tooLong);
// A property text: the text of the property-text change `changeId` of
// `changes` (value 1 its first unit in `texts`, value 3 its length), in the
// paragraph's character sets. A change list that ends before it is misformed
// data, raised with `missing`; so is a length above `maxLength`, raised with
// `tooLong`.
struct SPropertyTextFailures {
    uint32_t maxLength;
    const char* missing;
    const char* tooLong;
};
CCharacterString readPropertyText(CChangeList& changes, CPropertyTextList& texts, uint32_t changeId,
                                  const CWordParagraphNode& paragraph, const SPropertyTextFailures& failures);
// A text strand node holding `text`, with the paragraph's character style
// and its own copy of the paragraph's running character formatting; null
// when the factory makes none.
INode* newTextStrand(CWordParagraphNode& paragraph, const CCharacterString& text);

class CChangeText : public CChange {
public:
    // Value 1 is the id of the run's first character in the text list,
    // value 2 the number of characters. The cursor does not move.
    uint32_t process(INode*& pNodeParent) override;

private:
    CTextList m_textList;
};
