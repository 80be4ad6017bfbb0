// Content strands that carry nothing but the strand state: breaks, special
// hyphens and spaces, tabs and the begin and end marks of indexes and tables
// of contents. They differ only in their kind.
#pragma once

#include "model/ContentNode.h"
#include "model/StrandBase.h"

class CNoAttribCSNode : public virtual IStrandContent, public CStrandBase, public CLeafNode {
public:
    INode* getINode() override { return this; }
    IContent* getIContent() override { return static_cast<IStrandContent*>(this); }

    // The copy shares the properties and names the same style.
    INode* clone(ECloneContent mode) override;
};

template <EContentInterfaceID Id>
class TNoAttribCSNode : public CNoAttribCSNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = Id;
    EContentInterfaceID getContentInterfaceID() override { return Id; }
};

class CColumnBreakCSNode : public TNoAttribCSNode<kColumnBreakCSNode> {};
class CHardHyphenCSNode : public TNoAttribCSNode<kHardHyphenCSNode> {};
class CIndexBeginCSNode : public TNoAttribCSNode<kIndexBeginCSNode> {};
class CIndexEndCSNode : public TNoAttribCSNode<kIndexEndCSNode> {};
class CNewlineCSNode : public TNoAttribCSNode<kNewlineCSNode> {};
class CNonbreakingSpaceCSNode : public TNoAttribCSNode<kNonbreakingSpaceCSNode> {};
class CPageBreakCSNode : public TNoAttribCSNode<kPageBreakCSNode> {};
class CSoftHyphenCSNode : public TNoAttribCSNode<kSoftHyphenCSNode> {};
class CTabCSNode : public TNoAttribCSNode<kTabCSNode> {};
class CTOCBeginCSNode : public TNoAttribCSNode<kTOCBeginCSNode> {};
class CTOCEndCSNode : public TNoAttribCSNode<kTOCEndCSNode> {};
