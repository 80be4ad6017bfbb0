// Lengths: CDimension (a typed value) and CVerticalDimension (a length that
// also knows whether it counts twips or 240-twip lines).
#pragma once

#include "model/Units.h"

#include <cstdint>

// How a length is to be taken; the reader picks the type when it stores a
// length and the writers test it. Exact is the type of nearly every length.
enum EDimensionTypes : uint32_t {
    kDimensionAuto = 0,
    kDimensionAtLeast = 1,
    kDimensionAtMost = 2,
    kDimensionExact = 3,
};

// Units of a vertical length: whole lines of 240 twips, or twips.
enum EHeightUnits : uint32_t {
    kHeightUnitsLines = 0,
    kHeightUnitsTwips = 1,
};

class CDimension {
public:
    CDimension() = default;
    CDimension(EDimensionTypes type, int32_t value) : m_type(type), m_value(value) {}
    virtual ~CDimension() = default;
    CDimension(const CDimension&) = default;
    CDimension& operator=(const CDimension&) = default;

    void setType(EDimensionTypes type) { m_type = type; }
    EDimensionTypes getType() const { return m_type; }
    void setValue(int32_t value) { m_value = value; }
    int32_t getValue() const { return m_value; }

    // Equality looks at type and value; the ordering at the values only.
    bool operator==(const CDimension& other) const;
    bool operator!=(const CDimension& other) const { return !(*this == other); }
    bool operator<(const CDimension& other) const { return m_value < other.m_value; }
    bool operator>(const CDimension& other) const { return m_value > other.m_value; }
    bool operator<=(const CDimension& other) const { return m_value <= other.m_value; }
    bool operator>=(const CDimension& other) const { return m_value >= other.m_value; }

private:
    EDimensionTypes m_type = kDimensionAuto;
    int32_t m_value = 0;
};

class CVerticalDimension : public CDimension {
public:
    CVerticalDimension() = default;

    void setUnits(EHeightUnits units) { m_units = units; }
    EHeightUnits getUnits() const { return m_units; }

    // The height is the dimension part; the units are not touched.
    void setDimHeight(const CDimension& height);
    CDimension& getDimHeight(CDimension& out) const;
    // The height converted to `units` (lines to twips multiply, twips to
    // lines divide truncating toward zero).
    CDimension& getDimHeight(CDimension& out, EHeightUnits units) const;

    bool operator==(const CVerticalDimension& other) const;
    bool operator!=(const CVerticalDimension& other) const { return !(*this == other); }

private:
    EHeightUnits m_units = kHeightUnitsTwips;
};
