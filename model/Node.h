// The node interfaces of the document tree: the tree mechanics (INode), a
// node's own data (IContent), the receiver of its events (INodeNotify) and
// the writer bound to it (INodeWriter).
#pragma once

#include "model/ContentInterfaceID.h"

#include <list>

class INode;
class INodeFactory;

class IContent {
public:
    virtual ~IContent() = default;
    virtual INode* getINode() = 0;
};

class INodeNotify {
public:
    virtual ~INodeNotify() = default;
    virtual void onPropertiesDone() = 0;
    virtual void onContentDone() = 0;
    virtual void onDone() = 0;
    virtual void onAttachToParent() = 0;
    virtual void onDetachFromParent() = 0;
    virtual void onAttachChild(INode* child) = 0;
    virtual void onDetachChild(INode* child) = 0;
    virtual void onCreate() = 0;
    virtual void onDestroy() = 0;
};

class INodeWriter {
public:
    virtual ~INodeWriter() = default;
    virtual void write() = 0;
    virtual bool canChildWrite(INode* child) = 0;
};

using NodeList = std::list<INode*>;
// Walks the children in order; the list itself is changed only through the
// node (attachNode, detachNode).
using ChildIterator = NodeList::const_iterator;

class INode {
public:
    enum ECloneContent { kCloneNodeOnly = 0, kCloneWithChildren = 1 };
    enum ENodeNotifications { kNotifyDone = 1, kNotifyPropertiesDone = 2, kNotifyContentDone = 4 };

    virtual ~INode() = default;
    virtual void attachNode(INode* child) = 0;
    virtual void detachNode(INode* child) = 0;
    virtual void propertiesDone() = 0;
    virtual void contentDone() = 0;
    virtual void done() = 0;
    virtual INode* clone(ECloneContent mode) = 0;
    virtual INode* morph(EContentInterfaceID id, ECloneContent mode) = 0;
    virtual void release() = 0;
    virtual void releaseChildren() = 0;
    virtual void renotifyChildren(ENodeNotifications flags) = 0;
    virtual bool arePropertiesDone() = 0;
    virtual bool isContentDone() = 0;
    virtual bool isDone() = 0;
    virtual bool isEmpty() = 0;
    virtual bool isOkToWrite() = 0;
    virtual INodeFactory* getNodeFactory() = 0;
    virtual INode* getParentNode() = 0;
    virtual INodeWriter* getNodeWriter() = 0;
    virtual IContent* getIContent() = 0;
    virtual EContentInterfaceID getContentInterfaceID() = 0;
    virtual ChildIterator getFirstChild() = 0;
    virtual ChildIterator getTermChild() = 0;
    virtual INodeNotify* getNodeNotify() = 0;
    virtual void setNodeFactory(INodeFactory* factory) = 0;
    virtual void setParentNode(INode* parent) = 0;
    virtual void setNodeWriter(INodeWriter* writer) = 0;
    virtual void setNodeNotify(INodeNotify* notify) = 0;
};

// Visits the children of a node in order while each visit may detach the
// child it is given (a written child releases itself): the next position is
// taken before the visit.
template <class Visit>
void forEachChild(INode& node, Visit&& visit)
{
    for (ChildIterator it = node.getFirstChild(); it != node.getTermChild();) {
        INode* child = *it++;
        visit(child);
    }
}
