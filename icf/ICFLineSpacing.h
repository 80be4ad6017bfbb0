// Line spacing as ICF needs it: the height in twips and in half lines, and
// whether it is an "at least" spacing (written as "RSP") or an exact one
// (written as "LNH").
#pragma once

#include "model/ParagraphValues.h"

#include <cstdint>

class CICFLineSpacing : public CLineSpacing {
public:
    CICFLineSpacing() = default;
    explicit CICFLineSpacing(const CLineSpacing& spacing) : CLineSpacing(spacing) {}

    // A height given in lines counts 240 twips a line.
    uint32_t getHeightTwips() const;
    // Half lines of a height in twips; a height in lines is halved.
    uint32_t getHeightHalfLines() const;
    // 1 for an "at least" height, else 0.
    uint32_t getICFLineSpacingType() const;
};
