#include "model/Dimension.h"

#include "model/WrappingArithmetic.h"

bool CDimension::operator==(const CDimension& other) const
{
    return m_type == other.m_type && m_value == other.m_value;
}

void CVerticalDimension::setDimHeight(const CDimension& height)
{
    setType(height.getType());
    setValue(height.getValue());
}

CDimension& CVerticalDimension::getDimHeight(CDimension& out) const
{
    out.setType(getType());
    out.setValue(getValue());
    return out;
}

CDimension& CVerticalDimension::getDimHeight(CDimension& out, EHeightUnits units) const
{
    getDimHeight(out);
    if (units == m_units)
        return out;
    if (m_units == kHeightUnitsLines)
        out.setValue(wrapTo32(static_cast<int64_t>(getValue()) * kTwipsPerLine));
    else
        out.setValue(getValue() / kTwipsPerLine);
    return out;
}

bool CVerticalDimension::operator==(const CVerticalDimension& other) const
{
    return CDimension::operator==(other) && m_units == other.m_units;
}
