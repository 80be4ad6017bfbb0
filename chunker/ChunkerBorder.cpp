#include "chunker/ChunkerBorder.h"

#include "chunker/ChunkerShade.h"
#include "chunker/ItemLists.h"
#include "model/Borders.h"
#include "trx/changes.h"

namespace {

struct StyleLine {
    uint32_t style;
    ELineTypes line;
};

// The line type of each host style code; other codes leave it as it was.
const StyleLine kLineOfStyle[] = {
    {CHLINE_SINGLE, kLineSingle},    {CHLINE_NONE, kLineNone},
    {CHLINE_DOUBLE, kLineDouble},    {4, kLineBorderStyle7},
    {CHLINE_THICK, kLineThick},      {16, kLineBorderStyle8},
    {CHLINE_DOTTED, kLineDotted},    {CHLINE_DASHED, kLineDashed},
    {CHLINE_DOT_DASH, kLineDotDash}, {CHLINE_DOT_DOT_DASH, kLineDotDotDash},
    {1024, kLineBorderStyle13},      {2048, kLineBorderStyle14},
    {4096, kLineBorderStyle15},      {8192, kLineBorderStyle16},
    {16384, kLineBorderStyle17},
};

CDimension exactLength(uint32_t value)
{
    return CDimension(kDimensionExact, static_cast<int32_t>(value));
}

} // namespace

CBorder& CChunkerBorder::transfer(const unsigned char* record, CBorder& border) const
{
    border.setThickness(exactLength(readBigEndian32(record, CHBORDER_THICKNESS)));
    border.setInsideSpacing(exactLength(readBigEndian32(record, CHBORDER_INSIDE)));
    border.setOutsideSpacing(exactLength(readBigEndian32(record, CHBORDER_OUTSIDE)));
    border.setLineColor(colorFromHost(readBigEndian32(record, CHBORDER_COLOR)));
    const uint32_t style = readBigEndian32(record, CHBORDER_LINE_STYLE);
    border.setPriority((style & CHBORDER_PRIORITY) != 0);
    for (const StyleLine& entry : kLineOfStyle) {
        if (entry.style == (style & ~CHBORDER_PRIORITY))
            border.setLineType(entry.line);
    }
    return border;
}
