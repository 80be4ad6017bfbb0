// Index marks: an index bookmark stands in the text where an index entry
// was marked and holds the entries made there. The entries are not its
// children: they are written by the bookmark's writer, not by the text flow.
#pragma once

#include "model/ContentNode.h"
#include "model/StrandBase.h"

#include <list>

class IIndexEntryContent : public IContent {};

// One index entry; its children are the entry's text.
class CIndexEntryNode : public CBranchNode, public IIndexEntryContent {
public:
    static constexpr EContentInterfaceID kInterfaceID = kIndexEntryNode;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return static_cast<IIndexEntryContent*>(this); }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
};

using IndexEntryList = std::list<IIndexEntryContent*>;

class IIndexBookmarkCSContent : public virtual IStrandContent {
public:
    // Appends the entry, which the bookmark owns from then on, and makes the
    // bookmark its parent without making it a child.
    virtual void addEntry(IIndexEntryContent* entry) = 0;
    virtual const IndexEntryList& getEntryList() const = 0;
    // A visible bookmark shows its entries' text in the running text.
    virtual bool isVisible() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool isApplicationGenerated() const = 0;
    virtual void setApplicationGenerated(bool generated) = 0;
};

class CIndexBookmarkCSNode : public IIndexBookmarkCSContent, public CStrandBase, public CBranchNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kIndexBookmarkCSNode;

    ~CIndexBookmarkCSNode() override;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return static_cast<IIndexBookmarkCSContent*>(this); }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
    // The copy holds deep clones of the entries.
    INode* clone(ECloneContent mode) override;
    // Entries are not children: detaching one changes nothing.
    void detachNode(INode* child) override;

    void addEntry(IIndexEntryContent* entry) override;
    const IndexEntryList& getEntryList() const override { return m_entries; }
    bool isVisible() const override { return m_visible; }
    void setVisible(bool visible) override { m_visible = visible; }
    bool isApplicationGenerated() const override { return m_applicationGenerated; }
    void setApplicationGenerated(bool generated) override { m_applicationGenerated = generated; }

private:
    IndexEntryList m_entries;
    bool m_visible = false;
    bool m_applicationGenerated = false;
};
