#include "icf/ICFBorders.h"

#include "icf/ICFColor.h"
#include "icf/ICFCommandWriter.h"
#include "icf/ICFParameter.h"
#include "icf/ICFVocabulary.h"

#include <algorithm>

namespace {

constexpr uint32_t kSingleLineCode = 1;
constexpr int32_t kLastBorderClient = 3;
// Four bits per side; the first side (top) in the highest four.
constexpr unsigned kBitsPerSide = 4;

unsigned long clientCode(EBorderClient client)
{
    return client >= 0 && client <= kLastBorderClient ? client : kBorderClientParagraph;
}

// The colour code of a side's line drawn over black.
unsigned long lineColorCode(const CBorder& side)
{
    CColor color;
    return CICFColorUtilities::getComposite(side.getLineColor(color), CColor());
}

} // namespace

uint32_t CICFBorderCodes::getICFBorderCode(ELineTypes lineType)
{
    const bool keepsNumber = lineType == kLineNone || (lineType >= kLineDouble && lineType <= kLineBorderStyle8);
    return keepsNumber ? lineType : kSingleLineCode;
}

CICFBorders::CICFBorders(const CRectangularBorders& sides)
{
    CRectangularBorders::operator=(sides);
}

void CICFBorders::writePBC(CICFWriter* writer, EOnOffType onOff, EBorderClient client) const
{
    CICFCommandWriter command;
    command.initialize(writer, kCmdBorders);
    CICFHexParameter codes(0, kHexSizeWord);
    if (onOff == kOnOffOn)
        getIcfBorderCodes(codes);
    command.writeParameter(codes);
    command.writeParameter(CICFDecimalParameter(clientCode(client)));
    if (onOff == kOnOffOn) {
        for (const CBorder& side : getSides())
            command.writeParameter(CICFHexParameter(lineColorCode(side)));
    }
    command.done();
}

void CICFBorders::getIcfBorderCodes(CICFHexParameter& codes) const
{
    unsigned long value = 0;
    for (const CBorder& side : getSides())
        value = (value << kBitsPerSide) | CICFBorderCodes::getICFBorderCode(side.getLineType());
    codes.setValue(value);
    codes.setSize(kHexSizeWord);
}

bool CICFBorders::areAllBordersOff() const
{
    const auto sides = getSides();
    return std::all_of(sides.begin(), sides.end(), [](const CBorder& side) { return side.getLineType() == kLineNone; });
}

std::array<CBorder, 4> CICFBorders::getSides() const
{
    std::array<CBorder, 4> sides;
    getTop(sides[0]);
    getLeft(sides[1]);
    getBottom(sides[2]);
    getRight(sides[3]);
    return sides;
}
