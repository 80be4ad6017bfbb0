// Character mapping as the document model sees it: a map turns 16-bit
// characters of one character set into codes of the first of several target
// sets that holds each character. The reader side implements it over the
// host's character maps; the model reaches it only through this interface,
// and finds the running export's mapper in the export context.
#pragma once

#include <cstdint>
#include <memory>

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

// One open map. Dropping it without release() releases it quietly, as when
// an exception passes: the first failure is the one reported.
class ICharacterMap {
public:
    virtual ~ICharacterMap() = default;
    virtual SMappedCharacter map(uint16_t character) = 0;
    // Releases the map; a failure raises the mapper's exception.
    virtual void release() = 0;
};

class ICharacterMapper {
public:
    virtual ~ICharacterMapper() = default;
    virtual std::unique_ptr<ICharacterMap> createMap(const SCharMapRequest& request) = 0;
};
