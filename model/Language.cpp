#include "model/Language.h"

namespace {

constexpr unsigned kSublanguageShift = 10;

} // namespace

uint16_t CLanguage::getMSWinComposite() const
{
    return static_cast<uint16_t>((static_cast<uint32_t>(m_sublanguage) << kSublanguageShift) | m_language);
}

bool CLanguage::operator==(const CLanguage& other) const
{
    return m_language == other.m_language && m_sublanguage == other.m_sublanguage;
}
