// Paragraph formatting: the shared, reference-counted paragraph properties
// object that paragraphs and paragraph styles hold.
#pragma once

#include "model/Borders.h"
#include "model/CountedReference.h"
#include "model/Dimension.h"
#include "model/ParagraphNumbering.h"
#include "model/ParagraphValues.h"
#include "model/ReferenceTracking.h"
#include "model/Shading.h"
#include "model/TabDefinitions.h"

#include <cstdint>

class IEndOfParagraphCSContent;

enum EHorizontalAlignment : uint32_t {
    kAlignLeft = 0,
    kAlignCenter = 1,
    kAlignRight = 2,
    kAlignJustify = 3,
};

enum EParagraphKeepWith : uint32_t {
    kKeepWithNone = 0,
    kKeepWithNext = 1,
};

class IParagraphProperties : public virtual IReferenceTracking {
public:
    virtual void setHorizontalAlignment(EHorizontalAlignment alignment) = 0;
    virtual EHorizontalAlignment getHorizontalAlignment() const = 0;
    virtual void setKeepTogether(bool keep) = 0;
    virtual bool getKeepTogether() const = 0;
    // Shared: the properties hold a reference. A numbering whose level
    // definition has indents overwrites the paragraph's indents with them.
    virtual void setParagraphNumbering(CParagraphNumbering* numbering) = 0;
    virtual CParagraphNumbering* getParagraphNumbering() const = 0;
    // Shared: the properties hold a reference.
    virtual void setTabs(CTabDefinitions* tabs) = 0;
    virtual CTabDefinitions* getTabs() const = 0;
    virtual void setKeepWith(EParagraphKeepWith keepWith) = 0;
    virtual EParagraphKeepWith getKeepWith() const = 0;
    virtual void setSpaceBefore(const CDimension& space) = 0;
    virtual CDimension& getSpaceBefore(CDimension& out) const = 0;
    virtual void setSpaceAfter(const CDimension& space) = 0;
    virtual CDimension& getSpaceAfter(CDimension& out) const = 0;
    virtual void setBorders(const CGridBorders& borders) = 0;
    virtual CGridBorders& getBorders(CGridBorders& out) const = 0;
    virtual void setShading(const CShading& shading) = 0;
    virtual CShading& getShading(CShading& out) const = 0;
    virtual void setLineSpacing(const CLineSpacing& spacing) = 0;
    virtual CLineSpacing& getLineSpacing(CLineSpacing& out) const = 0;
    virtual void setHyphenation(const CHyphenation& hyphenation) = 0;
    virtual CHyphenation& getHyphenation(CHyphenation& out) const = 0;
    virtual void setIndents(const CIndents& indents) = 0;
    virtual CIndents& getIndents(CIndents& out) const = 0;
    virtual void setWidowOrphan(const CWidowOrphan& widowOrphan) = 0;
    virtual CWidowOrphan& getWidowOrphan(CWidowOrphan& out) const = 0;
    // A new object with the same formatting and one reference, the caller's.
    // It shares numbering and tabs; the end mark stays with the original.
    virtual IParagraphProperties* clone() const = 0;
    // The paragraph's end mark strand, which is not in the tree: the
    // properties own it and release it when replaced or destroyed.
    virtual IEndOfParagraphCSContent* getEndMarker() const = 0;
    virtual void setEndMarker(IEndOfParagraphCSContent* marker) = 0;
    virtual CDropCap& getDropCap(CDropCap& out) const = 0;
    virtual void setDropCap(const CDropCap& dropCap) = 0;
};

class CParagraphProperties : public IParagraphProperties, public CReferenceTracking {
public:
    CParagraphProperties() = default;
    CParagraphProperties& operator=(const CParagraphProperties&) = delete;

    void setHorizontalAlignment(EHorizontalAlignment alignment) override { m_values.alignment = alignment; }
    EHorizontalAlignment getHorizontalAlignment() const override { return m_values.alignment; }
    void setKeepTogether(bool keep) override { m_values.keepTogether = keep; }
    bool getKeepTogether() const override { return m_values.keepTogether; }
    void setParagraphNumbering(CParagraphNumbering* numbering) override;
    CParagraphNumbering* getParagraphNumbering() const override { return m_numbering.get(); }
    void setTabs(CTabDefinitions* tabs) override { m_tabs.reset(tabs); }
    CTabDefinitions* getTabs() const override { return m_tabs.get(); }
    void setKeepWith(EParagraphKeepWith keepWith) override { m_values.keepWith = keepWith; }
    EParagraphKeepWith getKeepWith() const override { return m_values.keepWith; }
    void setSpaceBefore(const CDimension& space) override { m_values.spaceBefore = space; }
    CDimension& getSpaceBefore(CDimension& out) const override { return out = m_values.spaceBefore; }
    void setSpaceAfter(const CDimension& space) override { m_values.spaceAfter = space; }
    CDimension& getSpaceAfter(CDimension& out) const override { return out = m_values.spaceAfter; }
    void setBorders(const CGridBorders& borders) override { m_values.borders = borders; }
    CGridBorders& getBorders(CGridBorders& out) const override { return out = m_values.borders; }
    void setShading(const CShading& shading) override { m_values.shading = shading; }
    CShading& getShading(CShading& out) const override { return out = m_values.shading; }
    void setLineSpacing(const CLineSpacing& spacing) override { m_values.lineSpacing = spacing; }
    CLineSpacing& getLineSpacing(CLineSpacing& out) const override { return out = m_values.lineSpacing; }
    void setHyphenation(const CHyphenation& hyphenation) override { m_values.hyphenation = hyphenation; }
    CHyphenation& getHyphenation(CHyphenation& out) const override { return out = m_values.hyphenation; }
    void setIndents(const CIndents& indents) override { m_values.indents = indents; }
    CIndents& getIndents(CIndents& out) const override { return out = m_values.indents; }
    void setWidowOrphan(const CWidowOrphan& widowOrphan) override { m_values.widowOrphan = widowOrphan; }
    CWidowOrphan& getWidowOrphan(CWidowOrphan& out) const override { return out = m_values.widowOrphan; }
    IParagraphProperties* clone() const override;
    IEndOfParagraphCSContent* getEndMarker() const override { return m_endMarker; }
    void setEndMarker(IEndOfParagraphCSContent* marker) override;
    CDropCap& getDropCap(CDropCap& out) const override { return out = m_values.dropCap; }
    void setDropCap(const CDropCap& dropCap) override { m_values.dropCap = dropCap; }

protected:
    // Ends with the release of its last reference; releases the end mark.
    ~CParagraphProperties() override;
    // The formatting of `other`, sharing its numbering and tabs, without an
    // end mark. Used by clone.
    CParagraphProperties(const CParagraphProperties& other);

private:
    // The formatting held by value.
    struct SValues {
        bool keepTogether = false;
        EHorizontalAlignment alignment = kAlignLeft;
        EParagraphKeepWith keepWith = kKeepWithNone;
        CDimension spaceBefore;
        CDimension spaceAfter;
        CGridBorders borders;
        CShading shading;
        CLineSpacing lineSpacing;
        CHyphenation hyphenation;
        CIndents indents;
        CWidowOrphan widowOrphan;
        CDropCap dropCap;
    };

    SValues m_values;
    TCountedReference<CTabDefinitions> m_tabs;
    TCountedReference<CParagraphNumbering> m_numbering;
    IEndOfParagraphCSContent* m_endMarker = nullptr;
};
