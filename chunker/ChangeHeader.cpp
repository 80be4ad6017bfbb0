#include "chunker/ChangeHeader.h"

#include "chunker/HostRecords.h"
#include "chunker/NodeEditing.h"
#include "chunker/SubDocuments.h"
#include "chunker/WordParagraphNode.h"
#include "chunker/WordSavedNodes.h"
#include "chunker/WordSectionNode.h"
#include "core/Exceptions.h"
#include "model/NodeFactory.h"
#include "model/NodeUtilities.h"
#include "model/PendingNode.h"
#include "model/SectionProperties.h"
#include "trx/changes.h"

namespace {

const char kNoSection[] = "REQUIRE: pNodeParent != NULL\n\tFile: ChCHead  ln(48)";

static_assert(holdsWords(CHSLOTFORMAT_RECORD_SIZE, CHSLOTFORMAT_HEADER_DISTANCE, CHSLOTFORMAT_FOOTER_DISTANCE),
              "the distances lie in the sub-document format record");

EHeaderFooterPageAppearance pageAppearanceOf(uint32_t flags)
{
    switch (flags & CHSLOT_PAGES_MASK) {
    case CHSLOT_ODD_PAGES:
        return kOddPages;
    case CHSLOT_EVEN_PAGES:
        return kEvenPages;
    case CHSLOT_ALL_PAGES:
        return kAllPages;
    case CHSLOT_ODD_PAGES | CHSLOT_WITH_FIRST_PAGE:
        return kOddPagesWithFirst;
    case CHSLOT_EVEN_PAGES | CHSLOT_WITH_FIRST_PAGE:
        return kEvenPagesWithFirst;
    case CHSLOT_ALL_PAGES | CHSLOT_WITH_FIRST_PAGE:
        return kAllPagesWithFirst;
    default:
        return kPagesNotGiven;
    }
}

} // namespace

// The header joins the section before its first paragraph joins it, so that
// nothing made here is left without an owner.
uint32_t CChangeHeader::process(INode*& current)
{
    if (getChangeType() != CHCHANGE_HEADER_FOOTER)
        return 0;
    CWordParagraphNode& paragraph = wordParagraph(current);
    INode* section = CNodeUtilities::findParent(current, kSectionNode);
    if (!section)
        throw ExNodeParsingError(kNoSection);

    CPendingNode node(paragraph.getNodeFactory()->createNode(kHeaderFooterNode));
    auto& headerFooter = dynamic_cast<CWordHeaderFooterNode&>(*node.get());
    CPendingNode text(newParagraphLike(paragraph));
    headerFooter.setSavedNode(current);
    section->attachNode(&headerFooter);
    node.take();
    describeFromSlot(*section, headerFooter);
    headerFooter.attachNode(text.get());
    current = text.take();
    rememberSubDocument(kHeaderFooterNode);
    return 0;
}

// A slot the section does not hold reads as all zeros.
void CChangeHeader::describeFromSlot(INode& section, CWordHeaderFooterNode& headerFooter)
{
    uint32_t flags = 0;
    SSubDocumentFormat format{};
    if (auto* slots = dynamic_cast<CWordSectionNode*>(&section))
        slots->getSlotInformation(getValue3(), flags, format);
    headerFooter.setPageAppearance(pageAppearanceOf(flags));

    ISectionProperties* properties = sectionPropertiesOf(&section);
    const uint32_t kind = flags & CHSLOT_KIND_MASK;
    if (kind == CHSLOT_HEADER) {
        headerFooter.setOutsideSpace(
            hostLength(kDimensionExact, readBigEndian32(format.data(), CHSLOTFORMAT_HEADER_DISTANCE)));
        if (properties)
            properties->addHeader(&headerFooter);
    } else if (kind == CHSLOT_FOOTER) {
        headerFooter.setOutsideSpace(
            hostLength(kDimensionExact, readBigEndian32(format.data(), CHSLOTFORMAT_FOOTER_DISTANCE)));
        if (properties)
            properties->addFooter(&headerFooter);
    }
}
