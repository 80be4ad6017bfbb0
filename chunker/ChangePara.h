// Paragraph formatting changes (alignment, indents, spacing, tabs,
// hyphenation, keeps, borders, shading, widow and orphan control) reach the
// properties of the current paragraph.
#pragma once

#include "chunker/Change.h"
#include "chunker/ChunkerBorder.h"
#include "chunker/ChunkerShade.h"

class CWordParagraphNode;
class CTabDefinitions;

class CChangePara : public CChange {
public:
    // Applies one change to the paragraph; the cursor does not move. Border
    // and shading records are read from this handler's own data list.
    uint32_t process(INode*& pNodeParent) override;

private:
    void setIndents(CWordParagraphNode& paragraph);
    void setLineSpacing(CWordParagraphNode& paragraph);
    void clearTabs(CWordParagraphNode& paragraph);
    void addTab(CWordParagraphNode& paragraph);
    void removeTabs(CWordParagraphNode& paragraph);
    void setDefaultTabWidth(CWordParagraphNode& paragraph);
    void setHyphenationZone(CWordParagraphNode& paragraph);
    void setBorders(CWordParagraphNode& paragraph);
    void setShading(CWordParagraphNode& paragraph);
    void setOneIndent(CWordParagraphNode& paragraph);
    void setWidowOrphan(CWordParagraphNode& paragraph);
    // The paragraph's tab definitions, made first when it has none; null
    // only for a paragraph without properties.
    static CTabDefinitions* tabsOf(CWordParagraphNode& paragraph);

    CChunkerBorder m_border;
    CChunkerShade m_shade;
};
