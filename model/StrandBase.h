// The state every strand node carries: its character style and its shared
// character properties.
#pragma once

#include "model/CountedReference.h"
#include "model/StrandContent.h"
#include "model/StrandProperties.h"

class CStrandBase : public virtual IStrandContent {
public:
    CStrandBase() = default;
    CStrandBase(const CStrandBase&) = delete;
    // Shares the other strand's properties (taking a reference) and names
    // the same style.
    CStrandBase& operator=(const CStrandBase& other);

    IStrandProperties* getProperties() const override { return m_properties.get(); }
    IStrandStyleContent* getStyle() const override { return m_style; }
    void setProperties(IStrandProperties* properties) override { m_properties.reset(properties); }
    void setStyle(IStrandStyleContent* style) override;
    void setStyle(const CCharacterString& name, IStyleTableContent* table) override;
    void setStyle(uint32_t id, IStyleTableContent* table) override;
    // A strand relates none of its attributes to its style.
    void setPropertySameAsStyle(ESameAsStrandProperties) override {}
    void setPropertyOppositeOfStyle(EOppositeOfStrandProperties) override {}
    bool isPropertySameAsStyle(ESameAsStrandProperties) const override { return false; }
    bool isPropertyOppositeOfStyle(EOppositeOfStrandProperties) const override { return false; }

protected:
    // Gives `copy`, a strand node made by clone, this strand's state.
    void copyStrandStateTo(INode* copy) const;

private:
    IStrandStyleContent* m_style = nullptr;
    TCountedReference<IStrandProperties> m_properties;
};
