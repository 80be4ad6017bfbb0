#include "icf/ICFSectionNodeWriter.h"

#include "icf/ICFBorders.h"
#include "icf/ICFCommandWriter.h"
#include "icf/ICFHeaderFooterNodeWriter.h"
#include "icf/ICFOffset.h"
#include "icf/ICFParameter.h"
#include "icf/ICFStrandUtilities.h"
#include "icf/ICFVocabulary.h"
#include "icf/ICFWriter.h"
#include "model/ColumnProperties.h"
#include "model/HeaderFooterNode.h"
#include "model/NoteAreaProperties.h"
#include "model/NumberingStyle.h"
#include "model/PageProperties.h"
#include "model/SectionNode.h"
#include "model/Units.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Page numbers restart only below this value; at it they run on.
constexpr uint16_t kPageNumbersRunOn = 0xFFFF;
constexpr unsigned long kBalancedColumnsFlag = 0x20;
constexpr unsigned long kFootnoteAreaCode = 0;
constexpr unsigned long kEndnoteAreaCode = 2;

using MarginGetter = CDimension& (CPageProperties::*)(CDimension&) const;

uint32_t twips(const CDimension& length)
{
    return static_cast<uint32_t>(length.getValue());
}

// 0 without page properties.
uint32_t margin(const CPageProperties* page, MarginGetter get)
{
    CDimension length;
    return page ? twips((page->*get)(length)) : 0;
}

void writePageHeight(CICFWriter* writer, uint32_t height)
{
    if (height == 0)
        return;
    const uint32_t lines = height / kTwipsPerLine;
    CICFCommandWriter::writeDecimalCmd(writer, kCmdPageHeight, {lines, lines, lines, lines, height, height});
}

void writePageWidth(CICFWriter* writer, uint32_t width)
{
    if (width != 0)
        CICFCommandWriter::writeDecimalCmd(writer, kCmdPageWidth, {width / kTwipsPerColumn, width});
}

void writeTopAndBottomMargins(CICFWriter* writer, const CPageProperties& page)
{
    const uint32_t top = margin(&page, &CPageProperties::getTopMargin);
    CICFCommandWriter::writeDecimalCmd(writer, kCmdTopMargin, {0, top / kTwipsPerLine, top});
    const uint32_t bottom = margin(&page, &CPageProperties::getBottomMargin);
    CICFCommandWriter::writeDecimalCmd(writer, kCmdBottomMargin, {bottom / kTwipsPerLine, bottom});
}

// The right margin is written as the distance of the text's right edge
// from the left page edge.
void writeSideMargins(CICFWriter* writer, const CPageProperties& page)
{
    const uint32_t left = margin(&page, &CPageProperties::getLeftMargin);
    const uint32_t right = margin(&page, &CPageProperties::getRightMargin);
    const uint32_t width = page.getWidth();
    const uint32_t textRight = right < width ? width - right : 0;
    CICFCommandWriter::writeDecimalCmd(writer, kCmdSideMargins,
                                       {0, 0, left / kTwipsPerLine, textRight / kTwipsPerLine, left, textRight});
}

void writeBinding(CICFWriter* writer, const CPageProperties& page)
{
    CBinding binding;
    page.getBinding(binding);
    if (binding.getType() != kBindingGutter)
        return;
    CDimension width;
    CICFCommandWriter::writeDecimalCmd(writer, kCmdBinding, {twips(binding.getWidth(width))});
}

void writePageNumberStart(CICFWriter* writer, uint16_t start)
{
    if (start == kPageNumbersRunOn)
        return;
    const unsigned long highByte = start >> 8;
    CICFCommandWriter::writeDecimalCmd(writer, kCmdPageNumberStart,
                                       {0, 0, highByte != 0 ? 1UL : 0UL, start & 0xFFUL, 0});
}

void writePageBorders(CICFWriter* writer, const CPageProperties& page)
{
    CRectangularBorders sides;
    CICFBorders(page.getBorders(sides)).writePBC(writer, kOnOffOn, kBorderClientPage);
}

int32_t widthOf(const CColumnDefinition& column)
{
    CDimension width;
    return column.getWidth(width).getValue();
}

