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

// Host data records: their sizes and the fields read.
constexpr std::size_t kPageBorderRecordSize = 80;
constexpr SBorderOffsets kPageBorderOffsets{0, 20, 40, 60};
constexpr std::size_t kBindingRecordSize = 16;
constexpr std::size_t kBindingWidthField = 0;
constexpr std::size_t kNoteAreaRecordSize = 36;
constexpr std::size_t kNoteAreaHotZone = 0;
constexpr std::size_t kNoteAreaHeight = 4;
constexpr std::size_t kNoteAreaLocation = 16;
static_assert(holdsBorders(kPageBorderRecordSize, kPageBorderOffsets), "the page borders lie in their record");
static_assert(holdsField(kBindingRecordSize, kBindingWidthField), "the binding width lies in its record");
static_assert(holdsField(kNoteAreaRecordSize, kNoteAreaHotZone) && holdsField(kNoteAreaRecordSize, kNoteAreaHeight) &&
                  holdsField(kNoteAreaRecordSize, kNoteAreaLocation),
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
    case 1:
        location = kNotesAtPageBottom;
        return true;
    case 2:
        location = kNotesBelowText;
        return true;
    case 4:
        location = kNotesAtSectionEnd;
        return true;
    case 8:
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
    const auto record = readDataRecord<kPageBorderRecordSize>(*this, getValue1());
    page.setBorders(convertBorders(m_border, record.data(), kPageBorderOffsets));
}

// A binding width reserves a gutter.
void CChangePage::setBindingWidth(CPageProperties& page)
{
    const auto record = readDataRecord<kBindingRecordSize>(*this, getValue1());
    editBinding(page, [&record](CBinding& binding) {
        binding.setWidth(hostLength(kDimensionExact, readBigEndian32(record.data(), kBindingWidthField)));
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
    const auto format = readDataRecord<kSubDocumentFormatSize>(*this, getValue1());
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
    const auto record = readDataRecord<kNoteAreaRecordSize>(*this, getValue1());
    area->setHeight(hostLength(kDimensionAtMost, readBigEndian32(record.data(), kNoteAreaHeight)));
    area->setVerticalHotZone(hostLength(kDimensionAtLeast, readBigEndian32(record.data(), kNoteAreaHotZone)));
    ENotePageLocation location;
    if (notePageLocationOf(readBigEndian32(record.data(), kNoteAreaLocation), location))
        area->setPageLocation(location);
}
