// A run of text with one set of character formatting.
#pragma once

#include "model/CharacterString.h"
#include "model/ContentNode.h"
#include "model/StrandBase.h"

class CTextStrandNode : public ITextStrandContent, public CStrandBase, public CLeafNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kTextStrandNode;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return static_cast<ITextStrandContent*>(this); }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }

    CCharacterString& getText(CCharacterString& out) const override { return out = m_text; }
    void setText(const CCharacterString& text) override { m_text = text; }

    // The copy shares the properties, names the same style and holds a copy
    // of the text.
    INode* clone(ECloneContent mode) override;

private:
    CCharacterString m_text;
};
