// Border lines: one line (CBorder), the four sides of a box
// (CRectangularBorders) and a box with the inside lines of a grid
// (CGridBorders). Copyable values compared field by field.
#pragma once

#include "model/Color.h"
#include "model/Dimension.h"
#include "model/LineTypes.h"

class CBorder {
public:
    CBorder() = default;
    explicit CBorder(ELineTypes lineType) : m_lineType(lineType) {}
    virtual ~CBorder() = default;
    CBorder(const CBorder&) = default;
    CBorder& operator=(const CBorder&) = default;

    void setPriority(bool priority) { m_priority = priority; }
    bool getPriority() const { return m_priority; }
    void setLineType(ELineTypes lineType) { m_lineType = lineType; }
    ELineTypes getLineType() const { return m_lineType; }
    void setInsideSpacing(const CDimension& spacing) { m_insideSpacing = spacing; }
    CDimension& getInsideSpacing(CDimension& out) const { return out = m_insideSpacing; }
    void setOutsideSpacing(const CDimension& spacing) { m_outsideSpacing = spacing; }
    CDimension& getOutsideSpacing(CDimension& out) const { return out = m_outsideSpacing; }
    void setThickness(const CDimension& thickness) { m_thickness = thickness; }
    CDimension& getThickness(CDimension& out) const { return out = m_thickness; }
    void setLineColor(const CColor& color) { m_lineColor = color; }
    CColor& getLineColor(CColor& out) const { return out = m_lineColor; }

    bool operator==(const CBorder& other) const;
    bool operator!=(const CBorder& other) const { return !(*this == other); }

private:
    bool m_priority = false;
    ELineTypes m_lineType = kLineNone;
    CDimension m_insideSpacing{kDimensionExact, 0};
    CDimension m_outsideSpacing{kDimensionExact, 0};
    CDimension m_thickness{kDimensionAuto, 0};
    CColor m_lineColor;
};

class CRectangularBorders {
public:
    CRectangularBorders() = default;
    // Every side drawn with `border`.
    explicit CRectangularBorders(const CBorder& border);
    virtual ~CRectangularBorders() = default;
    CRectangularBorders(const CRectangularBorders&) = default;
    CRectangularBorders& operator=(const CRectangularBorders&) = default;

    void setTop(const CBorder& border) { m_top = border; }
    CBorder& getTop(CBorder& out) const { return out = m_top; }
    void setBottom(const CBorder& border) { m_bottom = border; }
    CBorder& getBottom(CBorder& out) const { return out = m_bottom; }
    void setLeft(const CBorder& border) { m_left = border; }
    CBorder& getLeft(CBorder& out) const { return out = m_left; }
    void setRight(const CBorder& border) { m_right = border; }
    CBorder& getRight(CBorder& out) const { return out = m_right; }

    bool operator==(const CRectangularBorders& other) const;
    bool operator!=(const CRectangularBorders& other) const { return !(*this == other); }

private:
    CBorder m_top;
    CBorder m_bottom;
    CBorder m_left;
    CBorder m_right;
};

class CGridBorders : public CRectangularBorders {
public:
    CGridBorders() = default;
    // Every side and both inside lines drawn with `border`.
    explicit CGridBorders(const CBorder& border);

    void setInsideHorizontal(const CBorder& border) { m_insideHorizontal = border; }
    CBorder& getInsideHorizontal(CBorder& out) const { return out = m_insideHorizontal; }
    void setInsideVertical(const CBorder& border) { m_insideVertical = border; }
    CBorder& getInsideVertical(CBorder& out) const { return out = m_insideVertical; }

    bool operator==(const CGridBorders& other) const;
    bool operator!=(const CGridBorders& other) const { return !(*this == other); }

private:
    CBorder m_insideHorizontal;
    CBorder m_insideVertical;
};
