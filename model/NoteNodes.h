// Notes and comments: content strands whose children are the paragraphs of
// the note or comment text. A note self-reference is the note's own mark
// inside the note text.
#pragma once

#include "model/ContentNode.h"
#include "model/ContentStrandBranch.h"
#include "model/NoteType.h"
#include "model/StrandBase.h"
#include "model/StrandContentList.h"

class INoteCSContent : public virtual IStrandContent {
public:
    // An autonumbered note shows its running number; otherwise its
    // reference marker strands are its mark.
    virtual void setAutonumbering(bool autonumbered) = 0;
    virtual bool isAutonumbered() const = 0;
    virtual void setNoteType(ENoteType type) = 0;
    virtual ENoteType getNoteType() const = 0;
    // The strands that make up the note's mark in the running text. The
    // note owns them; removing one hands it back.
    virtual void addReferenceMarkerStrand(IStrandContent* strand) = 0;
    virtual void removeReferenceMarkerStrand(IStrandContent* strand) = 0;
    virtual const CStrandContentList& getReferenceMarkerStrands() const = 0;
};

class CNoteCSNode : public INoteCSContent, public CBranchNode, public CStrandBase {
public:
    static constexpr EContentInterfaceID kInterfaceID = kNoteCSNode;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return static_cast<INoteCSContent*>(this); }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
    // The copy has copies of the marker strands.
    INode* clone(ECloneContent mode) override;

    void setAutonumbering(bool autonumbered) override { m_autonumbered = autonumbered; }
    bool isAutonumbered() const override { return m_autonumbered; }
    void setNoteType(ENoteType type) override { m_noteType = type; }
    ENoteType getNoteType() const override { return m_noteType; }
    void addReferenceMarkerStrand(IStrandContent* strand) override { m_markerStrands.add(strand); }
    void removeReferenceMarkerStrand(IStrandContent* strand) override { m_markerStrands.remove(strand); }
    const CStrandContentList& getReferenceMarkerStrands() const override { return m_markerStrands; }

private:
    bool m_autonumbered = true;
    ENoteType m_noteType = kFootnote;
    CStrandContentList m_markerStrands;
};

class INoteSelfReferenceCSContent : public virtual IStrandContent {};

class CNoteSelfReferenceCSNode : public TContentStrandBranch<INoteSelfReferenceCSContent, kNoteSelfReferenceCSNode> {};

class CCommentCSNode : public TContentStrandBranch<IStrandContent, kCommentCSNode> {};
