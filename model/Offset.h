// A position given as a distance from a reference line.
#pragma once

#include <cstdint>

enum EOffsetReference : uint32_t {
    kOffsetFromLeftMargin = 0,
    kOffsetFromRightMargin = 1,
    kOffsetFromPageEdge = 2,
    kOffsetFromContainerWidth = 3,
    kOffsetFromLeftIndent = 4,
};

class COffset {
public:
    COffset() = default;
    COffset(EOffsetReference relativeFrom, int32_t value) : m_relativeFrom(relativeFrom), m_value(value) {}
    virtual ~COffset() = default;
    COffset(const COffset&) = default;
    COffset& operator=(const COffset&) = default;

    void setRelativeFrom(EOffsetReference relativeFrom) { m_relativeFrom = relativeFrom; }
    EOffsetReference getRelativeFrom() const { return m_relativeFrom; }
    void setValue(int32_t value) { m_value = value; }
    int32_t getValue() const { return m_value; }

    bool operator==(const COffset& other) const
    {
        return m_value == other.m_value && m_relativeFrom == other.m_relativeFrom;
    }
    bool operator!=(const COffset& other) const { return !(*this == other); }

private:
    EOffsetReference m_relativeFrom = kOffsetFromPageEdge;
    int32_t m_value = 0;
};
