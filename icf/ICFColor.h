// Colours as ICF codes them: a four-bit code per colour telling which
// components are present and whether any is bright, and a composite of a
// foreground over a background code.
#pragma once

#include "model/Color.h"

#include <cstdint>

class CICFColor : public CColor {
public:
    CICFColor() = default;
    explicit CICFColor(const CColor& color) : CColor(color) {}

    // 4 for red, 2 for green, 1 for blue present, plus 8 when any present
    // component is above 127. Black is 0.
    uint8_t calculateCompositeNumber() const;
};

class CICFColorUtilities {
public:
    // The background's code in the high four bits, the foreground's in the
    // low four. Black on black gives 0, which stands for no colour.
    static uint8_t getComposite(const CColor& foreground, const CColor& background);
};
