// Character formatting of a strand: the shared, reference-counted strand
// properties object that strands, character styles and paragraph styles
// hold.
#pragma once

#include "model/Borders.h"
#include "model/Color.h"
#include "model/CountedReference.h"
#include "model/Fixed.h"
#include "model/Language.h"
#include "model/ReferenceTracking.h"
#include "model/Shading.h"
#include "model/Underlining.h"

#include <cstdint>

class CFontDefinition;

enum ECaseModifierTypes : uint32_t {
    kCaseNone = 0,
    kCaseSmallCapitals = 1,
    kCaseAllCapitals = 2,
    kCaseLower = 3,
    kCaseTitle = 4,
};

enum EScriptingTypes : uint32_t {
    kScriptingNone = 0,
    kScriptingSuperscript = 1,
    kScriptingSubscript = 2,
};

enum EStrikeOutTypes : uint32_t {
    kStrikeOutNone = 0,
    kStrikeOutSingle = 1,
    kStrikeOutDouble = 2,
};

class IStrandProperties : public virtual IReferenceTracking {
public:
    virtual void setBold(bool on) = 0;
    virtual bool isBold() const = 0;
    virtual void setEmbossed(bool on) = 0;
    virtual bool isEmbossed() const = 0;
    virtual void setEngraved(bool on) = 0;
    virtual bool isEngraved() const = 0;
    virtual void setFlashing(bool on) = 0;
    virtual bool isFlashing() const = 0;
    virtual void setHidden(bool on) = 0;
    virtual bool isHidden() const = 0;
    virtual void setItalic(bool on) = 0;
    virtual bool isItalic() const = 0;
    virtual void setOutline(bool on) = 0;
    virtual bool isOutline() const = 0;
    virtual void setProtected(bool on) = 0;
    virtual bool isProtected() const = 0;
    virtual void setReverse(bool on) = 0;
    virtual bool isReverse() const = 0;
    virtual void setRevisionAdded(bool on) = 0;
    virtual bool isRevisionAdded() const = 0;
    virtual void setRevisionDeleted(bool on) = 0;
    virtual bool isRevisionDeleted() const = 0;
    virtual void setShadow(bool on) = 0;
    virtual bool isShadow() const = 0;
    virtual void setFontSize(uint32_t size) = 0;
    virtual uint32_t getFontSize() const = 0;
    virtual void setPairKerningStart(uint32_t size) = 0;
    virtual uint32_t getPairKerningStart() const = 0;
    virtual void setCaseModifier(ECaseModifierTypes modifier) = 0;
    virtual ECaseModifierTypes getCaseModifier() const = 0;
    virtual void setScripting(EScriptingTypes scripting) = 0;
    virtual EScriptingTypes getScripting() const = 0;
    virtual void setStrikeOut(EStrikeOutTypes strikeOut) = 0;
    virtual EStrikeOutTypes getStrikeOut() const = 0;
    virtual void setCharacterWidthAdjustment(int32_t adjustment) = 0;
    virtual int32_t getCharacterWidthAdjustment() const = 0;
    virtual void setScaling(const CFixed& scaling) = 0;
    virtual CFixed& getScaling(CFixed& out) const = 0;
    virtual void setBaselineShift(int32_t shift) = 0;
    virtual int32_t getBaselineShift() const = 0;
    virtual void setBorders(const CRectangularBorders& borders) = 0;
    virtual CRectangularBorders& getBorders(CRectangularBorders& out) const = 0;
    virtual void setColor(const CStrandColor& color) = 0;
    virtual CStrandColor& getColor(CStrandColor& out) const = 0;
    // The font is shared: the properties hold a reference to it.
    virtual void setFontName(CFontDefinition* font) = 0;
    virtual CFontDefinition* getFontName() const = 0;
    virtual void setLanguage(const CLanguage& language) = 0;
    virtual CLanguage& getLanguage(CLanguage& out) const = 0;
    virtual void setShading(const CShading& shading) = 0;
    virtual CShading& getShading(CShading& out) const = 0;
    virtual void setUnderline(const CUnderlining& underline) = 0;
    virtual CUnderlining& getUnderline(CUnderlining& out) const = 0;
    // A new object with the same values and one reference, the caller's.
    virtual IStrandProperties* clone() const = 0;
};

class CStrandProperties : public IStrandProperties, public CReferenceTracking {
public:
    CStrandProperties();
    // Copies every value; the copy takes its own reference to the font.
    CStrandProperties(const CStrandProperties& other);
    CStrandProperties& operator=(const CStrandProperties& other);
    ~CStrandProperties() override;

