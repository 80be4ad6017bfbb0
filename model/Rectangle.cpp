#include "model/Rectangle.h"

#include "model/WrappingArithmetic.h"

int32_t CRectangle::getHeight() const
{
    return wrappingSubtract(m_bottom, m_top);
}

int32_t CRectangle::getWidth() const
{
    return wrappingSubtract(m_right, m_left);
}

void CRectangle::offset(long down, long right)
{
    m_top = wrappingAdd(m_top, down);
    m_bottom = wrappingAdd(m_bottom, down);
    m_left = wrappingAdd(m_left, right);
    m_right = wrappingAdd(m_right, right);
}

bool CRectangle::operator==(const CRectangle& other) const
{
    return m_top == other.m_top && m_left == other.m_left && m_bottom == other.m_bottom && m_right == other.m_right;
}
