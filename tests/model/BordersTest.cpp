#include "model/Borders.h"
#include "model/Shading.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Each change touches one field; equality must notice every one of them.
TEST(Border, EveryFieldTakesPartInEquality)
{
    const std::vector<std::function<void(CBorder&)>> changes = {
        [](CBorder& b) { b.setPriority(true); },
        [](CBorder& b) { b.setLineType(kLineDouble); },
        [](CBorder& b) { b.setInsideSpacing(CDimension(kDimensionExact, 20)); },
        [](CBorder& b) { b.setOutsideSpacing(CDimension(kDimensionExact, 20)); },
        [](CBorder& b) { b.setThickness(CDimension(kDimensionAuto, 15)); },
        [](CBorder& b) { b.setLineColor(CColor(0, 0, 255)); },
    };
    EXPECT_EQ(CBorder(), CBorder());
    for (size_t i = 0; i < changes.size(); ++i) {
        CBorder changed;
        changes[i](changed);
        EXPECT_NE(changed, CBorder()) << "change " << i;
        EXPECT_EQ(changed, CBorder(changed)) << "change " << i;
    }
}

TEST(GridBorders, BuiltFromOneBorderDrawsAllSixLinesWithIt)
{
    using Getter = CBorder& (CGridBorders::*)(CBorder&) const;
    const CGridBorders grid{CBorder(kLineTableDefault)};
    const Getter lines[] = {&CGridBorders::getTop,   &CGridBorders::getBottom,
                            &CGridBorders::getLeft,  &CGridBorders::getRight,
                            &CGridBorders::getInsideHorizontal, &CGridBorders::getInsideVertical};
    for (Getter get : lines) {
        CBorder line;
        EXPECT_EQ((grid.*get)(line).getLineType(), kLineTableDefault);
    }
}

TEST(GridBorders, EqualityCoversSidesAndInsideLines)
{
    const CGridBorders base{CBorder(kLineSingle)};
    CGridBorders otherRight = base;
    otherRight.setRight(CBorder(kLineDouble));
    CGridBorders otherInside = base;
    otherInside.setInsideVertical(CBorder(kLineNone));
    EXPECT_EQ(base, CGridBorders(base));
    EXPECT_NE(base, otherRight);
    EXPECT_NE(base, otherInside);
    // Compared as boxes, the inside lines do not count.
    EXPECT_EQ(static_cast<const CRectangularBorders&>(base), static_cast<const CRectangularBorders&>(otherInside));
}

TEST(Shading, EveryFieldTakesPartInEquality)
{
    const std::vector<std::function<void(CShading&)>> changes = {
        [](CShading& s) { s.setType(kShadingSolid); },
        [](CShading& s) { s.setForegroundPatternColor(CColor(1, 2, 3)); },
        [](CShading& s) { s.setBackgroundPatternColor(CColor(1, 2, 3)); },
        [](CShading& s) { s.setTransparency(CFixed(50)); },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        CShading changed;
        changes[i](changed);
        EXPECT_NE(changed, CShading()) << "change " << i;
    }
}

} // namespace
