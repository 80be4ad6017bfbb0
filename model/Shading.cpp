#include "model/Shading.h"

bool CShading::operator==(const CShading& other) const
{
    return m_transparency == other.m_transparency && m_foreground == other.m_foreground &&
           m_background == other.m_background && m_type == other.m_type;
}
