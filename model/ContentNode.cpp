#include "model/ContentNode.h"

#include "model/NodeFactory.h"
#include "model/NodeWriter.h"
#include "model/NodeXlator.h"
#include "model/PendingNode.h"

#include <iterator>

const NodeList CContentNode::emptyList;

CContentNode::CContentNode() = default;

CContentNode::~CContentNode() = default;

void CContentNode::bindCompanions(std::unique_ptr<CNodeXlator> translator, std::unique_ptr<CNodeWriter> writer)
{
    m_translator = std::move(translator);
    m_writer = std::move(writer);
}

void CContentNode::attachNode(INode*)
{
}

void CContentNode::detachNode(INode*)
{
}

void CContentNode::propertiesDone()
{
    if (m_propertiesDone)
        return;
    m_propertiesDone = true;
    if (!m_nodeNotify)
        return;
    m_nodeNotify->onPropertiesDone();
    if (m_contentDone)
        m_nodeNotify->onDone();
}

void CContentNode::contentDone()
{
    if (m_contentDone)
        return;
    m_contentDone = true;
    if (!m_nodeNotify)
        return;
    m_nodeNotify->onContentDone();
    if (m_propertiesDone)
        m_nodeNotify->onDone();
}

void CContentNode::done()
{
    // When the content is already done, completing the properties sends the
    // final onDone, after which a writer may have released this node.
    const bool contentWasDone = m_contentDone;
    propertiesDone();
    if (!contentWasDone)
        contentDone();
}

INode* CContentNode::clone(ECloneContent)
{
    return createSibling(getContentInterfaceID());
}

INode* CContentNode::morph(EContentInterfaceID id, ECloneContent mode)
{
    if (id == getContentInterfaceID())
        return clone(mode);
    return createSibling(id);
}

// The subtree goes depth first without recursion, since a tree is as deep
// as its document nests. Each node is announced and detached before its
// children go, and deleted after them: their events may ask it about
// itself, which a node in its destructor can no longer answer.
void CContentNode::release()
{
    leaveParent();
    CContentNode* node = this;
    for (;;) {
        if (!node->isEmpty()) {
            INode* first = *node->getFirstChild();
            CContentNode* child = first->getContentNode();
            if (!child) {
                first->release();
                continue;
            }
            child->leaveParent();
            child->m_releasedWith = node;
            node = child;
            continue;
        }
        CContentNode* above = node->m_releasedWith;
        delete node;
        if (!above)
            return;
        node = above;
    }
}

void CContentNode::leaveParent()
{
    if (m_nodeNotify)
        m_nodeNotify->onDestroy();
    if (m_parent)
        m_parent->detachNode(this);
}

void CContentNode::releaseChildren()
{
}

void CContentNode::renotifyChildren(ENodeNotifications)
{
}

bool CContentNode::isOkToWrite()
{
    if (!m_parent || !m_parent->getNodeWriter())
        return false;
    return m_parent->getNodeWriter()->canChildWrite(this);
}

INode* CContentNode::createSibling(EContentInterfaceID id)
{
    return m_nodeFactory->createNode(id);
}

CBranchNode::~CBranchNode()
{
    releaseChildren();
}

void CBranchNode::attachNode(INode* child)
{
    m_children.push_back(child);
    if (CContentNode* node = child->getContentNode()) {
        node->m_holder = this;
        node->m_place = std::prev(m_children.end());
    }
    child->setParentNode(this);
    if (INodeNotify* notify = getNodeNotify())
        notify->onAttachChild(child);
    if (INodeNotify* childNotify = child->getNodeNotify())
        childNotify->onAttachToParent();
}

void CBranchNode::detachNode(INode* child)
{
    if (INodeNotify* childNotify = child->getNodeNotify())
        childNotify->onDetachFromParent();
    if (INodeNotify* notify = getNodeNotify())
        notify->onDetachChild(child);
    child->setParentNode(nullptr);
    CContentNode* node = child->getContentNode();
    if (!node) {
        m_children.remove(child);
    } else if (node->m_holder == this) {
        m_children.erase(node->m_place);
        node->m_holder = nullptr;
    }
}

INode* CBranchNode::clone(ECloneContent mode)
{
    return copyAs(getContentInterfaceID(), mode);
}

INode* CBranchNode::morph(EContentInterfaceID id, ECloneContent mode)
{
    if (id == getContentInterfaceID())
        return clone(mode);
    return copyAs(id, mode);
}

void CBranchNode::releaseChildren()
{
    while (!m_children.empty())
        m_children.front()->release();
}

void CBranchNode::renotifyChildren(ENodeNotifications flags)
{
    forEachChild(*this, [flags](INode* child) {
        INodeNotify* notify = child->getNodeNotify();
        if (!notify)
            return;
        // The states are read first: the final onDone may release the child.
        const bool propertiesDone = child->arePropertiesDone();
        const bool contentDone = child->isContentDone();
        if ((flags & kNotifyPropertiesDone) && propertiesDone)
            notify->onPropertiesDone();
        if ((flags & kNotifyContentDone) && contentDone)
            notify->onContentDone();
        if ((flags & kNotifyDone) && propertiesDone && contentDone)
            notify->onDone();
    });
}

INode* CBranchNode::copyAs(EContentInterfaceID id, ECloneContent mode)
{
    CPendingNode copy(createSibling(id));
    if (mode == kCloneWithChildren)
        cloneChildrenInto(copy.get());
    return copy.take();
}

void CBranchNode::cloneChildrenInto(INode* copy)
{
    for (INode* child : m_children) {
        // Attaching may fail before the parent holds the child.
        CPendingNode childCopy(child->clone(kCloneWithChildren));
        copy->attachNode(childCopy.get());
        childCopy.take();
    }
}
