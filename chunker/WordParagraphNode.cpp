#include "chunker/WordParagraphNode.h"

#include "chunker/HostAttributeCodes.h"
#include "chunker/NodeEditing.h"
#include "model/CountedReference.h"
#include "model/NodeCast.h"
#include "model/PendingNode.h"
#include "model/StrandFlags.h"
#include "model/StyleContent.h"

#include <optional>

namespace {

uint32_t fontSize(const IStrandProperties& properties)
{
    return properties.getFontSize();
}

CFontDefinition* mainFont(const IStrandProperties& properties)
{
    return properties.getFontName();
}

CFontDefinition* asianFont(const IStrandProperties& properties)
{
    auto* word = dynamic_cast<const CWordStrandProperties*>(&properties);
    return word ? word->getFontNameAsian() : nullptr;
}

CFontDefinition* lowRangeFont(const IStrandProperties& properties)
{
    auto* word = dynamic_cast<const CWordStrandProperties*>(&properties);
    return word ? word->getFontNameLowRange() : nullptr;
}

// A style's font or size: the source's when it has one, else the paragraph
// style's (which may be empty too) when the paragraph has a style, else
// nothing to change.
template <class T>
std::optional<T> styleValue(T (*get)(const IStrandProperties&), const IStrandProperties& source,
                            const IStrandProperties* paragraphStyle, bool hasParagraphStyle)
{
    if (T value = get(source))
        return value;
    if (hasParagraphStyle)
        return paragraphStyle ? get(*paragraphStyle) : T{};
    return std::nullopt;
}

// Copies the one attribute `which` from `from` into `to`.
void copyAttribute(const IStrandProperties& from, ESameAsStrandProperties which, IStrandProperties& to)
{
    if (const SStrandFlag* flag = flagOfRelation(which)) {
        copyFlag(from, flag->flag, to);
        return;
    }
    switch (which) {
    case kSameAsStrikeOut:
        to.setStrikeOut(from.getStrikeOut());
        break;
    case kSameAsUnderline: {
        CUnderlining underline;
        to.setUnderline(from.getUnderline(underline));
        break;
    }
    case kSameAsCaseModifier:
        to.setCaseModifier(from.getCaseModifier());
        break;
    case kSameAsScripting:
        to.setScripting(from.getScripting());
        break;
    case kSameAsLanguage: {
        CLanguage language;
        to.setLanguage(from.getLanguage(language));
        break;
    }
    case kSameAsPairKerningStart:
        to.setPairKerningStart(from.getPairKerningStart());
        break;
    case kSameAsColor: {
        CStrandColor color;
        to.setColor(from.getColor(color));
        break;
    }
    case kSameAsFontName:
        to.setFontName(from.getFontName());
        break;
    case kSameAsFontSize:
        to.setFontSize(from.getFontSize());
        break;
    case kSameAsCharacterWidthAdjustment:
        to.setCharacterWidthAdjustment(from.getCharacterWidthAdjustment());
        break;
    default:
        break; // the on/off attributes, copied above
    }
}

// The attributes a character style imposes on the text besides the on/off
// ones, which it imposes all.
constexpr ESameAsStrandProperties kStyleAttributes[] = {
    kSameAsStrikeOut,        kSameAsUnderline, kSameAsCaseModifier,
    kSameAsScripting,        kSameAsColor,     kSameAsCharacterWidthAdjustment,
    kSameAsPairKerningStart, kSameAsLanguage,
};

} // namespace

void CWordParagraphNode::attachNode(INode* child)
{
    CParagraphNode::attachNode(child);
    m_isParent = true;
}

INode* CWordParagraphNode::clone(ECloneContent mode)
{
    CPendingNode copy(CParagraphNode::clone(mode));
    auto& paragraph = nodeAs<CWordParagraphNode>(copy.get());
    paragraph.m_current = m_current;
    paragraph.m_strandStyle = m_strandStyle;
    paragraph.m_charset = m_charset;
    paragraph.m_wideStringDefault = m_wideStringDefault;
    // A restart of the numbering holds for this paragraph only: the copy
    // continues the count, with a numbering of its own.
    CParagraphNumbering* numbering = paragraph.getParagraphNumbering();
    if (numbering && numbering->isRestartNumberingOn()) {
        const auto continued = makeCounted<CParagraphNumbering>(*numbering);
        continued->setRestartNumbering(false);
        continued->setRestartNumberingAt(0);
        paragraph.setParagraphNumbering(continued.get());
    }
    return copy.take();
}

IStrandProperties* CWordParagraphNode::paragraphStyleStrandProperties() const
{
    IParagraphStyleContent* style = getStyle();
    return style ? style->getStrandProperties() : nullptr;
}

IStrandProperties* CWordParagraphNode::styleSource() const
{
    if (m_strandStyle && m_strandStyle->getProperties())
        return m_strandStyle->getProperties();
    return paragraphStyleStrandProperties();
}

void CWordParagraphNode::applyStyleFonts(const IStrandProperties& source)
{
    const IStrandProperties* paragraphStyle = paragraphStyleStrandProperties();
    const bool hasParagraphStyle = getStyle() != nullptr;
    if (auto size = styleValue(fontSize, source, paragraphStyle, hasParagraphStyle))
        m_current.setFontSize(*size);
    if (auto font = styleValue(mainFont, source, paragraphStyle, hasParagraphStyle))
        m_current.setFontName(*font);
    if (auto font = styleValue(asianFont, source, paragraphStyle, hasParagraphStyle))
        m_current.setFontNameAsian(*font);
    if (auto font = styleValue(lowRangeFont, source, paragraphStyle, hasParagraphStyle))
        m_current.setFontNameLowRange(*font);
}

