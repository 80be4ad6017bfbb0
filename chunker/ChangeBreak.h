// Breaks close the node the text is in and continue in a copy of it, which
// carries its formatting forward: the end of a paragraph, of a table cell or
// row, of a section and of the document. A column break in the text and the
// first mark that the document's properties are complete come as breaks
// too.
#pragma once

#include "chunker/Change.h"
#include "chunker/ChunkerBorder.h"
#include "chunker/ChunkerShade.h"

class ITableCellContent;

class CChangeBreak : public CChange {
public:
    // 37 (the normal end of reading) for the end of the document, else 0.
    uint32_t process(INode*& current) override;

private:
    void endParagraph(INode*& cursor);
    void addColumnBreak(INode* cursor);
    void endCell(INode*& cursor);
    void endRow(INode*& cursor);
    void applyCellFormat(const unsigned char* record, ITableCellContent& cell) const;
    void endSection(INode*& cursor);
    uint32_t endDocument(INode* cursor);
    void completeDocumentProperties(INode* cursor);

    CChunkerBorder m_border;
    CChunkerShade m_shade;
    bool m_documentPropertiesOpen = true;
};
