#include "core/CharacterMapping.h"

SMappedCharacter CCharacterMap::mapAndRemember(uint16_t character)
{
    if (character < kByteRange) {
        m_byteAnswers[character] = lookUp(character);
        m_byteKnown[character] = true;
        return m_byteAnswers[character];
    }
    const auto found = m_wideAnswers.find(character);
    if (found != m_wideAnswers.end())
        return found->second;
    return m_wideAnswers.emplace(character, lookUp(character)).first->second;
}
