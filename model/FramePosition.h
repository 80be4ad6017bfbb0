// Where a frame is anchored and placed: relative to its container, to its
// paragraph, or inline at a character. Positions are reference counted; a
// frame's properties hold a private clone of the position they are given.
#pragma once

#include "model/ReferenceTracking.h"

#include <cstdint>

enum EFrameAnchorType : uint32_t {
    kAnchorToContainer = 0,
    kAnchorToParagraph = 1,
    kAnchorToCharacter = 2,
};

// Alignment of a container- or paragraph-anchored frame; "at offset" places
// it by its reference offset.
enum EFrameHorizontalAlignment : uint32_t {
    kFrameAlignLeft = 0,
    kFrameAlignCenter = 1,
    kFrameAlignRight = 2,
    kFrameAlignHorizontallyAtOffset = 3,
};

enum EFrameVerticalAlignment : uint32_t {
    kFrameAlignTop = 0,
    kFrameAlignMiddle = 1,
    kFrameAlignBottom = 2,
    kFrameAlignVerticallyAtOffset = 3,
};

// What the offsets of an anchored frame are measured from, numbered as the
// reader derives them from the source's frame flags (1 to 6 horizontally;
// 1 to 4 vertically for container anchors, 1 to 5 for paragraph anchors).
enum EWPContainerAnchorHorizontalReference : uint32_t {};
enum EWPContainerAnchorVerticalReference : uint32_t {};
enum EWPParagraphAnchorHorizontalReference : uint32_t {};
enum EWPParagraphAnchorVerticalReference : uint32_t {};

enum EWPCharacterAnchorVerticalAlignment : uint32_t {
    kCharacterAnchorTop = 0,
    kCharacterAnchorBaseline = 2,
};

class CFramePosition : public CReferenceTracking {
public:
    CFramePosition& operator=(const CFramePosition&) = delete;

    void setAnchorType(EFrameAnchorType type) { m_anchorType = type; }
    EFrameAnchorType getAnchorType() const { return m_anchorType; }
    // A new copy, held by the caller's single reference.
    virtual CFramePosition* clone() const = 0;

protected:
    CFramePosition() = default;
    CFramePosition(const CFramePosition& other) : CReferenceTracking(), m_anchorType(other.m_anchorType) {}
    ~CFramePosition() override = default;

private:
    EFrameAnchorType m_anchorType = kAnchorToContainer;
};

// The alignments and reference offsets shared by the container and the
// paragraph anchors, which differ in the kinds of reference they measure from.
template <class HorizontalReference, class VerticalReference>
class TWPPositionAnchor : public CFramePosition {
public:
    void setHorizontalAlignment(EFrameHorizontalAlignment alignment) { m_horizontalAlignment = alignment; }
    EFrameHorizontalAlignment getHorizontalAlignment() const { return m_horizontalAlignment; }
    void setVerticalAlignment(EFrameVerticalAlignment alignment) { m_verticalAlignment = alignment; }
    EFrameVerticalAlignment getVerticalAlignment() const { return m_verticalAlignment; }
    void setHorizontalReference(HorizontalReference reference) { m_horizontalReference = reference; }
    HorizontalReference getHorizontalReference() const { return m_horizontalReference; }
    void setVerticalReference(VerticalReference reference) { m_verticalReference = reference; }
    VerticalReference getVerticalReference() const { return m_verticalReference; }
    void setHorizReferenceOffset(long offset) { m_horizReferenceOffset = offset; }
    long getHorizReferenceOffset() const { return m_horizReferenceOffset; }
    void setVertReferenceOffset(long offset) { m_vertReferenceOffset = offset; }
    long getVertReferenceOffset() const { return m_vertReferenceOffset; }

private:
    EFrameHorizontalAlignment m_horizontalAlignment = kFrameAlignLeft;
    EFrameVerticalAlignment m_verticalAlignment = kFrameAlignTop;
    HorizontalReference m_horizontalReference{};
    VerticalReference m_verticalReference{};
    long m_horizReferenceOffset = 0;
    long m_vertReferenceOffset = 0;
};

class CWPPositionContainerAnchor
    : public TWPPositionAnchor<EWPContainerAnchorHorizontalReference, EWPContainerAnchorVerticalReference> {
public:
    CWPPositionContainerAnchor() = default;
    CFramePosition* clone() const override { return new CWPPositionContainerAnchor(*this); }

protected:
    CWPPositionContainerAnchor(const CWPPositionContainerAnchor&) = default;
    ~CWPPositionContainerAnchor() override = default;
};

class CWPPositionParagraphAnchor
    : public TWPPositionAnchor<EWPParagraphAnchorHorizontalReference, EWPParagraphAnchorVerticalReference> {
public:
    CWPPositionParagraphAnchor() = default;
    CFramePosition* clone() const override { return new CWPPositionParagraphAnchor(*this); }

protected:
    CWPPositionParagraphAnchor(const CWPPositionParagraphAnchor&) = default;
    ~CWPPositionParagraphAnchor() override = default;
};

class CWPPositionCharacterAnchor : public CFramePosition {
public:
    CWPPositionCharacterAnchor() = default;
    CFramePosition* clone() const override { return new CWPPositionCharacterAnchor(*this); }

    void setVerticalAlignment(EWPCharacterAnchorVerticalAlignment alignment) { m_verticalAlignment = alignment; }
    EWPCharacterAnchorVerticalAlignment getVerticalAlignment() const { return m_verticalAlignment; }
    void setVerticalBaselineOffset(long offset) { m_verticalBaselineOffset = offset; }
    long getVerticalBaselineOffset() const { return m_verticalBaselineOffset; }

protected:
    CWPPositionCharacterAnchor(const CWPPositionCharacterAnchor&) = default;
    ~CWPPositionCharacterAnchor() override = default;

private:
    EWPCharacterAnchorVerticalAlignment m_verticalAlignment = kCharacterAnchorBaseline;
    long m_verticalBaselineOffset = 0;
};
