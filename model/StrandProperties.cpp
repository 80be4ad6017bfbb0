#include "model/StrandProperties.h"

#include "model/FontDefinition.h"

CStrandProperties::CStrandProperties() = default;

CStrandProperties::CStrandProperties(const CStrandProperties& other)
    : IReferenceTracking(), IStrandProperties(), CReferenceTracking(other), m_values(other.m_values)
{
    m_font.reset(other.m_font.get());
}

CStrandProperties& CStrandProperties::operator=(const CStrandProperties& other)
{
    m_values = other.m_values;
    m_font.reset(other.m_font.get());
    return *this;
}

CStrandProperties::~CStrandProperties() = default;

void CStrandProperties::setFontName(CFontDefinition* font)
{
    m_font.reset(font);
}

IStrandProperties* CStrandProperties::clone() const
{
    return new CStrandProperties(*this);
}
