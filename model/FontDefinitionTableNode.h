// The document's font table: the fonts in the order the source lists them.
// It is not a child of the document but held by it beside the tree.
#pragma once

#include "model/ContentNode.h"

#include <cstdint>
#include <list>

class CCharacterString;
class CFontDefinition;

using FontDefinitionList = std::list<CFontDefinition*>;

class IFontDefinitionTableContent : public IContent {
public:
    // Appends the font and takes a reference to it; null is ignored.
    virtual void addFont(CFontDefinition* font) = 0;
    // Removes the font and drops the table's reference to it.
    virtual void removeFont(CFontDefinition* font) = 0;
    // The first font of that name, or of that id; null when there is none.
    virtual CFontDefinition* findFont(const CCharacterString& name) const = 0;
    virtual CFontDefinition* findFont(uint32_t id) const = 0;
    virtual const FontDefinitionList& getFontList() const = 0;
};

class CFontDefinitionTableNode : public IFontDefinitionTableContent, public CLeafNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kFontDefinitionTableNode;

    ~CFontDefinitionTableNode() override;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return this; }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }

    void addFont(CFontDefinition* font) override;
    void removeFont(CFontDefinition* font) override;
    CFontDefinition* findFont(const CCharacterString& name) const override;
    CFontDefinition* findFont(uint32_t id) const override;
    const FontDefinitionList& getFontList() const override { return m_fonts; }

private:
    FontDefinitionList m_fonts;
};