    void setBold(bool on) override { m_values.bold = on; }
    bool isBold() const override { return m_values.bold; }
    void setEmbossed(bool on) override { m_values.embossed = on; }
    bool isEmbossed() const override { return m_values.embossed; }
    void setEngraved(bool on) override { m_values.engraved = on; }
    bool isEngraved() const override { return m_values.engraved; }
    void setFlashing(bool on) override { m_values.flashing = on; }
    bool isFlashing() const override { return m_values.flashing; }
    void setHidden(bool on) override { m_values.hidden = on; }
    bool isHidden() const override { return m_values.hidden; }
    void setItalic(bool on) override { m_values.italic = on; }
    bool isItalic() const override { return m_values.italic; }
    void setOutline(bool on) override { m_values.outline = on; }
    bool isOutline() const override { return m_values.outline; }
    void setProtected(bool on) override { m_values.isProtected = on; }
    bool isProtected() const override { return m_values.isProtected; }
    void setReverse(bool on) override { m_values.reverse = on; }
    bool isReverse() const override { return m_values.reverse; }
    void setRevisionAdded(bool on) override { m_values.revisionAdded = on; }
    bool isRevisionAdded() const override { return m_values.revisionAdded; }
    void setRevisionDeleted(bool on) override { m_values.revisionDeleted = on; }
    bool isRevisionDeleted() const override { return m_values.revisionDeleted; }
    void setShadow(bool on) override { m_values.shadow = on; }
    bool isShadow() const override { return m_values.shadow; }
    void setFontSize(uint32_t size) override { m_values.fontSize = size; }
    uint32_t getFontSize() const override { return m_values.fontSize; }
    void setPairKerningStart(uint32_t size) override { m_values.pairKerningStart = size; }
    uint32_t getPairKerningStart() const override { return m_values.pairKerningStart; }
    void setCaseModifier(ECaseModifierTypes modifier) override { m_values.caseModifier = modifier; }
    ECaseModifierTypes getCaseModifier() const override { return m_values.caseModifier; }
    void setScripting(EScriptingTypes scripting) override { m_values.scripting = scripting; }
    EScriptingTypes getScripting() const override { return m_values.scripting; }
    void setStrikeOut(EStrikeOutTypes strikeOut) override { m_values.strikeOut = strikeOut; }
    EStrikeOutTypes getStrikeOut() const override { return m_values.strikeOut; }
    void setCharacterWidthAdjustment(int32_t adjustment) override { m_values.widthAdjustment = adjustment; }
    int32_t getCharacterWidthAdjustment() const override { return m_values.widthAdjustment; }
    void setScaling(const CFixed& scaling) override { m_values.scaling = scaling; }
    CFixed& getScaling(CFixed& out) const override { return out = m_values.scaling; }
    void setBaselineShift(int32_t shift) override { m_values.baselineShift = shift; }
    int32_t getBaselineShift() const override { return m_values.baselineShift; }
    void setBorders(const CRectangularBorders& borders) override { m_values.borders = borders; }
    CRectangularBorders& getBorders(CRectangularBorders& out) const override { return out = m_values.borders; }
    void setColor(const CStrandColor& color) override { m_values.color = color; }
    CStrandColor& getColor(CStrandColor& out) const override { return out = m_values.color; }
    void setFontName(CFontDefinition* font) override;
    CFontDefinition* getFontName() const override { return m_font.get(); }
    void setLanguage(const CLanguage& language) override { m_values.language = language; }
    CLanguage& getLanguage(CLanguage& out) const override { return out = m_values.language; }
    void setShading(const CShading& shading) override { m_values.shading = shading; }
    CShading& getShading(CShading& out) const override { return out = m_values.shading; }
    void setUnderline(const CUnderlining& underline) override { m_values.underline = underline; }
    CUnderlining& getUnderline(CUnderlining& out) const override { return out = m_values.underline; }
    IStrandProperties* clone() const override;

private:
    // Everything but the shared font: plain values, copied as they are.
    struct SValues {
        bool bold = false;
        bool embossed = false;
        bool engraved = false;
        bool flashing = false;
        bool hidden = false;
        bool italic = false;
        bool outline = false;
        bool isProtected = false;
        bool reverse = false;
        bool revisionAdded = false;
        bool revisionDeleted = false;
        bool shadow = false;
        uint32_t fontSize = 0;
        uint32_t pairKerningStart = 0;
        ECaseModifierTypes caseModifier = kCaseNone;
        EScriptingTypes scripting = kScriptingNone;
        EStrikeOutTypes strikeOut = kStrikeOutNone;
        int32_t widthAdjustment = 0;
        CFixed scaling;
        int32_t baselineShift = 0;
        CRectangularBorders borders;
        CStrandColor color;
        CLanguage language;
        CShading shading;
        CUnderlining underline;
    };

    SValues m_values;
    // Its special members are defined where the font class is complete.
    TCountedReference<CFontDefinition> m_font;
};
