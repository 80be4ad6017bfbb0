#include "chunker/ChangeBreak.h"

#include "chunker/HostRecords.h"
#include "chunker/NodeEditing.h"
#include "chunker/WordParagraphDynXlator.h"
#include "chunker/WordParagraphNode.h"
#include "chunker/WordTableRowNode.h"
#include "core/Exceptions.h"
#include "model/CharacterSets.h"
#include "model/EndOfParagraphCSNode.h"
#include "model/NodeFactory.h"
#include "model/NodeUtilities.h"
#include "model/NumberingLevelDefinition.h"
#include "model/ParagraphNumbering.h"
#include "model/PendingNode.h"
#include "model/TableNodes.h"
#include "trx/changes.h"
#include "trx/platform.h"

namespace {

constexpr const char* kParagraphOutsideTree = "REQUIRE: pNodeParent != NULL\n\tFile: ChCBreak  ln(59)";
constexpr const char* kRowEndOutsideCell = "REQUIRE: pNodeCell != NULL\n\tFile: ChCBreak  ln(150)";
constexpr const char* kRowEndOutsideRow = "REQUIRE: pNodeRow != NULL\n\tFile: ChCBreak  ln(152)";
constexpr const char* kRowEndOutsideTable = "REQUIRE: pNodeTable != NULL\n\tFile: ChCBreak  ln(154)";
constexpr const char* kCellEndOutsideCell = "REQUIRE: pNodeCell != NULL\n\tFile: ChCBreak  ln(277)";
constexpr const char* kCellEndOutsideRow = "REQUIRE: pNodeRow != NULL\n\tFile: ChCBreak  ln(279)";
constexpr const char* kSectionBreakOutsideTree = "REQUIRE: pNodeParent != NULL\n\tFile: ChCBreak  ln(386)";
constexpr const char* kSectionBreakOutsideSection = "REQUIRE: pNodeParent != NULL\n\tFile: ChCBreak  ln(398)";
constexpr const char* kSectionBreakInRow =
    "REQUIRE: pNodeParent->getContentInterfaceID() != kTableRowNode\n\tFile: ChCBreak  ln(399)";
constexpr const char* kSectionWithoutParent = "REQUIRE: pNodeParent != NULL\n\tFile: ChCBreak  ln(415)";
constexpr const char* kNoDocumentForProperties = "REQUIRE: pNodeParent != NULL\n\tFile: ChCBreak  ln(443)";
constexpr const char* kDocumentEndOutsideTree = "REQUIRE: pNodeParent != NULL\n\tFile: ChCBreak  ln(455)";
constexpr const char* kDocumentEndInHeaderFooter =
    "REQUIRE: pNodeParent->getContentInterfaceID() != kHeaderFooterNode\n\tFile: ChCBreak  ln(469)";
constexpr const char* kDocumentEndInNote =
    "REQUIRE: pNodeParent->getContentInterfaceID() != kNoteCSNode\n\tFile: ChCBreak  ln(470)";
constexpr const char* kDocumentEndInStyle = "REQUIRE: pNodeParent is not a style\n\tFile: ChCBreak";
constexpr const char* kDocumentEndInSummary = "REQUIRE: pNodeParent is not a summary item\n\tFile: ChCBreak";
constexpr const char* kDocumentEndInComment =
    "REQUIRE: pNodeParent->getContentInterfaceID() != kCommentCSNode\n\tFile: ChCBreak";
constexpr const char* kDocumentEndInFrame =
    "REQUIRE: pNodeParent->getContentInterfaceID() != kFrameCSNode\n\tFile: ChCBreak";
constexpr const char* kDocumentEndInNestedParagraph =
    "REQUIRE: pNodeParent->getContentInterfaceID() != kParagraphNode\n\tFile: ChCBreak";
constexpr const char* kDocumentEndOutsideDocument = "REQUIRE: pNodeParent != NULL\n\tFile: ChCBreak  ln(473)";

// The cell format record's borders, and the fields this reader takes from it.
constexpr SBorderOffsets kCellBorders{CHCELL_TOP_BORDER, CHCELL_LEFT_BORDER, CHCELL_BOTTOM_BORDER, CHCELL_RIGHT_BORDER};
static_assert(holdsField(CHRECORD_SIZE_CELL_FORMAT, CHCELL_ALIGN) &&
                  holdsField(CHRECORD_SIZE_CELL_FORMAT, CHCELL_SHADING, CChunkerShade::kRecordSize) &&
                  holdsBorders(CHRECORD_SIZE_CELL_FORMAT, kCellBorders),
              "the cell format fields lie in the host's cell format record");

// 1 for a merge with the cell before (above), 2 with the cell after
// (below), 3 for both.
uint32_t mergeCode(uint32_t flags, uint32_t withBefore, uint32_t withAfter)
{
    return ((flags & withBefore) ? 1u : 0u) | ((flags & withAfter) ? 2u : 0u);
}

EVerticalAlignment verticalAlignment(uint32_t code)
{
    switch (code) {
    case CHCELL_ALIGN_CENTER:
        return kVerticalAlignCenter;
    case CHCELL_ALIGN_BOTTOM:
        return kVerticalAlignBottom;
    default:
        return kVerticalAlignTop;
    }
}

// In a Japanese double-byte paragraph the generated numbers of its list
// level are shown in the Asian font of the paragraph's text.
void useAsianFontForNumbers(CWordParagraphNode& paragraph)
{
    CFontDefinition* asianFont = paragraph.getStrandProperties()->getFontNameAsian();
    CParagraphNumbering* numbering = paragraph.getParagraphNumbering();
    if (paragraph.getWideStringDefaultCharacterSet() != kCharSetCp932 || !numbering || !asianFont)
        return;
    CNumberingLevelDefinition* level = numbering->getNumberingLevelDefinition();
    if (!level)
        return;
    for (CNumberingStyle* style : level->getNumberingStyles()) {
        if (IStrandProperties* numberProperties = style->getGeneratedNumberProps())
            numberProperties->setFontName(asianFont);
    }
}

void rejectTableRowAbove(INode& node)
{
    INode* parent = node.getParentNode();
    if (parent && parent->getContentInterfaceID() == kTableRowNode)
        throw ExNodeParsingError(kSectionBreakInRow);
}

// The document's text cannot end inside a header, footer, note, comment or
// frame, a style definition or summary item whose end never came, nor in a
// paragraph inside another paragraph (the text of a tag that never ended,
// which would otherwise be written after the paragraph holding it).
void rejectSubDocument(INode& node)
{
    switch (node.getContentInterfaceID()) {
    case kHeaderFooterNode:
        throw ExMisformedChunkerDataError(kDocumentEndInHeaderFooter);
    case kNoteCSNode:
        throw ExMisformedChunkerDataError(kDocumentEndInNote);
    case kParagraphStyleNode:
    case kStrandStyleNode:
    case kListStyleNode:
        throw ExMisformedChunkerDataError(kDocumentEndInStyle);
    case kDocumentSummaryNode:
        throw ExMisformedChunkerDataError(kDocumentEndInSummary);
    case kCommentCSNode:
        throw ExMisformedChunkerDataError(kDocumentEndInComment);
    case kFrameCSNode:
        throw ExMisformedChunkerDataError(kDocumentEndInFrame);
    case kParagraphNode:
        throw ExMisformedChunkerDataError(kDocumentEndInNestedParagraph);
    default:
        break;
    }
}

} // namespace