uint32_t narrowestWidth(const ColumnDefinitionList& columns)
{
    int32_t narrowest = widthOf(columns.front());
    for (const CColumnDefinition& column : columns)
        narrowest = std::min(narrowest, widthOf(column));
    return static_cast<uint32_t>(narrowest);
}

// The ICF code of a note number's numbering type.
unsigned long noteNumberingCode(ENumberingTypes type)
{
    switch (type) {
    case kNumberingLowerLetters:
        return 1;
    case kNumberingUpperLetters:
        return 3;
    case kNumberingLowerRoman:
        return 4;
    case kNumberingUpperRoman:
        return 5;
    default:
        return 0;
    }
}

} // namespace

bool CICFSectionNodeWriter::queryInterface(int32_t id, void** out)
{
    if (!out || id != kICFPageAttributesInterface)
        return CICFContainerNodeWriter::queryInterface(id, out);
    *out = static_cast<IICFPageAttributes*>(this);
    return true;
}

uint32_t CICFSectionNodeWriter::getLeftMargin()
{
    return hasColumns() ? 0 : margin(getPageProperties(), &CPageProperties::getLeftMargin);
}

uint32_t CICFSectionNodeWriter::getRightMargin()
{
    return hasColumns() ? 0 : margin(getPageProperties(), &CPageProperties::getRightMargin);
}

uint32_t CICFSectionNodeWriter::getTopMargin()
{
    return margin(getPageProperties(), &CPageProperties::getTopMargin);
}

uint32_t CICFSectionNodeWriter::getBottomMargin()
{
    return margin(getPageProperties(), &CPageProperties::getBottomMargin);
}

uint32_t CICFSectionNodeWriter::getContainerWidth()
{
    if (hasColumns())
        return narrowestWidth(getColumnProperties()->getColumnDefinitionList());
    CPageProperties* page = getPageProperties();
    return page ? page->getWidth() : 0;
}

uint32_t CICFSectionNodeWriter::getContainerHeight()
{
    CPageProperties* page = getPageProperties();
    return page ? page->getHeight() : 0;
}

ISectionProperties* CICFSectionNodeWriter::getSectionProperties()
{
    return requireContent(getNode()->getIContent()->getSectionContent()).getProperties();
}

CPageProperties* CICFSectionNodeWriter::getPageProperties()
{
    ISectionProperties* properties = getSectionProperties();
    return properties ? properties->getPageProperties() : nullptr;
}

CColumnProperties* CICFSectionNodeWriter::getColumnProperties()
{
    ISectionProperties* properties = getSectionProperties();
    return properties ? properties->getColumnProperties() : nullptr;
}

bool CICFSectionNodeWriter::hasColumns()
{
    CColumnProperties* columns = getColumnProperties();
    return columns && !columns->getColumnDefinitionList().empty();
}

void CICFSectionNodeWriter::writeStartCommands()
{
    writeSectionStartOn();
    writePageProperties();
    ISectionProperties* properties = getSectionProperties();
    if (properties) {
        writeNoteAreaProperties(properties->getFootnoteProperties(), kFootnote);
        writeNoteAreaProperties(properties->getEndnoteProperties(), kEndnote);
    }
    writeHeadersFooters();
    writeColumnsStart();
    getICFWriter()->setSectionWritten(true);
}

void CICFSectionNodeWriter::writeEndCommands()
{
    writeColumnsEnd();
}

// The first section of the output needs no break before it.
void CICFSectionNodeWriter::writeSectionStartOn()
{
    CICFWriter* writer = getICFWriter();
    ISectionProperties* properties = getSectionProperties();
    if (writer->hasSectionBeenWritten() && properties && properties->getSectionStartOn() != kSectionStartContinuous)
        CICFCommandWriter().writeNoParamCmd(writer, kCmdNewPage);
}

void CICFSectionNodeWriter::writePageProperties()
{
    CPageProperties* page = getPageProperties();
    if (!page)
        return;
    CICFWriter* writer = getICFWriter();
    writePageHeight(writer, page->getHeight());
    writePageWidth(writer, page->getWidth());
    writeTopAndBottomMargins(writer, *page);
    writeSideMargins(writer, *page);
    writeBinding(writer, *page);
    writePageNumberStart(writer, static_cast<uint16_t>(page->getPageNumberStart()));
    CICFCommandWriter::writeDecimalCmd(writer, kCmdPageOrientation,
                                       {page->getPageOrientation() != kPortrait ? 1UL : 0UL});
    writePageBorders(writer, *page);
}

