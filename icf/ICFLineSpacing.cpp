#include "icf/ICFLineSpacing.h"

#include "model/Units.h"

namespace {

constexpr uint32_t kTwipsPerHalfLine = kTwipsPerLine / 2;

} // namespace

uint32_t CICFLineSpacing::getHeightTwips() const
{
    const auto height = static_cast<uint32_t>(getValue());
    return getUnits() == kHeightUnitsLines ? height * kTwipsPerLine : height;
}

uint32_t CICFLineSpacing::getHeightHalfLines() const
{
    const auto height = static_cast<uint32_t>(getValue());
    return getUnits() == kHeightUnitsTwips ? height / kTwipsPerHalfLine : height / 2;
}

uint32_t CICFLineSpacing::getICFLineSpacingType() const
{
    return getType() == kDimensionAtLeast ? 1 : 0;
}
