// A content strand whose children are its content (paragraphs of a comment,
// the text of a field) and that has no data of its own beyond the strand
// state. Its classes differ in their content interface and kind only.
#pragma once

#include "model/ContentNode.h"
#include "model/PendingNode.h"
#include "model/StrandBase.h"

template <class Content, EContentInterfaceID Id>
class TContentStrandBranch : public virtual Content, public CBranchNode, public CStrandBase {
public:
    static constexpr EContentInterfaceID kInterfaceID = Id;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return static_cast<Content*>(this); }
    EContentInterfaceID getContentInterfaceID() override { return Id; }

    // The copy shares the properties and names the same style.
    INode* clone(ECloneContent mode) override
    {
        CPendingNode copy(CBranchNode::clone(mode));
        copyStrandStateTo(copy.get());
        return copy.take();
    }
};
