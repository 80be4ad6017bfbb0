// Page changes fill the page layout of the section the text is in: page
// size, orientation and margins, page borders, binding, how the section
// starts, the footnote and endnote areas and the sub-document slots.
#pragma once

#include "chunker/Change.h"
#include "chunker/ChunkerBorder.h"

class CPageProperties;
class ISectionProperties;

class CChangePage : public CChange {
public:
    uint32_t process(INode*& current) override;

private:
    void setPageBorders(CPageProperties& page);
    void setBindingWidth(CPageProperties& page);
    void setBindingType(CPageProperties& page);
    void setNoteArea(ISectionProperties& section);
    void setSlot(INode* section);

    CChunkerBorder m_border;
};
