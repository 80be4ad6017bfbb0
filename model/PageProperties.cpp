#include "model/PageProperties.h"

#include "model/NumberingStyle.h"

CPageProperties::CPageProperties(const CPageProperties& other)
    : CReferenceTracking(), m_pageNumberStart(other.m_pageNumberStart), m_orientation(other.m_orientation),
      m_height(other.m_height), m_width(other.m_width), m_topMargin(other.m_topMargin),
      m_bottomMargin(other.m_bottomMargin), m_leftMargin(other.m_leftMargin), m_rightMargin(other.m_rightMargin),
      m_binding(other.m_binding), m_borders(other.m_borders)
{
    m_pageNumberStyle.reset(other.getPageNumberStyle());
}

CPageProperties::~CPageProperties() = default;

void CPageProperties::setPageNumberStyle(CNumberingStyle* style)
{
    m_pageNumberStyle.reset(style);
}
