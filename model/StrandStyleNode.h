// A character style: named character properties, optionally based on
// another character style.
#pragma once

#include "model/CountedReference.h"
#include "model/StrandProperties.h"
#include "model/StyleNode.h"

class CStrandStyleNode : public CStyleNode, public IStrandStyleContent {
public:
    static constexpr EContentInterfaceID kInterfaceID = kStrandStyleNode;

    CStrandStyleNode() : CStyleNode(kStrandStyle) {}

    IContent* getIContent() override { return static_cast<IStrandStyleContent*>(this); }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }

    IStrandProperties* getProperties() const override { return m_properties.get(); }
    void setProperties(IStrandProperties* properties) override { m_properties.reset(properties); }
    void setBasedOnStyle(IStrandStyleContent* style) override { m_basedOn = style; }
    void setBasedOnStyle(const CCharacterString& name, IStyleTableContent* table) override;
    void setBasedOnStyle(uint32_t id, IStyleTableContent* table) override;
    IStrandStyleContent* getBasedOnStyle() const override { return m_basedOn; }

    // The copy names the same base style and has its own copy of the
    // properties.
    INode* clone(ECloneContent mode) override;

private:
    TCountedReference<IStrandProperties> m_properties;
    IStrandStyleContent* m_basedOn = nullptr;
};
