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
    std::vector<const CharacterSet*> targets;
    for (uint32_t i = 0; i < request.targetCount; ++i) {
        const CharacterSet* target = CharacterSet::forId(request.targetCharSets[i]);
        if (!target)
            return std::nullopt;
        targets.push_back(target);
    }
    return CharacterMap(source, std::move(targets));
}

CharacterMap::CharacterMap(const CharacterSet* source, std::vector<const CharacterSet*> targets)
    : source_(source), targets_(std::move(targets))
{
}

void CharacterMap::map(uint16_t character, uint16_t out[2]) const
{
    const std::optional<uint16_t> unicode = source_->toUnicode(character);
    for (size_t i = 0; i < targets_.size(); ++i) {
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
    out[0] = static_cast<uint16_t>(targets_.size() - 1);
    out[1] = kUnmappable;
}

} // namespace trxhost
