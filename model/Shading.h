// A background shading: a fill pattern drawn in a foreground colour over a
// background colour, with a transparency.
#pragma once

#include "model/Color.h"
#include "model/Fixed.h"

#include <cstdint>

// The fill. The reader assigns the patterns from the host's pattern index;
// the writers map them to ICF pattern codes.
enum EShadingTypes : uint32_t {
    kShadingNone = 0,
    // A plain fill in the background colour.
    kShadingSolid = 1,
    // Fill patterns, named by value.
    kShadingPattern2 = 2,
    kShadingPattern3 = 3,
    kShadingPattern4 = 4,
    kShadingPattern5 = 5,
    kShadingPattern6 = 6,
    kShadingPattern7 = 7,
    kShadingPattern8 = 8,
    kShadingPattern9 = 9,
    kShadingPattern10 = 10,
    kShadingPattern11 = 11,
    kShadingPattern12 = 12,
    kShadingPattern13 = 13,
};

class CShading {
public:
    CShading() = default;
    virtual ~CShading() = default;
    CShading(const CShading&) = default;
    CShading& operator=(const CShading&) = default;

    void setType(EShadingTypes type) { m_type = type; }
    EShadingTypes getType() const { return m_type; }
    void setForegroundPatternColor(const CColor& color) { m_foreground = color; }
    CColor& getForegroundPatternColor(CColor& out) const { return out = m_foreground; }
    void setBackgroundPatternColor(const CColor& color) { m_background = color; }
    CColor& getBackgroundPatternColor(CColor& out) const { return out = m_background; }
    void setTransparency(const CFixed& transparency) { m_transparency = transparency; }
    CFixed& getTransparency(CFixed& out) const { return out = m_transparency; }

    bool operator==(const CShading& other) const;
    bool operator!=(const CShading& other) const { return !(*this == other); }

private:
    EShadingTypes m_type = kShadingNone;
    CColor m_foreground;
    CColor m_background;
    CFixed m_transparency;
};
