// The common node implementation: done-state, events towards the node's
// notify, attach and detach, release, clone and morph. Branch nodes own
// their children; leaf nodes have none.
#pragma once

#include "model/Node.h"

#include <memory>

class CNodeXlator;
class CNodeWriter;
class CBranchNode;

class CContentNode : public INode {
public:
    // The children of every leaf. It never changes, so one list serves every
    // export in the process and is no export's state.
    static const NodeList emptyList;

    CContentNode();
    ~CContentNode() override;
    CContentNode(const CContentNode&) = delete;
    CContentNode& operator=(const CContentNode&) = delete;

    // The translator and writer the factory made with this node: they serve
    // it alone and are disposed of with it, whatever notify and writer the
    // node holds by then.
    void bindCompanions(std::unique_ptr<CNodeXlator> translator, std::unique_ptr<CNodeWriter> writer);

    void attachNode(INode* child) override;
    void detachNode(INode* child) override;
    void propertiesDone() override;
    void contentDone() override;
    void done() override;
    INode* clone(ECloneContent mode) override;
    INode* morph(EContentInterfaceID id, ECloneContent mode) override;
    void release() override;
    void releaseChildren() override;
    void renotifyChildren(ENodeNotifications flags) override;
    bool arePropertiesDone() override { return m_propertiesDone; }
    bool isContentDone() override { return m_contentDone; }
    bool isDone() override { return m_propertiesDone && m_contentDone; }
    bool isEmpty() override { return true; }
    bool isOkToWrite() override;
    INodeFactory* getNodeFactory() override { return m_nodeFactory; }
    INode* getParentNode() override { return m_parent; }
    INodeWriter* getNodeWriter() override { return m_nodeWriter; }
    ChildIterator getFirstChild() override { return emptyList.begin(); }
    ChildIterator getTermChild() override { return emptyList.end(); }
    INodeNotify* getNodeNotify() override { return m_nodeNotify; }
    void setNodeFactory(INodeFactory* factory) override { m_nodeFactory = factory; }
    void setParentNode(INode* parent) override { m_parent = parent; }
    void setNodeWriter(INodeWriter* writer) override { m_nodeWriter = writer; }
    void setNodeNotify(INodeNotify* notify) override { m_nodeNotify = notify; }
    CContentNode* getContentNode() final { return this; }

protected:
    // A fresh node of the given kind from this node's factory.
    INode* createSibling(EContentInterfaceID id);

private:
    // The first steps of release: the node's onDestroy, then leaving its parent.
    void leaveParent();

    bool m_propertiesDone = false;
    bool m_contentDone = false;
    INodeNotify* m_nodeNotify = nullptr;
    INode* m_parent = nullptr;
    INodeWriter* m_nodeWriter = nullptr;
    INodeFactory* m_nodeFactory = nullptr;
    std::unique_ptr<CNodeXlator> m_translator;
    std::unique_ptr<CNodeWriter> m_writer;
    // The branch whose child list holds this node, and where: detaching
    // takes the node out there without searching the list.
    friend class CBranchNode;
    CBranchNode* m_holder = nullptr;
    NodeList::iterator m_place;
    // While a subtree is released: the node whose release this one is part
    // of, to go back to once this one is deleted.
    CContentNode* m_releasedWith = nullptr;
};

class CBranchNode : public CContentNode {
public:
    ~CBranchNode() override;

    void attachNode(INode* child) override;
    void detachNode(INode* child) override;
    INode* clone(ECloneContent mode) override;
    INode* morph(EContentInterfaceID id, ECloneContent mode) override;
    void releaseChildren() override;
    void renotifyChildren(ENodeNotifications flags) override;
    bool isEmpty() override { return m_children.empty(); }
    ChildIterator getFirstChild() override { return m_children.begin(); }
    ChildIterator getTermChild() override { return m_children.end(); }

private:
    // A fresh node of kind `id` with, for kCloneWithChildren, deep clones
    // of this node's children. A failure midway leaves nothing behind.
    INode* copyAs(EContentInterfaceID id, ECloneContent mode);
    // Attaches a deep clone of each child, in order, to `copy`; a clone
    // that fails to join `copy` is released.
    void cloneChildrenInto(INode* copy);

    NodeList m_children;
};

class CLeafNode : public CContentNode {};
