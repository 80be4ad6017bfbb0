#include "model/Dimension.h"
#include "model/Fixed.h"
#include "model/Rectangle.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

TEST(VerticalDimension, ConvertsBetweenLinesAndTwipsWithoutChangingItself)
{
    CVerticalDimension height; // twips by default
    height.setDimHeight(CDimension(kDimensionExact, 2400));
    CDimension out;
    height.getDimHeight(out, kHeightUnitsLines);
    EXPECT_EQ(out, CDimension(kDimensionExact, 10));
    height.getDimHeight(out);
    EXPECT_EQ(out.getValue(), 2400);
    height.setValue(-479); // divided truncating toward zero
    height.getDimHeight(out, kHeightUnitsLines);
    EXPECT_EQ(out.getValue(), -1);

    height.setUnits(kHeightUnitsLines);
    height.setDimHeight(CDimension(kDimensionAtLeast, 10));
    height.getDimHeight(out, kHeightUnitsTwips);
    EXPECT_EQ(out, CDimension(kDimensionAtLeast, 2400));
    CVerticalDimension twips = height;
    twips.setUnits(kHeightUnitsTwips);
    EXPECT_NE(twips, height);
}

TEST(Fixed, FractionsTruncateTowardZeroAndWholePartsRoundDown)
{
    CFixed value;
    value = -1.5;
    EXPECT_EQ(value.getRawValue(), -98304);
    EXPECT_EQ(static_cast<long>(value), -2);
    EXPECT_EQ(static_cast<short>(value), -2);
    EXPECT_DOUBLE_EQ(static_cast<double>(value), -1.5);
    value = -1.0 / 3.0;
    EXPECT_EQ(value.getRawValue(), -21845);
    // Beyond the word's range (a damaged document) the ends of the range hold.
    value = 1e12;
    EXPECT_EQ(value.getRawValue(), std::numeric_limits<int32_t>::max());
    value = -1e12;
    EXPECT_EQ(value.getRawValue(), std::numeric_limits<int32_t>::min());
}

TEST(Fixed, WholeNumbersShiftInAndNarrowToTheTargetWidth)
{
    EXPECT_EQ(CFixed(100).getRawValue(), 100 << 16);
    CFixed value;
    value = static_cast<short>(-3);
    EXPECT_EQ(value.getRawValue(), -3 * 65536);
    value = 0x12345L; // bits above the 16 integer bits fall off
    EXPECT_EQ(static_cast<long>(value), 0x2345);
    value = 300L;
    EXPECT_EQ(static_cast<unsigned char>(value), 300 & 0xFF);
    value = -1L;
    EXPECT_EQ(static_cast<unsigned short>(value), 0xFFFF);
    // Comparisons use the raw word, not the whole part.
    CFixed half;
    half = 0.5;
    EXPECT_TRUE(half > CFixed(0) && half != CFixed(0));
}

TEST(Rectangle, DamagedEdgesWrapAroundInsteadOfOverflowing)
{
    EXPECT_EQ(CRectangle(std::numeric_limits<int32_t>::min(), 0, std::numeric_limits<int32_t>::max(), 0).getHeight(),
              -1);
}

} // namespace
