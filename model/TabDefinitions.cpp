#include "model/TabDefinitions.h"

bool CTabDefinition::operator==(const CTabDefinition& other) const
{
    return m_offset == other.m_offset && m_leader == other.m_leader && m_type == other.m_type;
}

bool CTabDefinitions::operator==(const CTabDefinitions& other) const
{
    return m_offsetType == other.m_offsetType && m_defaultTabWidth == other.m_defaultTabWidth && m_tabs == other.m_tabs;
}