uint32_t CChangeBreak::process(INode*& current)
{
    switch (getValue1()) {
    case CHBREAK_PARAGRAPH_END:
        endParagraph(current);
        break;
    case CHBREAK_COLUMN:
        addColumnBreak(current);
        break;
    case CHBREAK_CELL_END:
        endCell(current);
        break;
    case CHBREAK_ROW_END:
        endRow(current);
        break;
    case CHBREAK_SECTION:
        endSection(current);
        break;
    case CHBREAK_DOCUMENT_END:
        return endDocument(current);
    case CHBREAK_DOCUMENT_PROPERTIES_DONE:
        completeDocumentProperties(current);
        break;
    default:
        break;
    }
    return 0;
}

// The paragraph keeps its end mark in its properties, not among its
// children; it is marked done even when empty, so that an empty line stays.
void CChangeBreak::endParagraph(INode*& cursor)
{
    INode* parent = requireParent(cursor, kParagraphOutsideTree);
    CWordParagraphNode& paragraph = wordParagraph(cursor);
    CPendingNode next(cursor->clone(INode::kCloneNodeOnly));
    INode* marker = cursor->getNodeFactory()->createNode(kEndOfParagraphCSNode);
    IEndOfParagraphCSContent& mark = requireContent(marker->getIContent()->getEndOfParagraphContent());
    // The paragraph's properties own the mark from here on.
    paragraph.setEndMarker(&mark);
    useAsianFontForNumbers(paragraph);
    paragraph.giveRunningFormat(mark);
    cursor->done();
    parent->attachNode(next.get());
    cursor = next.take();
}

void CChangeBreak::addColumnBreak(INode* cursor)
{
    CWordParagraphNode& paragraph = wordParagraph(cursor);
    paragraph.appendStrand(*cursor->getNodeFactory()->createNode(kColumnBreakCSNode));
}

