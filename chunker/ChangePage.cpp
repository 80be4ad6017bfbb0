#include "chunker/ChangePage.h"

#include "chunker/HostRecords.h"
#include "chunker/NodeEditing.h"
#include "chunker/WordSectionNode.h"
#include "core/Exceptions.h"
#include "model/NodeUtilities.h"
#include "model/NoteAreaProperties.h"
#include "model/PageProperties.h"
#include "model/SectionProperties.h"
#include "trx/changes.h"

namespace {

constexpr const char* kNoSection = "REQUIRE: pNodeParent != NULL\n\tFile: ChCPage  ln(42)";

constexpr SBorderOffsets kPageBorderOffsets{CHPAGEBORDERS_TOP, CHPAGEBORDERS_LEFT, CHPAGEBORDERS_BOTTOM,
                                            CHPAGEBORDERS_RIGHT};
static_assert(holdsBorders(CHPAGEBORDERS_RECORD_SIZE, kPageBorderOffsets), "the page borders lie in their record");
static_assert(holdsWords(CHBINDING_RECORD_SIZE, CHBINDING_WIDTH), "the binding width lies in its record");
static_assert(holdsWords(CHNOTEAREA_RECORD_SIZE, CHNOTEAREA_HOT_ZONE, CHNOTEAREA_HEIGHT, CHNOTEAREA_LOCATION),
              "the note area fields lie in their record");

// Value 2 of a note area change.
constexpr uint32_t kFootnoteArea = 1;
constexpr uint32_t kEndnoteArea = 2;

template <class Edit>
void editBinding(CPageProperties& page, Edit edit)
{
    CBinding binding;
    page.getBinding(binding);
    edit(binding);
    page.setBinding(binding);
}

// The host's binding codes; other codes leave the binding type.
bool bindingTypeOf(uint32_t code, EBindingTypes& type)
{
    switch (code) {
    case 1:
        type = kBindingLeftEdge;
        return true;
    case 2:
    case 4:
        type = kBindingTopEdge;
        return true;
    case 8:
        type = kBindingGutter;
        return true;
    default:
        return false;
    }
}

// The host's note placement codes; other codes leave the placement.
bool notePageLocationOf(uint32_t code, ENotePageLocation& location)
{
    switch (code) {
    case CHNOTEAREA_PAGE_BOTTOM:
        location = kNotesAtPageBottom;
        return true;
    case CHNOTEAREA_BELOW_TEXT:
        location = kNotesBelowText;
        return true;
    case CHNOTEAREA_SECTION_END:
        location = kNotesAtSectionEnd;
        return true;
    case CHNOTEAREA_DOCUMENT_END:
        location = kNotesAtDocumentEnd;
        return true;
    default:
        return false;
    }
}

} // namespace

uint32_t CChangePage::process(INode*& current)
{
    INode* section = CNodeUtilities::findParent(current, kSectionNode);
    if (!section)
        throw ExNodeParsingError(kNoSection);
    ISectionProperties* properties = sectionPropertiesOf(section);
    CPageProperties* page = properties ? properties->getPageProperties() : nullptr;
    if (!page)
        return 0;
    switch (getChangeType()) {
    case CHCHANGE_SIDE_MARGINS:
        page->setLeftMargin(hostLength(kDimensionExact, getValue1()));
        page->setRightMargin(hostLength(kDimensionExact, getValue2()));
        break;
    case CHCHANGE_PAGE_BORDERS:
        setPageBorders(*page);
        break;
    case CHCHANGE_BINDING_WIDTH:
        setBindingWidth(*page);
        break;
    case CHCHANGE_PAGE_SIZE:
        page->setWidth(getValue2());
        page->setHeight(getValue1());
        break;
    case CHCHANGE_ORIENTATION:
        page->setPageOrientation(getValue1() == 1 ? kLandscape : kPortrait);
        break;
    case CHCHANGE_DOUBLE_SIDED:
        editBinding(*page, [this](CBinding& binding) { binding.setDoubleSided(getValue1() == 1); });
        break;
    case CHCHANGE_TOP_BOTTOM_MARGINS:
        page->setTopMargin(hostLength(kDimensionAtLeast, getValue1()));
        page->setBottomMargin(hostLength(kDimensionAtLeast, getValue2()));
        break;
    case CHCHANGE_SECTION_START:
        properties->setSectionStartOn(getValue1() == 1 ? kSectionStartNewOddPage : kSectionStartNewPage);
        break;
    case CHCHANGE_BINDING_TYPE:
        setBindingType(*page);
        break;
    case CHCHANGE_SUBDOCUMENT_SLOT:
        setSlot(section);
        break;
    case CHCHANGE_NOTE_AREA:
        setNoteArea(*properties);
        break;
    default:
        break;
    }
    return 0;
}

void CChangePage::setPageBorders(CPageProperties& page)
{
    const auto record = readDataRecord<CHPAGEBORDERS_RECORD_SIZE>(*this, getValue1());
    page.setBorders(convertBorders(m_border, record.data(), kPageBorderOffsets));
}

// A binding width reserves a gutter.
void CChangePage::setBindingWidth(CPageProperties& page)
{
    const auto record = readDataRecord<CHBINDING_RECORD_SIZE>(*this, getValue1());
    editBinding(page, [&record](CBinding& binding) {
        binding.setWidth(hostLength(kDimensionExact, readBigEndian32(record.data(), CHBINDING_WIDTH)));
        binding.setType(kBindingGutter);
    });
}

void CChangePage::setBindingType(CPageProperties& page)
{
    EBindingTypes type;
    if (bindingTypeOf(getValue1(), type))
        editBinding(page, [type](CBinding& binding) { binding.setType(type); });
}

void CChangePage::setSlot(INode* section)
{
    const auto format = readDataRecord<CHSLOTFORMAT_RECORD_SIZE>(*this, getValue1());
    dynamic_cast<CWordSectionNode&>(*section).setSlotInformation(getValue3(), getValue2(), format);
}

void CChangePage::setNoteArea(ISectionProperties& section)
{
    CNoteAreaProperties* area = nullptr;
    if (getValue2() == kFootnoteArea)
        area = section.getFootnoteProperties();
    else if (getValue2() == kEndnoteArea)
        area = section.getEndnoteProperties();
    if (!area)
        return;
    const auto record = readDataRecord<CHNOTEAREA_RECORD_SIZE>(*this, getValue1());
    area->setHeight(hostLength(kDimensionAtMost, readBigEndian32(record.data(), CHNOTEAREA_HEIGHT)));
    area->setVerticalHotZone(hostLength(kDimensionAtLeast, readBigEndian32(record.data(), CHNOTEAREA_HOT_ZONE)));
    ENotePageLocation location;
    if (notePageLocationOf(readBigEndian32(record.data(), CHNOTEAREA_LOCATION), location))
        area->setPageLocation(location);
}
