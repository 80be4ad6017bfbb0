// A node factory that makes the strand, paragraph and style nodes of the
// model, and helpers to hand out and take back counted objects in tests.
#pragma once

#include "model/EndOfParagraphCSNode.h"
#include "model/ListStyleNode.h"
#include "model/NoAttribCSNode.h"
#include "model/NodeFactory.h"
#include "model/ParagraphNode.h"
#include "model/ParagraphStyleNode.h"
#include "model/StrandStyleNode.h"
#include "model/StyleTableNode.h"
#include "model/TextStrandNode.h"

// Kept apart from other test helpers of the same folder, which share the
// model_tests program.
namespace textmodel {

template <class... Nodes>
void registerNodes(CNodeFactory& factory)
{
    (factory.getINodeRegistrar()->registerContentNodeCreator(new TContentNodeCreator<Nodes>), ...);
}

inline void registerTextModelNodes(CNodeFactory& factory)
{
    registerNodes<CTextStrandNode, CColumnBreakCSNode, CHardHyphenCSNode, CIndexBeginCSNode, CIndexEndCSNode,
                  CNewlineCSNode, CNonbreakingSpaceCSNode, CPageBreakCSNode, CSoftHyphenCSNode, CTabCSNode,
                  CTOCBeginCSNode, CTOCEndCSNode, CParagraphNode, CStyleTableNode, CParagraphStyleNode,
                  CStrandStyleNode, CListStyleNode, CEndOfParagraphCSNode>(factory);
}

// A new node of class T from the factory.
template <class T>
T* make(CNodeFactory& factory)
{
    return dynamic_cast<T*>(factory.createNode(T::kInterfaceID));
}

// New strand properties with bold set as given.
inline CStrandProperties* strandProperties(bool bold)
{
    auto* properties = new CStrandProperties;
    properties->setBold(bold);
    return properties;
}

// Hands a counted object to `take` (which adds its own reference) and drops
// the creator's reference, as the reader does.
template <class T, class Take>
void handOver(T* object, Take&& take)
{
    take(object);
    object->releaseRef();
}

} // namespace textmodel
