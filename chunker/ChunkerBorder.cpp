#include "chunker/ChunkerBorder.h"

#include "chunker/ChunkerShade.h"
#include "chunker/ItemLists.h"
#include "model/Borders.h"

namespace {

constexpr uint32_t kPriorityFlag = 0x40;

struct StyleLine {
    uint32_t style;
    ELineTypes line;
};

// The line type of each host style code; other codes leave it as it was.
const StyleLine kLineOfStyle[] = {
    {0, kLineSingle},
    {1, kLineNone},
    {2, kLineDouble},
    {4, kLineBorderStyle7},
    {8, kLineThick},
    {16, kLineBorderStyle8},
    {32, kLineDotted},
    {128, kLineDashed},
    {256, kLineDotDash},
    {512, kLineDotDotDash},
    {1024, kLineBorderStyle13},
    {2048, kLineBorderStyle14},
    {4096, kLineBorderStyle15},
    {8192, kLineBorderStyle16},
    {16384, kLineBorderStyle17},
};

CDimension exactLength(uint32_t value)
{
    return CDimension(kDimensionExact, static_cast<int32_t>(value));
}

} // namespace

CBorder& CChunkerBorder::transfer(const unsigned char* record, CBorder& border) const
{
    border.setThickness(exactLength(readBigEndian32(record, 0)));
    border.setInsideSpacing(exactLength(readBigEndian32(record, 12)));
    border.setOutsideSpacing(exactLength(readBigEndian32(record, 16)));
    border.setLineColor(colorFromHost(readBigEndian32(record, 4)));
    const uint32_t style = readBigEndian32(record, 8);
    border.setPriority((style & kPriorityFlag) != 0);
    for (const StyleLine& entry : kLineOfStyle) {
        if (entry.style == (style & ~kPriorityFlag))
            border.setLineType(entry.line);
    }
    return border;
}