void CWordParagraphNode::setStrandStyle(IStrandStyleContent* style)
{
    m_strandStyle = style;
    const IStrandProperties* source = style ? style->getProperties() : paragraphStyleStrandProperties();
    if (!source)
        return;
    for (const SStrandFlag& flag : kStrandFlags)
        copyFlag(*source, flag.flag, m_current);
    for (ESameAsStrandProperties attribute : kStyleAttributes)
        copyAttribute(*source, attribute, m_current);
    applyStyleFonts(*source);
    m_current.setBaselineShift(source->getBaselineShift());
}

void CWordParagraphNode::setPropertySameAsStyle(ESameAsStrandProperties which)
{
    const CWordStrandProperties defaults;
    const IStrandProperties* source = styleSource();
    copyAttribute(source ? *source : defaults, which, m_current);
}

void CWordParagraphNode::setPropertyOppositeOfStyle(EOppositeOfStrandProperties which)
{
    const CStrandProperties defaults;
    const IStrandProperties* found = styleSource();
    const IStrandProperties& source = found ? *found : defaults;
    if (const SStrandFlag* flag = flagOfRelation(which))
        setFlag(m_current, flag->flag, !isFlagSet(source, flag->flag));
    else if (which == kOppositeOfStrikeOut)
        m_current.setStrikeOut(source.getStrikeOut() != kStrikeOutNone ? kStrikeOutNone : kStrikeOutSingle);
}

void CWordParagraphNode::setCaseOppositeOfStyle(uint32_t code)
{
    const CWordStrandProperties defaults;
    const IStrandProperties* found = styleSource();
    const IStrandProperties& source = found ? *found : defaults;
    ECaseModifierTypes modifier;
    if (caseOfHostCode(code, modifier))
        m_current.setCaseModifier(source.getCaseModifier() != kCaseNone ? kCaseNone : modifier);
}

void CWordParagraphNode::setHorizontalAlignment(EHorizontalAlignment alignment)
{
    if (IParagraphProperties* properties = getProperties())
        properties->setHorizontalAlignment(alignment);
}

void CWordParagraphNode::setLineSpacing(const CLineSpacing& spacing)
{
    if (IParagraphProperties* properties = getProperties())
        properties->setLineSpacing(spacing);
}

void CWordParagraphNode::setBorders(const CGridBorders& borders)
{
    if (IParagraphProperties* properties = getProperties())
        properties->setBorders(borders);
}

void CWordParagraphNode::setIndents(const CIndents& indents)
{
    if (IParagraphProperties* properties = getProperties())
        properties->setIndents(indents);
}

CIndents& CWordParagraphNode::getIndents(CIndents& out) const
{
    IParagraphProperties* properties = getProperties();
    return properties ? properties->getIndents(out) : out;
}

void CWordParagraphNode::setShading(const CShading& shading)
{
    if (IParagraphProperties* properties = getProperties())
        properties->setShading(shading);
}

void CWordParagraphNode::setSpaceBefore(const CDimension& space)
{
    if (IParagraphProperties* properties = getProperties())
        properties->setSpaceBefore(space);
}

void CWordParagraphNode::setSpaceAfter(const CDimension& space)
{
    if (IParagraphProperties* properties = getProperties())
        properties->setSpaceAfter(space);
}

void CWordParagraphNode::setKeepTogether(bool keep)
{
    if (IParagraphProperties* properties = getProperties())
        properties->setKeepTogether(keep);
}

void CWordParagraphNode::setKeepWith(EParagraphKeepWith keepWith)
{
    if (IParagraphProperties* properties = getProperties())
        properties->setKeepWith(keepWith);
}

void CWordParagraphNode::setHyphenation(const CHyphenation& hyphenation)
{
    if (IParagraphProperties* properties = getProperties())
        properties->setHyphenation(hyphenation);
}

CHyphenation& CWordParagraphNode::getHyphenation(CHyphenation& out) const
{
    IParagraphProperties* properties = getProperties();
    return properties ? properties->getHyphenation(out) : out;
}

void CWordParagraphNode::setTabs(CTabDefinitions* tabs)
{
    if (IParagraphProperties* properties = getProperties())
        properties->setTabs(tabs);
}

CTabDefinitions* CWordParagraphNode::getTabs() const
{
    IParagraphProperties* properties = getProperties();
    return properties ? properties->getTabs() : nullptr;
}

void CWordParagraphNode::setParagraphNumbering(CParagraphNumbering* numbering)
{
    if (IParagraphProperties* properties = getProperties())
        properties->setParagraphNumbering(numbering);
}

CParagraphNumbering* CWordParagraphNode::getParagraphNumbering() const
{
    IParagraphProperties* properties = getProperties();
    return properties ? properties->getParagraphNumbering() : nullptr;
}

void CWordParagraphNode::setEndMarker(IEndOfParagraphCSContent* marker)
{
    if (IParagraphProperties* properties = getProperties())
        properties->setEndMarker(marker);
}

void CWordParagraphNode::setWidowOrphan(const CWidowOrphan& widowOrphan)
{
    if (IParagraphProperties* properties = getProperties())
        properties->setWidowOrphan(widowOrphan);
}

void CWordParagraphNode::setDropCap(const CDropCap& dropCap)
{
    if (IParagraphProperties* properties = getProperties())
        properties->setDropCap(dropCap);
}

void CWordParagraphNode::giveRunningFormat(IStrandContent& strand)
{
    if (m_strandStyle)
        strand.setStyle(m_strandStyle);
    strand.setProperties(makeCounted<CWordStrandProperties>(m_current).get());
}

void CWordParagraphNode::appendStrand(INode& strand)
{
    CPendingNode pending(&strand);
    if (IStrandContent* content = strand.getIContent()->getStrandContent())
        giveRunningFormat(*content);
    attachNode(&strand);
    pending.take();
    strand.done();
}
