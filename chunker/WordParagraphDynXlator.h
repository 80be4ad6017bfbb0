// Watches a paragraph until its first text arrives and then marks the
// enclosing section's properties as complete: from that point the section
// layout can no longer change and the section can be written.
//
// It puts itself in front of the paragraph's notification chain. When the
// first text strand is attached (or the paragraph is done or destroyed
// before that) it puts the previous receiver back and deletes itself: it is
// not owned by the node.
#pragma once

#include "model/NodeXlator.h"

class CWordParagraphDynXlator : public CNodeXlator {
public:
    explicit CWordParagraphDynXlator(INode* paragraph);

    void onAttachChild(INode* child) override;
    void onDone() override;
    void onDestroy() override;

    // Nothing else concerns it, and it passes nothing else on.
    void onPropertiesDone() override {}
    void onContentDone() override {}
    void onAttachToParent() override {}
    void onDetachFromParent() override {}
    void onDetachChild(INode*) override {}
    void onCreate() override {}

private:
    // Puts the previous receiver back, deletes this translator, passes the
    // event on with `passOn` and marks the enclosing section's properties
    // done. Without a section it raises `failure`, or, for a null
    // `failure`, just passes the event on.
    template <class PassOn>
    void finish(const char* failure, PassOn passOn);

    INodeNotify* m_previous;
};
