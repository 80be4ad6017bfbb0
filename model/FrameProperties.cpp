#include "model/FrameProperties.h"

CFrameProperties::CFrameProperties(const CFrameProperties& other)
    : CReferenceTracking(), m_transparency(other.m_transparency), m_wrapMode(other.m_wrapMode), m_width(other.m_width),
      m_height(other.m_height), m_shading(other.m_shading), m_borders(other.m_borders)
{
    setPosition(other.getPosition());
}

void CFrameProperties::setPosition(const CFramePosition* position)
{
    m_position = cloneOf(position);
}
