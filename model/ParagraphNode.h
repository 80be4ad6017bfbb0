// A paragraph: its strands as children, its shared paragraph properties and
// its paragraph style.
#pragma once

#include "model/ContentNode.h"
#include "model/CountedReference.h"
#include "model/ParagraphProperties.h"

#include <cstdint>

class CCharacterString;
class IParagraphStyleContent;
class IStrandContent;
class IStyleTableContent;

// Properties a paragraph may take over from its style.
enum ESameAsParagraphProperties : uint32_t {
    kSameAsHorizontalAlignment = 0,
    kSameAsKeepTogether = 1,
};

// Properties a paragraph may set to the opposite of its style's.
enum EOppositeOfParagraphProperties : uint32_t {
    kOppositeOfKeepTogether = 0,
};

class IParagraphContent : public IContent {
public:
    IParagraphContent* getParagraphContent() final { return this; }
    virtual IParagraphProperties* getProperties() const = 0;
    virtual IParagraphStyleContent* getStyle() const = 0;
    // Holds a reference to the properties.
    virtual void setProperties(IParagraphProperties* properties) = 0;
    // A paragraph without properties of its own gets a copy of the style's.
    virtual void setStyle(IParagraphStyleContent* style) = 0;
    // The paragraph style of that name, or the style of that id, in the
    // table; no style when the table holds none.
    virtual void setStyle(const CCharacterString& name, IStyleTableContent* table) = 0;
    virtual void setStyle(uint32_t id, IStyleTableContent* table) = 0;
    virtual void setPropertySameAsStyle(ESameAsParagraphProperties which) = 0;
    virtual void setPropertyOppositeOfStyle(EOppositeOfParagraphProperties which) = 0;
    virtual bool isPropertySameAsStyle(ESameAsParagraphProperties which) const = 0;
    virtual bool isPropertyOppositeOfStyle(EOppositeOfParagraphProperties which) const = 0;
};

class CParagraphNode : public IParagraphContent, public CBranchNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kParagraphNode;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return this; }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }

    IParagraphProperties* getProperties() const override { return m_properties.get(); }
    IParagraphStyleContent* getStyle() const override { return m_style; }
    void setProperties(IParagraphProperties* properties) override { m_properties.reset(properties); }
    void setStyle(IParagraphStyleContent* style) override;
    void setStyle(const CCharacterString& name, IStyleTableContent* table) override;
    void setStyle(uint32_t id, IStyleTableContent* table) override;
    void setPropertySameAsStyle(ESameAsParagraphProperties which) override;
    void setPropertyOppositeOfStyle(EOppositeOfParagraphProperties which) override;
    bool isPropertySameAsStyle(ESameAsParagraphProperties which) const override;
    bool isPropertyOppositeOfStyle(EOppositeOfParagraphProperties which) const override;

    // A text strand attached here without properties of its own gets a copy
    // of the paragraph style's character properties.
    void attachNode(INode* child) override;
    // Gives `strand` a copy of the style's character properties, unless it
    // has properties of its own.
    void updateStrandPropertiesFromStyle(IStrandContent* strand);

    // The copy names the same style and has its own copy of the properties.
    INode* clone(ECloneContent mode) override;

private:
    // The style's paragraph properties, when both the paragraph and its
    // style have properties to compare.
    IParagraphProperties* comparableStyleProperties() const;

    TCountedReference<IParagraphProperties> m_properties;
    IParagraphStyleContent* m_style = nullptr;
};
