#include "host/CharacterMap.h"

namespace trxhost {
namespace {

constexpr uint16_t kUnmappable = '?';

} // namespace

std::optional<CharacterMap> CharacterMap::fromRequest(const CMINPUT& request)
{
    if (request.targetCount == 0 || request.targetCount > CM_MAX_TARGETS)
        return std::nullopt;
    const CharacterSet* source = CharacterSet::forId(request.sourceCharSet);
    if (!source)
        return std::nullopt;
    CharacterMap map(source);
    for (uint32_t i = 0; i < request.targetCount; ++i) {
        const CharacterSet* target = CharacterSet::forId(request.targetCharSets[i]);
        if (!target)
            return std::nullopt;
        map.targets_[map.targetCount_++] = target;
    }
    return map;
}

void CharacterMap::map(uint16_t character, uint16_t out[2]) const
{
    const std::optional<uint16_t> unicode = source_->toUnicode(character);
    for (size_t i = 0; i < targetCount_; ++i) {
        const CharacterSet* target = targets_[i];
        std::optional<uint16_t> code;
        if (target == source_ && source_->holdsCode(character))
            code = character;
        else if (unicode)
            code = target->fromUnicode(*unicode);
        if (code) {
            out[0] = static_cast<uint16_t>(i);
            out[1] = *code;
            return;
        }
    }
    out[0] = static_cast<uint16_t>(targetCount_ - 1);
    out[1] = kUnmappable;
}

} // namespace trxhost
