#include "model/Color.h"

CColor::CColor(uint8_t red, uint8_t green, uint8_t blue) : m_red(widen(red)), m_green(widen(green)), m_blue(widen(blue))
{
}

bool CColor::operator==(const CColor& other) const
{
    return m_auto == other.m_auto && m_alpha == other.m_alpha && m_blue == other.m_blue && m_green == other.m_green &&
           m_red == other.m_red;
}

bool CStrandColor::operator==(const CStrandColor& other) const
{
    return m_background == other.m_background && m_foreground == other.m_foreground &&
           m_backgroundTransparency == other.m_backgroundTransparency &&
           m_foregroundTransparency == other.m_foregroundTransparency;
}