void CICFSectionNodeWriter::writeNoteAreaProperties(CNoteAreaProperties* area, ENoteType type)
{
    if (!area)
        return;
    CICFCommandWriter command;
    command.initialize(getICFWriter(), kCmdNoteArea);
    command.writeParameter(CICFHexParameter(type == kEndnote ? kEndnoteAreaCode : kFootnoteAreaCode));
    if (CNumberingStyle* numbers = area->getNumberStyle()) {
        command.writeParameter(CICFDecimalParameter(noteNumberingCode(numbers->getNumberingType())));
        CICFStrandUtilities::writeStrands(numbers->getPrefixStrandContents());
        command.writeParameter(CICFNullParameter());
        CICFStrandUtilities::writeStrands(numbers->getSuffixStrandContents());
        command.writeParameter(CICFNullParameter());
        command.writeParameter(CICFDecimalParameter(0));
        command.writeParameter(CICFNullParameter());
        command.writeParameter(CICFNullParameter());
    }
    command.done();
}

void CICFSectionNodeWriter::writeHeadersFooters()
{
    ISectionProperties* properties = getSectionProperties();
    if (!properties)
        return;
    writeHeadFootList(properties->getHeaderList());
    writeHeadFootList(properties->getFooterList());
}

// Headers and footers span the page between its side margins.
void CICFSectionNodeWriter::writeHeadFootList(const HeaderFooterList& list)
{
    CPageProperties* page = getPageProperties();
    const uint32_t left = margin(page, &CPageProperties::getLeftMargin);
    const uint32_t right = margin(page, &CPageProperties::getRightMargin);
    const uint32_t width = page ? page->getWidth() : 0;
    for (IHeaderFooterContent* entry : list) {
        auto* writer = dynamic_cast<CICFHeaderFooterNodeWriter*>(entry->getINode()->getNodeWriter());
        if (!writer)
            continue;
        writer->setLeftMargin(left);
        writer->setRightMargin(right);
        writer->setPageWidth(width);
        writer->write();
    }
}

// "CDS" gives each column's left and right edge from the page edge, first
// in character columns, then in twips; a column's gutter lies inside its
// width.
void CICFSectionNodeWriter::writeColumnsStart()
{
    if (!hasColumns())
        return;
    const CColumnProperties& columns = *getColumnProperties();
    const ColumnDefinitionList& definitions = columns.getColumnDefinitionList();
    CICFCommandWriter command;
    command.initialize(getICFWriter(), kCmdColumnDefinitions);
    command.writeParameter(CICFHexParameter(columns.isBalanced() ? kBalancedColumnsFlag : 0));
    command.writeParameter(CICFDecimalParameter(definitions.size()));

    COffset leftOffset;
    uint32_t x = CICFOffset(columns.getLeftOffset(leftOffset)).getAdjustedValue(kOffsetFromPageEdge, getNode());
    std::vector<std::pair<uint32_t, uint32_t>> edges;
    for (const CColumnDefinition& definition : definitions) {
        CDimension width;
        CDimension gutter;
        definition.getWidth(width);
        definition.getGutter(gutter);
        const uint32_t right = x + twips(width) - (width.getValue() > 0 ? twips(gutter) : 0);
        command.writeParameter(CICFDecimalParameter(x / kTwipsPerColumn));
        command.writeParameter(CICFDecimalParameter(right / kTwipsPerColumn));
        command.writeParameter(CICFDecimalParameter(0));
        edges.emplace_back(x, right);
        x += twips(width);
    }
    for (const auto& [left, right] : edges) {
        command.writeParameter(CICFDecimalParameter(left));
        command.writeParameter(CICFDecimalParameter(right));
        command.writeParameter(CICFDecimalParameter(0));
    }
    command.done();
    command.writeNoParamCmd(kCmdColumnsOn);
    m_columnsStarted = true;
}

void CICFSectionNodeWriter::writeColumnsEnd()
{
    if (m_columnsStarted)
        CICFCommandWriter().writeNoParamCmd(getICFWriter(), kCmdColumnsOff);
}
