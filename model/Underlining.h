// How characters are underlined: the kind of line and whether spaces are
// underlined too.
#pragma once

#include "model/LineTypes.h"

#include <cstdint>

enum EUnderliningModes : uint32_t {
    kUnderlineContinuous = 0,
    kUnderlineWordsOnly = 3,
};

class CUnderlining {
public:
    CUnderlining() = default;
    CUnderlining(ELineTypes lineType, EUnderliningModes mode) : m_lineType(lineType), m_mode(mode) {}
    virtual ~CUnderlining() = default;
    CUnderlining(const CUnderlining&) = default;
    CUnderlining& operator=(const CUnderlining&) = default;

    void setLineType(ELineTypes lineType) { m_lineType = lineType; }
    ELineTypes getLineType() const { return m_lineType; }
    void setUnderlineMode(EUnderliningModes mode) { m_mode = mode; }
    EUnderliningModes getUnderlineMode() const { return m_mode; }

    bool operator==(const CUnderlining& other) const
    {
        return m_lineType == other.m_lineType && m_mode == other.m_mode;
    }
    bool operator!=(const CUnderlining& other) const { return !(*this == other); }

private:
    ELineTypes m_lineType = kLineNone;
    EUnderliningModes m_mode = kUnderlineContinuous;
};
