#include "model/Borders.h"

bool CBorder::operator==(const CBorder& other) const
{
    return m_priority == other.m_priority && m_insideSpacing == other.m_insideSpacing &&
           m_outsideSpacing == other.m_outsideSpacing && m_thickness == other.m_thickness &&
           m_lineColor == other.m_lineColor && m_lineType == other.m_lineType;
}

CRectangularBorders::CRectangularBorders(const CBorder& border)
    : m_top(border), m_bottom(border), m_left(border), m_right(border)
{
}

bool CRectangularBorders::operator==(const CRectangularBorders& other) const
{
    return m_top == other.m_top && m_bottom == other.m_bottom && m_left == other.m_left && m_right == other.m_right;
}

CGridBorders::CGridBorders(const CBorder& border)
    : CRectangularBorders(border), m_insideHorizontal(border), m_insideVertical(border)
{
}

bool CGridBorders::operator==(const CGridBorders& other) const
{
    return CRectangularBorders::operator==(other) && m_insideHorizontal == other.m_insideHorizontal &&
           m_insideVertical == other.m_insideVertical;
}
