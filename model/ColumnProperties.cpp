#include "model/ColumnProperties.h"

bool CColumnDefinition::operator==(const CColumnDefinition& other) const
{
    return m_width == other.m_width && m_gutter == other.m_gutter;
}

bool CColumnDefinition::operator<(const CColumnDefinition& other) const
{
    if (m_width < other.m_width || m_width > other.m_width)
        return m_width < other.m_width;
    return m_gutter < other.m_gutter;
}

CColumnProperties::CColumnProperties(const CColumnProperties& other)
    : CReferenceTracking(), m_leftOffset(other.m_leftOffset), m_balanced(other.m_balanced), m_columns(other.m_columns)
{
}
