#include "chunker/HostRecords.h"

#include "chunker/ChunkerBorder.h"
#include "model/Borders.h"

namespace {

CBorder convertBorder(const CChunkerBorder& converter, const unsigned char* record)
{
    CBorder border;
    converter.transfer(record, border);
    return border;
}

} // namespace

CDimension hostLength(EDimensionTypes type, uint32_t value)
{
    return CDimension(type, static_cast<int32_t>(value));
}

CRectangularBorders convertBorders(const CChunkerBorder& converter, const unsigned char* record,
                                   const SBorderOffsets& offsets)
{
    CRectangularBorders borders;
    borders.setTop(convertBorder(converter, record + offsets.top));
    borders.setLeft(convertBorder(converter, record + offsets.left));
    borders.setBottom(convertBorder(converter, record + offsets.bottom));
    borders.setRight(convertBorder(converter, record + offsets.right));
    return borders;
}
