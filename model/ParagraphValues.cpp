#include "model/ParagraphValues.h"

bool CIndents::operator==(const CIndents& other) const
{
    return m_firstLine == other.m_firstLine && m_left == other.m_left && m_right == other.m_right;
}

bool CHyphenation::operator==(const CHyphenation& other) const
{
    return m_leftHotZone == other.m_leftHotZone && m_rightHotZone == other.m_rightHotZone &&
           m_enabled == other.m_enabled;
}

bool CWidowOrphan::operator==(const CWidowOrphan& other) const
{
    return m_linesTogether == other.m_linesTogether && m_enabled == other.m_enabled;
}

bool CDropCap::operator==(const CDropCap& other) const
{
    return m_enabled == other.m_enabled && m_percentInMargin == other.m_percentInMargin &&
           m_verticalPosition == other.m_verticalPosition && m_height == other.m_height;
}
