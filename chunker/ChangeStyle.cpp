#include "chunker/ChangeStyle.h"

#include "chunker/HostAttributeCodes.h"
#include "chunker/WordParagraphNode.h"
#include "core/Exceptions.h"
#include "model/CountedReference.h"
#include "model/DocumentNode.h"
#include "model/NodeFactory.h"
#include "model/NodeUtilities.h"
#include "model/ParagraphNumbering.h"
#include "model/ParagraphProperties.h"
#include "model/PendingNode.h"
#include "model/StrandFlags.h"
#include "model/StyleContent.h"
#include "trx/changes.h"

namespace {

constexpr const char* kNoDocument = "REQUIRE: pNodeParent != NULL\n\tFile: ChCStyle  ln(42)";

// The style table of the document above `cursor`.
IStyleTableContent* styleTableAbove(INode* cursor)
{
    INode* document = CNodeUtilities::findParent(cursor, kDocumentNode);
    if (!document)
        throw ExNodeParsingError(kNoDocument);
    return dynamic_cast<IDocumentContent&>(*document->getIContent()).getStyleTable();
}

} // namespace

uint32_t CChangeStyle::process(INode*& pNodeParent)
{
    IStyleTableContent* table = styleTableAbove(pNodeParent);
    auto* paragraph = dynamic_cast<CWordParagraphNode*>(pNodeParent);
    if (!paragraph)
        return 0;
    if (getChangeType() == CHCHANGE_APPLY_STYLE) {
        if (table)
            applyStyle(*paragraph, *table);
    } else {
        relateToStyle(*paragraph);
    }
    return 0;
}

void CChangeStyle::applyStyle(CWordParagraphNode& paragraph, IStyleTableContent& table)
{
    IStyleContent* style = table.findStyle(getValue2());
    switch (style ? style->getType() : kListStyle) {
    case kParagraphStyle:
        applyParagraphStyle(paragraph, style);
        break;
    case kStrandStyle:
        paragraph.setStrandStyle(style->getStrandStyleContent());
        break;
    case kListStyle:
        applyListStyle(paragraph, table, style);
        break;
    default:
        break;
    }
}

// The paragraph's formatting becomes the style's, and so does the running
// character formatting. A style without paragraph formatting leaves the
// paragraph with default formatting: a paragraph always keeps a properties
// object, which its end mark and later paragraph changes need.
void CChangeStyle::applyParagraphStyle(CWordParagraphNode& paragraph, IStyleContent* style)
{
    paragraph.setProperties(nullptr);
    paragraph.setStyle(style->getParagraphStyleContent());
    if (!paragraph.getProperties())
        paragraph.setProperties(makeCounted<CParagraphProperties>().get());
    paragraph.setStrandStyle(nullptr);
}

// The paragraph is numbered in the list; the level is given by the counter
// changes that follow.
void CChangeStyle::applyListStyle(CWordParagraphNode& paragraph, IStyleTableContent& table, IStyleContent* style)
{
    if (!style) {
        CPendingNode node(paragraph.getNodeFactory()->createNode(kListStyleNode));
        style = dynamic_cast<IStyleContent*>(node.get() ? node.get()->getIContent() : nullptr);
        if (!style)
            return;
        style->setID(getValue2());
        table.addStyle(style);
        node.take();
    }
    const auto numbering = makeCounted<CParagraphNumbering>();
    numbering->setListStyle(style->getListStyleContent());
    paragraph.setParagraphNumbering(numbering.get());
}

void CChangeStyle::relateToStyle(CWordParagraphNode& paragraph)
{
    const uint32_t code = getValue1();
    const uint32_t relation = getValue3();
    if (relation != CHRELATION_SAME_AS_STYLE && relation != CHRELATION_OPPOSITE_OF_STYLE)
        return;
    // The character style itself: the running formatting falls back to the
    // paragraph style's, whatever the relation.
    if (code == CHATTR_CHARACTER_STYLE)
        paragraph.setStrandStyle(nullptr);
    else if (relation == CHRELATION_SAME_AS_STYLE)
        setSameAsStyle(paragraph, code);
    else
        setOppositeOfStyle(paragraph, code);
}

void CChangeStyle::setSameAsStyle(CWordParagraphNode& paragraph, uint32_t code)
{
    ECaseModifierTypes modifier;
    ESameAsStrandProperties attribute;
    if (const SHostFlagCode* flag = flagOfHostCode(code))
        paragraph.setPropertySameAsStyle(kStrandFlags[flag->flag].sameAs);
    else if (caseOfHostCode(code, modifier))
        paragraph.setPropertySameAsStyle(kSameAsCaseModifier);
    else if (styleAttributeOfHostCode(code, attribute))
        paragraph.setPropertySameAsStyle(attribute);
}

// Only the on/off attributes that have an opposite, strike-out and case can
// be the opposite of the style's; the other codes change nothing.
void CChangeStyle::setOppositeOfStyle(CWordParagraphNode& paragraph, uint32_t code)
{
    if (const SHostFlagCode* flag = flagOfHostCode(code)) {
        if (const auto& opposite = kStrandFlags[flag->flag].opposite)
            paragraph.setPropertyOppositeOfStyle(*opposite);
    } else if (code == CHATTR_STRIKEOUT) {
        paragraph.setPropertyOppositeOfStyle(kOppositeOfStrikeOut);
    } else {
        paragraph.setCaseOppositeOfStyle(code);
    }
}
