#include "model/ParagraphStyleNode.h"

#include "model/PendingNode.h"

void CParagraphStyleNode::copyPropertiesFrom(const IParagraphStyleContent* source)
{
    // The copies are made before the old properties are dropped, so that a
    // style given itself as source keeps its own.
    TCountedReference<IParagraphProperties> paragraphProperties;
    TCountedReference<IStrandProperties> strandProperties;
    if (source) {
        paragraphProperties = cloneOf(source->getParagraphProperties());
        strandProperties = cloneOf(source->getStrandProperties());
    }
    m_paragraphProperties = std::move(paragraphProperties);
    m_strandProperties = std::move(strandProperties);
}

void CParagraphStyleNode::setBasedOnStyle(IParagraphStyleContent* style)
{
    m_basedOn = style;
    copyPropertiesFrom(style);
}

void CParagraphStyleNode::setBasedOnStyle(const CCharacterString& name, IStyleTableContent* table)
{
    IStyleContent* found = table ? table->findStyle(name, kParagraphStyle) : nullptr;
    setBasedOnStyle(dynamic_cast<IParagraphStyleContent*>(found));
}

void CParagraphStyleNode::setBasedOnStyle(uint32_t id, IStyleTableContent* table)
{
    IStyleContent* found = table ? table->findStyle(id) : nullptr;
    setBasedOnStyle(dynamic_cast<IParagraphStyleContent*>(found));
}

INode* CParagraphStyleNode::clone(ECloneContent mode)
{
    CPendingNode copy(CStyleNode::clone(mode));
    if (auto* style = dynamic_cast<CParagraphStyleNode*>(copy.get())) {
        style->m_next = m_next;
        style->m_basedOn = m_basedOn;
        style->copyPropertiesFrom(this);
    }
    return copy.take();
}
