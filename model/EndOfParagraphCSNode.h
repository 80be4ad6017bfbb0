// The mark that ends a paragraph. The paragraph's properties name it; it is
// not one of the paragraph's children, and the paragraph writes it last.
#pragma once

#include "model/ContentNode.h"
#include "model/StrandBase.h"

class IEndOfParagraphCSContent : public virtual IStrandContent {
public:
    IEndOfParagraphCSContent* getEndOfParagraphContent() final { return this; }
};

class CEndOfParagraphCSNode : public CStrandBase, public IEndOfParagraphCSContent, public CLeafNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kEndOfParagraphCSNode;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return static_cast<IEndOfParagraphCSContent*>(this); }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
    INode* clone(ECloneContent mode) override;
};
