// Character mapping as the document model sees it: a map turns 16-bit
// characters of one character set into codes of the first of several target
// sets that holds each character. The reader side implements it over the
// host's character maps; the model reaches it only through this interface,
// and finds the running export's mapper in the export context.
#pragma once

#include <cstdint>
#include <unordered_map>

// The most target sets one map request may name.
constexpr uint32_t kMaxCharMapTargets = 25;

struct SCharMapRequest {
    uint32_t sourceCharSet = 0;
    uint32_t targetCount = 0;
    uint32_t targetCharSets[kMaxCharMapTargets] = {};
};

// The result of mapping one character.
struct SMappedCharacter {
    uint32_t charSet; // the target set that holds the character
    uint16_t code;    // its code there; a double-byte code has its lead byte high
};

// One map of the running export. The mapper owns it and keeps it until the
// export ends: its users neither release nor destroy it. A map asks its
// source about each character once and remembers the answer; a failure is
// not remembered. Text is mostly of the byte range, whose answers are found
// in a table without a call.
class CCharacterMap {
public:
    CCharacterMap(const CCharacterMap&) = delete;
    CCharacterMap& operator=(const CCharacterMap&) = delete;

    SMappedCharacter map(uint16_t character)
    {
        if (character < kByteRange && m_byteKnown[character])
            return m_byteAnswers[character];
        return mapAndRemember(character);
    }

protected:
    CCharacterMap() = default;
    ~CCharacterMap() = default;

private:
    static constexpr uint32_t kByteRange = 256;

    // Asks the map's source about a character; a failure raises.
    virtual SMappedCharacter lookUp(uint16_t character) = 0;
    SMappedCharacter mapAndRemember(uint16_t character);

    bool m_byteKnown[kByteRange] = {};
    SMappedCharacter m_byteAnswers[kByteRange] = {};
    std::unordered_map<uint16_t, SMappedCharacter> m_wideAnswers;
};

class ICharacterMapper {
public:
    virtual ~ICharacterMapper() = default;
    // The map for `request`: made on the first request, the same map for
    // every equal one after it until releaseMaps.
    virtual CCharacterMap& getMap(const SCharMapRequest& request) = 0;
    // Releases every map made so far, at the export's end; a failure raises
    // the mapper's exception once all of them are released.
    virtual void releaseMaps() = 0;
};
