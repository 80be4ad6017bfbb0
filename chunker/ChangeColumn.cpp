#include "chunker/ChangeColumn.h"

#include "chunker/ChunkerColumnNode.h"
#include "chunker/ChunkerColumnNodeXlator.h"
#include "chunker/HostRecords.h"
#include "chunker/NodeEditing.h"
#include "chunker/WordParagraphNode.h"
#include "core/Exceptions.h"
#include "model/CountedReference.h"
#include "model/NodeFactory.h"
#include "model/PageProperties.h"
#include "model/PendingNode.h"
#include "model/SectionProperties.h"
#include "trx/changes.h"

namespace {

constexpr const char* kNoParentAtClose = "REQUIRE: pNodeParent != NULL\n\tFile: ChCColum  ln(45)";
constexpr const char* kNoParentAbove = "REQUIRE: pNodeParent != NULL\n\tFile: ChCColum  ln(74)";
constexpr const char* kNoSection = "REQUIRE: pNodeSection != NULL\n\tFile: ChCColum  ln(94)";
constexpr const char* kNoColumnToAdd = "REQUIRE: pNodeColumn != NULL\n\tFile: ChCColum  ln(170)";
constexpr const char* kNoColumnToComplete = "REQUIRE: pNodeColumn != NULL\n\tFile: ChCColum  ln(197)";

constexpr std::size_t kColumnRecordSize = CHCOLUMNS_RECORD_SIZE;
static_assert(holdsField(kColumnRecordSize, CHCOLUMNS_SPACING), "the column fields lie in their record");
// A record with more equal columns than this is taken as damaged and gets
// none computed, rather than making the reader lay out an unbounded number.
constexpr uint32_t kMaxEqualColumns = 4096;

constexpr std::size_t kColumnDefinitionSize = CHCOLUMN_RECORD_SIZE;
static_assert(holdsField(kColumnDefinitionSize, CHCOLUMN_GUTTER), "the column definition fields lie in their record");

uint32_t marginValue(const CPageProperties& page, CDimension& (CPageProperties::*get)(CDimension&) const)
{
    CDimension margin;
    return static_cast<uint32_t>((page.*get)(margin).getValue());
}

// `count` columns of one width sharing the page's text width, `spacing`
// apart; the arithmetic is the host's, in unsigned 32 bits.
void addEqualColumns(CColumnProperties& columns, const CPageProperties& page, uint32_t count, uint32_t spacing)
{
    const uint32_t textWidth = page.getWidth() - marginValue(page, &CPageProperties::getLeftMargin) -
                               marginValue(page, &CPageProperties::getRightMargin);
    const CDimension width = hostLength(kDimensionExact, (textWidth - (count - 1) * spacing) / count);
    for (uint32_t column = 1; column <= count; ++column) {
        const uint32_t gutter = column < count ? spacing : 0;
        columns.addColumnDefinition(CColumnDefinition(width, hostLength(kDimensionExact, gutter)));
    }
}

CPageProperties* pagePropertiesAbove(INode* node)
{
    INode* section = CChunkerColumnNodeXlator::sectionAbove(node);
    ISectionProperties* properties = section ? sectionPropertiesOf(section) : nullptr;
    return properties ? properties->getPageProperties() : nullptr;
}

void acceptAnyNode(INode&)
{
}

} // namespace

uint32_t CChangeColumn::process(INode*& current)
{
    switch (getChangeType()) {
    case CHCHANGE_BEGIN_COLUMNS:
        openGroup(current);
        break;
    case CHCHANGE_ADD_COLUMN:
        addColumn(current);
        break;
    case CHCHANGE_COLUMNS_DONE:
        completeColumns(current);
        break;
    case CHCHANGE_END_COLUMNS:
        closeGroup(current);
        break;
    default:
        break;
    }
    return 0;
}

// The paragraph moves into a new column node in its place; the cursor
// stays on it.
void CChangeColumn::openGroup(INode* cursor)
{
    INode* section = cursor->getParentNode();
    if (!section)
        throw ExNodeParsingError(kNoSection);
    CPendingNode column(cursor->getNodeFactory()->createNode(kChunkerColumnNode));
    section->detachNode(cursor);
    // Owned while it is out of the tree: a failure before it is in the
    // column releases it rather than losing it.
    CPendingNode moved(cursor);
    section->attachNode(column.get());
    column.get()->attachNode(moved.get());
    moved.take();
    readColumnLayout(dynamic_cast<CChunkerColumnNode&>(*column.take()));
}

void CChangeColumn::readColumnLayout(CChunkerColumnNode& group)
{
    const auto record = readDataRecord<kColumnRecordSize>(*this, getValue1());
    const uint32_t flags = readBigEndian32(record.data(), CHCOLUMNS_FLAGS);
    const uint32_t count = readBigEndian32(record.data(), CHCOLUMNS_COUNT);
    auto columns = makeCounted<CColumnProperties>();
    columns->setLeftOffset(
        COffset(kOffsetFromLeftMargin, static_cast<int32_t>(readBigEndian32(record.data(), CHCOLUMNS_LEFT_OFFSET))));
    columns->setBalanced((flags & CHCOLUMNS_BALANCED) != 0);
    CPageProperties* page = pagePropertiesAbove(&group);
    if ((flags & CHCOLUMNS_EQUAL) && count >= 1 && count <= kMaxEqualColumns && page)
        addEqualColumns(*columns.get(), *page, count, readBigEndian32(record.data(), CHCOLUMNS_SPACING));
    group.setColumnProperties(columns.get());
}

void CChangeColumn::addColumn(INode* cursor)
{
    INode* column = cursor->getParentNode();
    if (!column)
        throw ExNodeParsingError(kNoColumnToAdd);
    auto* group = dynamic_cast<CChunkerColumnNode*>(column);
    CColumnProperties* columns = group ? group->getColumnProperties() : nullptr;
    if (!columns)
        return;
    const auto record = readDataRecord<kColumnDefinitionSize>(*this, getValue1());
    const CDimension width = hostLength(kDimensionExact, readBigEndian32(record.data(), CHCOLUMN_WIDTH));
    const CDimension gutter = hostLength(kDimensionExact, readBigEndian32(record.data(), CHCOLUMN_GUTTER));
    columns->addColumnDefinition(CColumnDefinition(width, gutter));
}

void CChangeColumn::completeColumns(INode* cursor)
{
    INode* column = cursor->getParentNode();
    if (!column)
        throw ExNodeParsingError(kNoColumnToComplete);
    column->propertiesDone();
}

// Outside a column group there is nothing to close. The group continues
// after its end in a copy of its last paragraph, in the section.
void CChangeColumn::closeGroup(INode*& cursor)
{
    INode* column = cursor->getParentNode();
    if (!column)
        throw ExNodeParsingError(kNoParentAtClose);
    if (column->getContentInterfaceID() != kChunkerColumnNode)
        return;
    CWordParagraphNode& paragraph = wordParagraph(cursor);
    CPendingNode next(cursor->clone(INode::kCloneNodeOnly));
    closeParagraph(paragraph);
    INode* section = closeUpTo(column, kSectionNode, kNoParentAbove, acceptAnyNode);
    section->attachNode(next.get());
    cursor = next.take();
}
