// The document's style table. Its styles are kept in a list of their own,
// not as children in the tree; the table owns them.
#pragma once

#include "model/ContentNode.h"
#include "model/StyleContent.h"

class CStyleTableNode : public IStyleTableContent, public CBranchNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kStyleTableNode;

    // Releases every style the table still holds.
    ~CStyleTableNode() override;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return this; }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }

    // The style's parent becomes the table; no attach event is sent.
    void addStyle(IStyleContent* style) override;
    void removeStyle(IStyleContent* style) override;
    const StyleList& getStyles() const override { return m_styles; }
    IStyleContent* findStyle(uint32_t id) const override;
    IStyleContent* findStyle(const CCharacterString& name, EStyleTypes type) const override;
    IStyleContent* findStyle(uint32_t id, EStyleTypes type) const override;

    // A style released while in the table leaves the table's list.
    void detachNode(INode* child) override;
    // Completes the styles not yet complete, in order, then the table.
    void propertiesDone() override;
    void done() override;

private:
    template <class Match>
    StyleList::const_iterator positionOf(Match&& match) const;
    template <class Match>
    IStyleContent* firstMatching(Match&& match) const;
    // Takes the style out of the list and clears its parent.
    void takeOut(StyleList::const_iterator position);
    // Completes, in list order, every style that is not yet complete.
    void completeStyles(bool (INode::*isComplete)(), void (INode::*complete)());

    StyleList m_styles;
};
