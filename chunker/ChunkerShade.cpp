#include "chunker/ChunkerShade.h"

#include "chunker/ItemLists.h"
#include "model/Color.h"
#include "model/Fixed.h"
#include "model/Shading.h"
#include "trx/changes.h"

#include <iterator>

namespace {

// The shading type of each host pattern index; higher indexes leave the
// type as it was.
const EShadingTypes kShadingOfPattern[] = {
    kShadingNone,      kShadingPattern8,  kShadingPattern9, kShadingPattern10, kShadingPattern11,
    kShadingPattern12, kShadingPattern13, kShadingPattern2, kShadingPattern3,  kShadingPattern4,
    kShadingPattern5,  kShadingPattern6,  kShadingPattern7, kShadingSolid,
};

} // namespace

CColor colorFromHost(unsigned long word)
{
    return CColor(static_cast<uint8_t>(word & 0xFF), static_cast<uint8_t>((word >> 8) & 0xFF),
                  static_cast<uint8_t>((word >> 16) & 0xFF));
}

void CChunkerShade::transfer(const unsigned char* record, CShading& shading) const
{
    shading.setForegroundPatternColor(colorFromHost(readBigEndian32(record, CHSHADING_FOREGROUND)));
    shading.setBackgroundPatternColor(colorFromHost(readBigEndian32(record, CHSHADING_BACKGROUND)));
    const uint32_t pattern = readBigEndian32(record, CHSHADING_PATTERN);
    if (pattern < std::size(kShadingOfPattern))
        shading.setType(kShadingOfPattern[pattern]);
    shading.setTransparency(
        CFixed(static_cast<long>(static_cast<int32_t>(readBigEndian32(record, CHSHADING_TRANSPARENCY)))));
}
