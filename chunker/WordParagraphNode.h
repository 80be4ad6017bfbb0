// The reader's paragraph: besides the model's paragraph it carries the
// running character formatting of the text being read. Character changes
// land in the current strand properties; each new strand of the paragraph
// gets a copy of them.
#pragma once

#include "chunker/WordStrandProperties.h"
#include "model/CharacterSets.h"
#include "model/Fixed.h"
#include "model/ParagraphNode.h"
#include "model/StrandContent.h"

#include <cstdint>

class CWordParagraphNode : public CParagraphNode {
public:
    using CParagraphNode::setPropertyOppositeOfStyle;
    using CParagraphNode::setPropertySameAsStyle;

    // Notes that the paragraph has children, after attaching the child.
    void attachNode(INode* child) override;
    bool isParent() const { return m_isParent; }

    // The copy has the same running character state, strand style and
    // character sets; it has nothing saved and is not marked as a parent.
    INode* clone(ECloneContent mode) override;

    void setCharset(uint32_t charset) { m_charset = charset; }
    uint32_t getCharset() const { return m_charset; }
    void setWideStringDefaultCharacterSet(uint32_t charset) { m_wideStringDefault = charset; }
    uint32_t getWideStringDefaultCharacterSet() const { return m_wideStringDefault; }

    CWordStrandProperties* getStrandProperties() { return &m_current; }
    // Gives a strand made for the paragraph the current character style and
    // its own copy of the running character formatting.
    void giveRunningFormat(IStrandContent& strand);
    // The same for a content strand node, which is then attached and done;
    // it is released when that fails.
    void appendStrand(INode& strand);

    // Saves the current character state, one level deep, around tagged
    // content; pop restores it (the construction state if nothing was saved).
    void pushStrandProperties() { m_saved = m_current; }
    void popStrandProperties() { m_current = m_saved; }

    // Makes `style` (null for none) the character style of the following
    // text and takes its formatting into the current state; without a style
    // the paragraph style's character formatting is taken.
    void setStrandStyle(IStrandStyleContent* style);
    IStrandStyleContent* getStrandStyle() const { return m_strandStyle; }
    // Set one attribute of the current state to the style's value, or to its
    // opposite.
    void setPropertySameAsStyle(ESameAsStrandProperties which);
    void setPropertyOppositeOfStyle(EOppositeOfStrandProperties which);
    // `code` is a host case attribute: the opposite of the style's case.
    void setCaseOppositeOfStyle(uint32_t code);

    // Character formatting of the following text, set on the current strand
    // properties.
    void setBold(bool on) { m_current.setBold(on); }
    void setItalic(bool on) { m_current.setItalic(on); }
    void setOutline(bool on) { m_current.setOutline(on); }
    void setShadow(bool on) { m_current.setShadow(on); }
    void setHidden(bool on) { m_current.setHidden(on); }
    void setProtected(bool on) { m_current.setProtected(on); }
    void setFlashing(bool on) { m_current.setFlashing(on); }
    void setReverse(bool on) { m_current.setReverse(on); }
    void setEmbossed(bool on) { m_current.setEmbossed(on); }
    void setEngraved(bool on) { m_current.setEngraved(on); }
    void setRevisionAdd(bool on) { m_current.setRevisionAdded(on); }
    void setRevisionDelete(bool on) { m_current.setRevisionDeleted(on); }
    void setStrikeOut(EStrikeOutTypes strikeOut) { m_current.setStrikeOut(strikeOut); }
    EStrikeOutTypes getStrikeOut() const { return m_current.getStrikeOut(); }
    void setFontSize(uint32_t size) { m_current.setFontSize(size); }
    void setStartPairKerningAt(uint32_t size) { m_current.setPairKerningStart(size); }
    void setCaseModifier(ECaseModifierTypes modifier) { m_current.setCaseModifier(modifier); }
    void setScripting(EScriptingTypes scripting) { m_current.setScripting(scripting); }
    void setCharacterWidthAdjustment(const CFixed& adjustment)
    {
        m_current.setCharacterWidthAdjustment(static_cast<int32_t>(adjustment));
    }
    void setScaling(const CFixed& scaling) { m_current.setScaling(scaling); }
    void setBaselineShift(int32_t shift) { m_current.setBaselineShift(shift); }
    void setFontName(CFontDefinition* font) { m_current.setFontName(font); }
    void setUnderline(const CUnderlining& underline) { m_current.setUnderline(underline); }
    void setColor(const CStrandColor& color) { m_current.setColor(color); }
    CStrandColor& getColor(CStrandColor& out) const { return m_current.getColor(out); }
    void setLanguage(const CLanguage& language) { m_current.setLanguage(language); }
    void setFontNameAsian(CFontDefinition* font) { m_current.setFontNameAsian(font); }
    void setFontNameLowRange(CFontDefinition* font) { m_current.setFontNameLowRange(font); }

    // Paragraph formatting, applied to the paragraph's properties; a
    // paragraph without properties ignores the setters and answers with
    // defaults.
    void setHorizontalAlignment(EHorizontalAlignment alignment);
    void setLineSpacing(const CLineSpacing& spacing);
    void setBorders(const CGridBorders& borders);
    void setIndents(const CIndents& indents);
    CIndents& getIndents(CIndents& out) const;
    void setShading(const CShading& shading);
    void setSpaceBefore(const CDimension& space);
    void setSpaceAfter(const CDimension& space);
    void setKeepTogether(bool keep);
    void setKeepWith(EParagraphKeepWith keepWith);
    void setHyphenation(const CHyphenation& hyphenation);
    CHyphenation& getHyphenation(CHyphenation& out) const;
    void setTabs(CTabDefinitions* tabs);
    CTabDefinitions* getTabs() const;
    void setParagraphNumbering(CParagraphNumbering* numbering);
    CParagraphNumbering* getParagraphNumbering() const;
    void setEndMarker(IEndOfParagraphCSContent* marker);
    void setWidowOrphan(const CWidowOrphan& widowOrphan);
    // A drop cap frame reaches the paragraph's properties, so
    // that the paragraph writer can write it.
    void setDropCap(const CDropCap& dropCap);

private:
    // The character formatting of the paragraph style, if there is one.
    IStrandProperties* paragraphStyleStrandProperties() const;
    // What "same as" and "opposite of" compare with: the strand style's
    // formatting, else the paragraph style's, else null.
    IStrandProperties* styleSource() const;
    // Takes font size and fonts from `source` where it has them, else from
    // the paragraph style.
    void applyStyleFonts(const IStrandProperties& source);

    CWordStrandProperties m_current;
    IStrandStyleContent* m_strandStyle = nullptr;
    bool m_isParent = false;
    uint32_t m_charset = kCharSetUnicode;
    CWordStrandProperties m_saved;
    uint32_t m_wideStringDefault = 0;
};