// The finished cell is completed with its row.
void CChangeBreak::endCell(INode*& cursor)
{
    INode* cell = requireParent(cursor, kCellEndOutsideCell);
    INode* row = requireParent(cell, kCellEndOutsideRow);
    CWordParagraphNode& paragraph = wordParagraph(cursor);
    CPendingNode nextParagraph(cursor->clone(INode::kCloneNodeOnly));
    CPendingNode nextCell(cell->clone(INode::kCloneNodeOnly));
    closeParagraph(paragraph);
    row->attachNode(nextCell.get());
    nextCell.take()->attachNode(nextParagraph.get());
    cursor = nextParagraph.take();
}

// The cell holding the cursor was opened by the row's last cell end and
// holds nothing of the document: it goes, and the row's cells get their
// formats before the row is completed.
void CChangeBreak::endRow(INode*& cursor)
{
    INode* cell = requireParent(cursor, kRowEndOutsideCell);
    INode* row = requireParent(cell, kRowEndOutsideRow);
    INode* table = requireParent(row, kRowEndOutsideTable);
    auto& formats = dynamic_cast<CWordTableRowNode&>(*row);
    CPendingNode nextParagraph(cursor->clone(INode::kCloneNodeOnly));
    CPendingNode nextCell(cell->clone(INode::kCloneNodeOnly));
    CPendingNode nextRow(row->clone(INode::kCloneNodeOnly));
    cell->release();
    uint32_t index = 0;
    for (ChildIterator it = row->getFirstChild(); it != row->getTermChild(); ++it) {
        if (const unsigned char* record = formats.getCellInfo(index++))
            applyCellFormat(record, requireContent((*it)->getIContent()->getTableCellContent()));
    }
    row->done();
    table->attachNode(nextRow.get());
    nextRow.take()->attachNode(nextCell.get());
    nextCell.take()->attachNode(nextParagraph.get());
    cursor = nextParagraph.take();
}

void CChangeBreak::applyCellFormat(const unsigned char* record, ITableCellContent& cell) const
{
    cell.setWidth(hostLength(kDimensionExact, readBigEndian32(record, CHCELL_WIDTH)));
    cell.setLeftGutter(hostLength(kDimensionExact, readBigEndian32(record, CHCELL_LEFT_GUTTER)));
    cell.setRightGutter(hostLength(kDimensionExact, readBigEndian32(record, CHCELL_RIGHT_GUTTER)));
    cell.setVerticalAlignment(verticalAlignment(readBigEndian32(record, CHCELL_ALIGN) >> CHCELL_ALIGN_SHIFT));
    const uint32_t merge = readBigEndian32(record, CHCELL_MERGE);
    cell.setMergeHorizontal(static_cast<EMergeHorizontal>(mergeCode(merge, CHCELL_MERGE_BEFORE, CHCELL_MERGE_AFTER)));
    cell.setMergeVertical(static_cast<EMergeVertical>(mergeCode(merge, CHCELL_MERGE_ABOVE, CHCELL_MERGE_BELOW)));
    CShading shading;
    m_shade.transfer(record + CHCELL_SHADING, shading);
    cell.setShading(shading);
    cell.setBorders(convertBorders(m_border, record, kCellBorders));
}

// The new section and its first paragraph continue the old ones; the
// paragraph marks the new section's properties complete when its first
// text arrives.
void CChangeBreak::endSection(INode*& cursor)
{
    CWordParagraphNode& paragraph = wordParagraph(cursor);
    CPendingNode nextParagraph(cursor->clone(INode::kCloneNodeOnly));
    new CWordParagraphDynXlator(nextParagraph.get());
    INode* parent = requireParent(cursor, kSectionBreakOutsideTree);
    closeParagraph(paragraph);
    INode* section = closeUpTo(parent, kSectionNode, kSectionBreakOutsideSection, rejectTableRowAbove);
    CPendingNode nextSection(section->clone(INode::kCloneNodeOnly));
    INode* sectionParent = requireParent(section, kSectionWithoutParent);
    section->done();
    sectionParent->attachNode(nextSection.get());
    nextSection.take()->attachNode(nextParagraph.get());
    cursor = nextParagraph.take();
}

uint32_t CChangeBreak::endDocument(INode* cursor)
{
    CWordParagraphNode& paragraph = wordParagraph(cursor);
    INode* parent = requireParent(cursor, kDocumentEndOutsideTree);
    closeParagraph(paragraph);
    closeUpTo(parent, kDocumentNode, kDocumentEndOutsideDocument, rejectSubDocument)->done();
    return TRXERR_NOITEM;
}

// Only the first mark counts.
void CChangeBreak::completeDocumentProperties(INode* cursor)
{
    if (!m_documentPropertiesOpen)
        return;
    m_documentPropertiesOpen = false;
    INode* document = CNodeUtilities::findParent(cursor, kDocumentNode);
    if (!document)
        throw ExNodeParsingError(kNoDocumentForProperties);
    document->propertiesDone();
}
