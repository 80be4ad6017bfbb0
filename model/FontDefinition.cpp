#include "model/FontDefinition.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string>

namespace {

constexpr char kSymbolFontName[] = "symbol";

bool namesSymbolFont(const CCharacterString& name)
{
    if (name.isMBC())
        return false;
    const std::string bytes = name.getString();
    return std::equal(bytes.begin(), bytes.end(), std::begin(kSymbolFontName), std::end(kSymbolFontName) - 1,
                      [](char byte, char lower) { return std::tolower(static_cast<unsigned char>(byte)) == lower; });
}

} // namespace

CFontDefinition::CFontDefinition(uint32_t id, const CCharacterString& name) : m_id(id), m_name(name)
{
}

void CFontDefinition::setName(const CCharacterString& name)
{
    m_name = name;
    m_symbolFont.reset();
}

bool CFontDefinition::isSymbolFont() const
{
    if (!m_symbolFont)
        m_symbolFont = namesSymbolFont(m_name);
    return *m_symbolFont;
}

bool CFontDefinition::operator==(const CFontDefinition& other) const
{
    return m_charSet == other.m_charSet && m_id == other.m_id && m_name == other.m_name;
}
