// The properties of a frame: size, transparency, text wrapping, shading,
// borders and position.
#pragma once

#include "model/Borders.h"
#include "model/CountedReference.h"
#include "model/Dimension.h"
#include "model/FramePosition.h"
#include "model/ReferenceTracking.h"
#include "model/Shading.h"

#include <cstdint>

enum EFrameTransparency : uint32_t {
    kFrameOpaque = 0,
    kFrameTransparent = 1,
};

// How the running text flows around the frame, numbered as the source
// numbers the wrapping modes; the frame writer passes 1 to 11 on.
enum EFrameWrappingMode : uint32_t {};

class CFrameProperties : public CReferenceTracking {
public:
    CFrameProperties() = default;
    CFrameProperties& operator=(const CFrameProperties&) = delete;

    void setTransparency(EFrameTransparency transparency) { m_transparency = transparency; }
    EFrameTransparency getTransparency() const { return m_transparency; }
    void setWrapMode(EFrameWrappingMode mode) { m_wrapMode = mode; }
    EFrameWrappingMode getWrapMode() const { return m_wrapMode; }
    void setWidth(const CDimension& width) { m_width = width; }
    CDimension& getWidth(CDimension& out) const { return out = m_width; }
    void setHeight(const CDimension& height) { m_height = height; }
    CDimension& getHeight(CDimension& out) const { return out = m_height; }
    // Holds a clone of the position (none for null): the caller's object
    // stays the caller's.
    void setPosition(const CFramePosition* position);
    CFramePosition* getPosition() const { return m_position.get(); }
    void setBorders(const CRectangularBorders& borders) { m_borders = borders; }
    CRectangularBorders& getBorders(CRectangularBorders& out) const { return out = m_borders; }
    void setShading(const CShading& shading) { m_shading = shading; }
    CShading& getShading(CShading& out) const { return out = m_shading; }

    // A new copy with a clone of the position of its own, held by the
    // caller's single reference.
    CFrameProperties* clone() const { return new CFrameProperties(*this); }

protected:
    CFrameProperties(const CFrameProperties& other);
    ~CFrameProperties() override = default;

private:
    EFrameTransparency m_transparency = kFrameOpaque;
    EFrameWrappingMode m_wrapMode{};
    CDimension m_width;
    CDimension m_height;
    CShading m_shading;
    CRectangularBorders m_borders;
    TCountedReference<CFramePosition> m_position;
};
