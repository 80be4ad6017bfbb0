#include "model/ParagraphNode.h"

#include "model/PendingNode.h"
#include "model/StrandContent.h"
#include "model/StrandProperties.h"
#include "model/StyleContent.h"

void CParagraphNode::setStyle(IParagraphStyleContent* style)
{
    m_style = style;
    if (!style || m_properties.get())
        return;
    if (IParagraphProperties* styleProperties = style->getParagraphProperties())
        m_properties = cloneOf(styleProperties);
}

void CParagraphNode::setStyle(const CCharacterString& name, IStyleTableContent* table)
{
    IStyleContent* found = table ? table->findStyle(name, kParagraphStyle) : nullptr;
    setStyle(dynamic_cast<IParagraphStyleContent*>(found));
}

void CParagraphNode::setStyle(uint32_t id, IStyleTableContent* table)
{
    IStyleContent* found = table ? table->findStyle(id) : nullptr;
    setStyle(dynamic_cast<IParagraphStyleContent*>(found));
}

IParagraphProperties* CParagraphNode::comparableStyleProperties() const
{
    if (!m_properties.get() || !m_style)
        return nullptr;
    return m_style->getParagraphProperties();
}

void CParagraphNode::setPropertySameAsStyle(ESameAsParagraphProperties which)
{
    IParagraphProperties* styleProperties = comparableStyleProperties();
    if (!styleProperties)
        return;
    if (which == kSameAsHorizontalAlignment)
        m_properties.get()->setHorizontalAlignment(styleProperties->getHorizontalAlignment());
    else if (which == kSameAsKeepTogether)
        m_properties.get()->setKeepTogether(styleProperties->getKeepTogether());
}

void CParagraphNode::setPropertyOppositeOfStyle(EOppositeOfParagraphProperties which)
{
    IParagraphProperties* styleProperties = comparableStyleProperties();
    if (styleProperties && which == kOppositeOfKeepTogether)
        m_properties.get()->setKeepTogether(!styleProperties->getKeepTogether());
}

bool CParagraphNode::isPropertySameAsStyle(ESameAsParagraphProperties which) const
{
    IParagraphProperties* styleProperties = comparableStyleProperties();
    if (!styleProperties)
        return false;
    if (which == kSameAsHorizontalAlignment)
        return m_properties.get()->getHorizontalAlignment() == styleProperties->getHorizontalAlignment();
    if (which == kSameAsKeepTogether)
        return m_properties.get()->getKeepTogether() == styleProperties->getKeepTogether();
    return false;
}

bool CParagraphNode::isPropertyOppositeOfStyle(EOppositeOfParagraphProperties which) const
{
    return which == kOppositeOfKeepTogether && !isPropertySameAsStyle(kSameAsKeepTogether);
}

void CParagraphNode::attachNode(INode* child)
{
    CBranchNode::attachNode(child);
    const EContentInterfaceID kind = child->getContentInterfaceID();
    if (kind != kTextStrandNode && kind != kWordTextStrandNode)
        return;
    if (IStrandContent* strand = child->getIContent()->getStrandContent())
        updateStrandPropertiesFromStyle(strand);
}

void CParagraphNode::updateStrandPropertiesFromStyle(IStrandContent* strand)
{
    if (strand->getProperties() || !m_style)
        return;
    if (IStrandProperties* styleProperties = m_style->getStrandProperties())
        strand->setProperties(cloneOf(styleProperties).get());
}

INode* CParagraphNode::clone(ECloneContent mode)
{
    CPendingNode copy(CBranchNode::clone(mode));
    if (auto* paragraph = dynamic_cast<CParagraphNode*>(copy.get())) {
        paragraph->m_style = m_style;
        paragraph->m_properties = cloneOf(m_properties.get());
    }
    return copy.take();
}
