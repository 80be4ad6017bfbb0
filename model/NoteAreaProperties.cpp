#include "model/NoteAreaProperties.h"

#include "model/NumberingStyle.h"

CNoteAreaProperties::CNoteAreaProperties(const CNoteAreaProperties& other)
    : CReferenceTracking(), m_autoNumberRestart(other.m_autoNumberRestart), m_height(other.m_height),
      m_verticalHotZone(other.m_verticalHotZone), m_pageLocation(other.m_pageLocation),
      m_numberStart(other.m_numberStart)
{
    m_numberStyle.reset(other.getNumberStyle());
}

CNoteAreaProperties::~CNoteAreaProperties() = default;

void CNoteAreaProperties::setNumberStyle(CNumberingStyle* style)
{
    m_numberStyle.reset(style);
}
