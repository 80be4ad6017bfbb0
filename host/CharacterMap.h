// A character map as UTCreateMap makes it: a source set and the target sets
// in order of preference, all sharing the process-wide tables of their sets.
#pragma once

#include "trx/platform.h"

#include "host/CharacterSet.h"

#include <array>
#include <cstddef>
#include <optional>

namespace trxhost {

class CharacterMap {
public:
    // Empty when the request names no target, too many, or a set the host
    // does not know.
    static std::optional<CharacterMap> fromRequest(const CMINPUT& request);

    // out[0]: index of the first target that holds the character (a unit of
    // the source set); out[1]: its code there. A target that is the source's
    // own set holds every code of the source's range as itself. When no
    // target holds it, the answer is '?' in the last target.
    void map(uint16_t character, uint16_t out[2]) const;

private:
    explicit CharacterMap(const CharacterSet* source) : source_(source) {}

    // The targets are held in place: a filter may make a map for every run
    // of text, so making one allocates nothing here.
    const CharacterSet* source_;
    std::array<const CharacterSet*, CM_MAX_TARGETS> targets_{};
    size_t targetCount_ = 0;
};

} // namespace trxhost
