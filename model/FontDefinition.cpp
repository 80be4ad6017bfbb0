#include "model/FontDefinition.h"

CFontDefinition::CFontDefinition(uint32_t id, const CCharacterString& name) : m_id(id), m_name(name)
{
}

bool CFontDefinition::operator==(const CFontDefinition& other) const
{
    return m_charSet == other.m_charSet && m_id == other.m_id && m_name == other.m_name;
}
