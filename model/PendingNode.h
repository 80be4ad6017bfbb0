// A guard for a node that is not yet owned by anything: a clone being
// completed, a node made by a handler before it joins the tree.
#pragma once

#include "model/Node.h"

// Releases the node it holds when it goes out of scope, unless the node was
// handed on with take(): a failure between making a node and handing it to
// its owner leaks nothing.
class CPendingNode {
public:
    explicit CPendingNode(INode* node) : m_node(node) {}
    ~CPendingNode();
    CPendingNode(const CPendingNode&) = delete;
    CPendingNode& operator=(const CPendingNode&) = delete;

    INode* get() const { return m_node; }
    // The node, which the caller has handed to its owner (or returns to one).
    INode* take();

private:
    INode* m_node;
};
