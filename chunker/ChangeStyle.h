// Style changes: which style governs the text that follows (apply a style),
// and how one character attribute of the running formatting relates to the
// style's (a style relation).
#pragma once

#include "chunker/Change.h"

#include <cstdint>

class CWordParagraphNode;
class IStyleContent;
class IStyleTableContent;

class CChangeStyle : public CChange {
public:
    // Both kinds need the document above the cursor (ExNodeParsingError
    // without one); the cursor does not move.
    uint32_t process(INode*& pNodeParent) override;

private:
    // Value 2 is the style id. An id the table does not hold stands for a
    // list style, which is made and added to the table with that id.
    void applyStyle(CWordParagraphNode& paragraph, IStyleTableContent& table);
    void applyParagraphStyle(CWordParagraphNode& paragraph, IStyleContent* style);
    void applyListStyle(CWordParagraphNode& paragraph, IStyleTableContent& table, IStyleContent* style);
    // Value 1 is the attribute code, value 3 the relation.
    void relateToStyle(CWordParagraphNode& paragraph);
    void setSameAsStyle(CWordParagraphNode& paragraph, uint32_t code);
    void setOppositeOfStyle(CWordParagraphNode& paragraph, uint32_t code);
};
