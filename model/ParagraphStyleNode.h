// A paragraph style: named paragraph and character properties. A style
// based on another inherits by copying the base's properties when the base
// is set.
#pragma once

#include "model/CountedReference.h"
#include "model/ParagraphProperties.h"
#include "model/StrandProperties.h"
#include "model/StyleNode.h"

class CParagraphStyleNode : public IParagraphStyleContent, public CStyleNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kParagraphStyleNode;

    CParagraphStyleNode() : CStyleNode(kParagraphStyle) {}

    IContent* getIContent() override { return static_cast<IParagraphStyleContent*>(this); }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }

    IParagraphProperties* getParagraphProperties() const override { return m_paragraphProperties.get(); }
    IStrandProperties* getStrandProperties() const override { return m_strandProperties.get(); }
    void setParagraphProperties(IParagraphProperties* properties) override { m_paragraphProperties.reset(properties); }
    void setStrandProperties(IStrandProperties* properties) override { m_strandProperties.reset(properties); }
    void setBasedOnStyle(IParagraphStyleContent* style) override;
    void setBasedOnStyle(const CCharacterString& name, IStyleTableContent* table) override;
    void setBasedOnStyle(uint32_t id, IStyleTableContent* table) override;
    IParagraphStyleContent* getBasedOnStyle() const override { return m_basedOn; }
    void setNextStyle(IParagraphStyleContent* style) override { m_next = style; }
    IParagraphStyleContent* getNextStyle() const override { return m_next; }

    // The copy names the same next and base styles and has its own copies of
    // the properties.
    INode* clone(ECloneContent mode) override;

private:
    // This style's properties become copies of those of `source` (none
    // where the source has none).
    void copyPropertiesFrom(const IParagraphStyleContent* source);

    IParagraphStyleContent* m_next = nullptr;
    IParagraphStyleContent* m_basedOn = nullptr;
    TCountedReference<IStrandProperties> m_strandProperties;
    TCountedReference<IParagraphProperties> m_paragraphProperties;
};
