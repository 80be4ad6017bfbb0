// The node interfaces of the document tree: the tree mechanics (INode), a
// node's own data (IContent), the receiver of its events (INodeNotify) and
// the writer bound to it (INodeWriter).
#pragma once

#include "model/ContentInterfaceID.h"

#include <cstdint>
#include <list>
#include <typeinfo>

class CContentNode;
class IEndOfParagraphCSContent;
class INode;
class INodeFactory;
class IParagraphContent;
class ISectionContent;
class IStrandContent;
class ITableCellContent;
class ITableRowContent;
class ITextStrandContent;

class IContent {
public:
    virtual ~IContent() = default;
    virtual INode* getINode() = 0;
    // The content as the interface of its family, or null when it is of
    // another: each of these interfaces answers for itself, so the writers
    // and the reader need no type test for what they ask of every node.
    virtual IStrandContent* getStrandContent() { return nullptr; }
    virtual ITextStrandContent* getTextStrandContent() { return nullptr; }
    virtual IEndOfParagraphCSContent* getEndOfParagraphContent() { return nullptr; }
    virtual IParagraphContent* getParagraphContent() { return nullptr; }
    virtual ISectionContent* getSectionContent() { return nullptr; }
    virtual ITableRowContent* getTableRowContent() { return nullptr; }
    virtual ITableCellContent* getTableCellContent() { return nullptr; }
};

// The content that a caller requires of its node, as one of the accessors
// above gave it: content of another family raises std::bad_cast, as a
// failed reference cast does.
template <class Content>
Content& requireContent(Content* content)
{
    if (!content)
        throw std::bad_cast();
    return *content;
}

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
    // Stores in *out what the writer answers for `id`, an id of the output
    // format's writers, and returns true; false (and *out untouched) when
    // it answers nothing for that id.
    virtual bool queryInterface(int32_t id, void** out) = 0;
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
    // The node as the common node implementation, whose place in its
    // parent's child list a branch keeps; null for any other implementation.
    virtual CContentNode* getContentNode() = 0;
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
