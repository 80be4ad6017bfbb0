#include "model/StrandBase.h"

#include "model/StyleContent.h"

CStrandBase& CStrandBase::operator=(const CStrandBase& other)
{
    m_properties.reset(other.m_properties.get());
    m_style = other.m_style;
    return *this;
}

void CStrandBase::setStyle(IStrandStyleContent* style)
{
    m_style = style;
    if (!style || m_properties.get())
        return;
    if (IStrandProperties* styleProperties = style->getProperties())
        m_properties = cloneOf(styleProperties);
}

void CStrandBase::setStyle(const CCharacterString& name, IStyleTableContent* table)
{
    IStyleContent* found = table ? table->findStyle(name, kStrandStyle) : nullptr;
    setStyle(dynamic_cast<IStrandStyleContent*>(found));
}

void CStrandBase::setStyle(uint32_t id, IStyleTableContent* table)
{
    IStyleContent* found = table ? table->findStyle(id) : nullptr;
    setStyle(dynamic_cast<IStrandStyleContent*>(found));
}

void CStrandBase::copyStrandStateTo(INode* copy) const
{
    if (auto* strand = dynamic_cast<CStrandBase*>(copy))
        *strand = *this;
}
