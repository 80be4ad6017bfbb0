// The page layout of a section: size, orientation, margins, binding, page
// numbering and page borders.
#pragma once

#include "model/Borders.h"
#include "model/CountedReference.h"
#include "model/Dimension.h"
#include "model/ReferenceTracking.h"

#include <cstdint>

class CNumberingStyle;

enum EPageOrientations : uint32_t {
    kPortrait = 0,
    kLandscape = 1,
};

// The edge pages are bound at; a gutter binding reserves the binding width.
enum EBindingTypes : uint32_t {
    kBindingLeftEdge = 0,
    kBindingTopEdge = 1,
    kBindingGutter = 2,
};

class CBinding {
public:
    CBinding() = default;
    virtual ~CBinding() = default;
    CBinding(const CBinding&) = default;
    CBinding& operator=(const CBinding&) = default;

    void setWidth(const CDimension& width) { m_width = width; }
    CDimension& getWidth(CDimension& out) const { return out = m_width; }
    void setDoubleSided(bool doubleSided) { m_doubleSided = doubleSided; }
    bool isDoubleSided() const { return m_doubleSided; }
    void setType(EBindingTypes type) { m_type = type; }
    EBindingTypes getType() const { return m_type; }

private:
    CDimension m_width;
    bool m_doubleSided = false;
    EBindingTypes m_type = kBindingLeftEdge;
};

class CPageProperties : public CReferenceTracking {
public:
    // The page number start of a section that continues the numbering.
    static constexpr uint32_t kContinuePageNumbers = 0xFFFFFFFF;

    CPageProperties() = default;
    // A copy shares the page number style.
    CPageProperties(const CPageProperties& other);
    CPageProperties& operator=(const CPageProperties&) = delete;

    // Height and width in twips.
    void setHeight(uint32_t height) { m_height = height; }
    uint32_t getHeight() const { return m_height; }
    void setWidth(uint32_t width) { m_width = width; }
    uint32_t getWidth() const { return m_width; }
    void setPageNumberStart(uint32_t start) { m_pageNumberStart = start; }
    uint32_t getPageNumberStart() const { return m_pageNumberStart; }
    void setPageOrientation(EPageOrientations orientation) { m_orientation = orientation; }
    EPageOrientations getPageOrientation() const { return m_orientation; }
    void setTopMargin(const CDimension& margin) { m_topMargin = margin; }
    CDimension& getTopMargin(CDimension& out) const { return out = m_topMargin; }
    void setBottomMargin(const CDimension& margin) { m_bottomMargin = margin; }
    CDimension& getBottomMargin(CDimension& out) const { return out = m_bottomMargin; }
    void setLeftMargin(const CDimension& margin) { m_leftMargin = margin; }
    CDimension& getLeftMargin(CDimension& out) const { return out = m_leftMargin; }
    void setRightMargin(const CDimension& margin) { m_rightMargin = margin; }
    CDimension& getRightMargin(CDimension& out) const { return out = m_rightMargin; }
    void setBinding(const CBinding& binding) { m_binding = binding; }
    CBinding& getBinding(CBinding& out) const { return out = m_binding; }
    // The style is shared: the properties hold a reference to it.
    void setPageNumberStyle(CNumberingStyle* style);
    CNumberingStyle* getPageNumberStyle() const { return m_pageNumberStyle.get(); }
    void setBorders(const CRectangularBorders& borders) { m_borders = borders; }
    CRectangularBorders& getBorders(CRectangularBorders& out) const { return out = m_borders; }

protected:
    ~CPageProperties() override;

private:
    uint32_t m_pageNumberStart = kContinuePageNumbers;
    EPageOrientations m_orientation = kPortrait;
    uint32_t m_height = 0;
    uint32_t m_width = 0;
    CDimension m_topMargin;
    CDimension m_bottomMargin;
    CDimension m_leftMargin;
    CDimension m_rightMargin;
    CBinding m_binding;
    TCountedReference<CNumberingStyle> m_pageNumberStyle;
    CRectangularBorders m_borders;
};
