// The value classes of paragraph formatting: indents, line spacing,
// hyphenation, widow and orphan control and drop caps. Copyable values
// compared field by field.
#pragma once

#include "model/Dimension.h"
#include "model/Fixed.h"
#include "model/Offset.h"
#include "model/ReferenceTracking.h"

#include <cstdint>

// The left and first-line indents are measured from the left margin, the
// right indent from the right margin. Reference-counted where a numbering
// level shares it; held by value in paragraph properties.
class CIndents : public CReferenceTracking {
public:
    CIndents() = default;
    CIndents(const CIndents&) = default;
    CIndents& operator=(const CIndents&) = default;
    ~CIndents() override = default;

    void setFirstLineOffset(const COffset& offset) { m_firstLine = offset; }
    COffset& getFirstLineOffset(COffset& out) const { return out = m_firstLine; }
    void setLeftOffset(const COffset& offset) { m_left = offset; }
    COffset& getLeftOffset(COffset& out) const { return out = m_left; }
    void setRightOffset(const COffset& offset) { m_right = offset; }
    COffset& getRightOffset(COffset& out) const { return out = m_right; }

    bool operator==(const CIndents& other) const;
    bool operator!=(const CIndents& other) const { return !(*this == other); }

private:
    COffset m_firstLine{kOffsetFromLeftMargin, 0};
    COffset m_left{kOffsetFromLeftMargin, 0};
    COffset m_right{kOffsetFromRightMargin, 0};
};

// The height of a line, in twips or in whole lines.
class CLineSpacing : public CVerticalDimension {};

class CHyphenation {
public:
    virtual ~CHyphenation() = default;

    void setLeftHotZone(uint32_t zone) { m_leftHotZone = zone; }
    uint32_t getLeftHotZone() const { return m_leftHotZone; }
    void setRightHotZone(uint32_t zone) { m_rightHotZone = zone; }
    uint32_t getRightHotZone() const { return m_rightHotZone; }
    void setEnable(bool enabled) { m_enabled = enabled; }
    bool isEnabled() const { return m_enabled; }

    bool operator==(const CHyphenation& other) const;
    bool operator!=(const CHyphenation& other) const { return !(*this == other); }

private:
    uint32_t m_leftHotZone = 0;
    uint32_t m_rightHotZone = 0;
    bool m_enabled = false;
};

class CWidowOrphan {
public:
    virtual ~CWidowOrphan() = default;

    void setLinesTogether(uint16_t lines) { m_linesTogether = lines; }
    uint16_t getLinesTogether() const { return m_linesTogether; }
    void setEnable(bool enabled) { m_enabled = enabled; }
    bool isEnabled() const { return m_enabled; }

    bool operator==(const CWidowOrphan& other) const;
    bool operator!=(const CWidowOrphan& other) const { return !(*this == other); }

private:
    uint16_t m_linesTogether = 0;
    bool m_enabled = false;
};

class CDropCap {
public:
    virtual ~CDropCap() = default;

    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool isEnabled() const { return m_enabled; }
    void setPercentInMargin(const CFixed& percent) { m_percentInMargin = percent; }
    CFixed& getPercentInMargin(CFixed& out) const { return out = m_percentInMargin; }
    void setVerticalPosition(const CVerticalDimension& position) { m_verticalPosition = position; }
    CVerticalDimension& getVerticalPosition(CVerticalDimension& out) const { return out = m_verticalPosition; }
    void setHeight(const CVerticalDimension& height) { m_height = height; }
    CVerticalDimension& getHeight(CVerticalDimension& out) const { return out = m_height; }

    bool operator==(const CDropCap& other) const;
    bool operator!=(const CDropCap& other) const { return !(*this == other); }

private:
    bool m_enabled = false;
    CFixed m_percentInMargin;
    CVerticalDimension m_verticalPosition;
    CVerticalDimension m_height;
};
