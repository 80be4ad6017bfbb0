// Helpers for the clone overrides of concrete node classes.
#pragma once

#include "model/ContentNode.h"
#include "model/PendingNode.h"

// A node seen as the concrete class its kind stands for. Used on the fresh
// node the factory made for a clone: the class matches unless a creator was
// registered under a foreign kind, which raises std::bad_cast instead of
// corrupting memory.
template <class T>
T& nodeAs(INode* node)
{
    return dynamic_cast<T&>(*node);
}

// A clone of the branch node `node` (with its children for
// kCloneWithChildren) that also has the node's own attributes, which the
// class copies with copyAttributes.
template <class T>
INode* cloneWithAttributes(T& node, INode::ECloneContent mode)
{
    CPendingNode copy(node.CBranchNode::clone(mode));
    nodeAs<T>(copy.get()).copyAttributes(node);
    return copy.take();
}
