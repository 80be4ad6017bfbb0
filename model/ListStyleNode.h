// A list style: a style of the style table holding one numbering level
// definition per level of the list.
#pragma once

#include "model/CountedList.h"
#include "model/NumberingLevelDefinition.h"
#include "model/StyleNode.h"

class CListStyleNode : public CStyleNode, public IListStyleContent {
public:
    static constexpr EContentInterfaceID kInterfaceID = kListStyleNode;

    CListStyleNode() : CStyleNode(kListStyle) {}

    IContent* getIContent() override { return static_cast<IListStyleContent*>(this); }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }

    void addNumberingLevelDefinition(CNumberingLevelDefinition* definition) override { m_definitions.add(definition); }
    void removeNumberingLevelDefinition(CNumberingLevelDefinition* definition) override
    {
        m_definitions.remove(definition);
    }
    const NumberingLevelDefinitionList& getNumberingLevelDefinitions() const override { return m_definitions.get(); }

    // The copy shares the level definitions, each with a reference of its own.
    INode* clone(ECloneContent mode) override;

private:
    TCountedList<CNumberingLevelDefinition> m_definitions;
};
