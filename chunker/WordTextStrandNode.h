// The reader's text strand: keeps its properties also as the reader's own
// properties class, whose extra fonts the script splitting reads.
#pragma once

#include "chunker/WordStrandProperties.h"
#include "model/TextStrandNode.h"

class CWordTextStrandNode : public CTextStrandNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kWordTextStrandNode;

    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }

    // Holds a reference to the properties and makes them the strand's
    // properties as well.
    void setWordProperties(CWordStrandProperties* properties);
    CWordStrandProperties* getWordProperties() const { return m_wordProperties.get(); }

    // The copy shares the word properties too.
    INode* clone(ECloneContent mode) override;

private:
    TCountedReference<CWordStrandProperties> m_wordProperties;
};

// The node as the reader's text strand, the one class that reports this
// kind; null for a node of another kind.
inline CWordTextStrandNode* wordTextStrandOf(INode* node)
{
    if (!node || node->getContentInterfaceID() != CWordTextStrandNode::kInterfaceID)
        return nullptr;
    return static_cast<CWordTextStrandNode*>(node);
}
