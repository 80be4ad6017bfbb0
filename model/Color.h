// Colours: CColor (one colour with alpha and an "automatic" flag) and
// CStrandColor (the foreground and background of characters).
#pragma once

#include "model/Fixed.h"

#include <cstdint>

class CColor {
public:
    CColor() = default;
    CColor(uint8_t red, uint8_t green, uint8_t blue);
    virtual ~CColor() = default;
    CColor(const CColor&) = default;
    CColor& operator=(const CColor&) = default;

    void setRed(uint8_t red) { m_red = widen(red); }
    uint8_t getRed() const { return narrow(m_red); }
    void setGreen(uint8_t green) { m_green = widen(green); }
    uint8_t getGreen() const { return narrow(m_green); }
    void setBlue(uint8_t blue) { m_blue = widen(blue); }
    uint8_t getBlue() const { return narrow(m_blue); }
    void setAlpha(uint8_t alpha) { m_alpha = widen(alpha); }
    uint8_t getAlpha() const { return narrow(m_alpha); }
    void setAuto(bool isAuto) { m_auto = isAuto; }
    bool getAuto() const { return m_auto; }

    bool operator==(const CColor& other) const;
    bool operator!=(const CColor& other) const { return !(*this == other); }

private:
    // Channels are kept as 16-bit values with the 8-bit channel in the high byte.
    static uint16_t widen(uint8_t channel) { return static_cast<uint16_t>(channel << 8); }
    static uint8_t narrow(uint16_t channel) { return static_cast<uint8_t>(channel >> 8); }

    uint16_t m_red = 0;
    uint16_t m_green = 0;
    uint16_t m_blue = 0;
    uint16_t m_alpha = 0;
    bool m_auto = false;
};

class CStrandColor {
public:
    static constexpr long kOpaque = 0;
    static constexpr long kTransparent = 100;

    CStrandColor() = default;
    virtual ~CStrandColor() = default;
    CStrandColor(const CStrandColor&) = default;
    CStrandColor& operator=(const CStrandColor&) = default;

    void setForeground(const CColor& color) { m_foreground = color; }
    CColor& getForeground(CColor& out) const { return out = m_foreground; }
    void setBackground(const CColor& color) { m_background = color; }
    CColor& getBackground(CColor& out) const { return out = m_background; }
    void setForegroundTransparency(const CFixed& transparency) { m_foregroundTransparency = transparency; }
    CFixed& getForegroundTransparency(CFixed& out) const { return out = m_foregroundTransparency; }
    void setBackgroundTransparency(const CFixed& transparency) { m_backgroundTransparency = transparency; }
    CFixed& getBackgroundTransparency(CFixed& out) const { return out = m_backgroundTransparency; }

    bool operator==(const CStrandColor& other) const;
    bool operator!=(const CStrandColor& other) const { return !(*this == other); }

private:
    CColor m_foreground;
    CColor m_background;
    CFixed m_foregroundTransparency{kOpaque};
    CFixed m_backgroundTransparency{kTransparent};
};
