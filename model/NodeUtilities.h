#pragma once

#include "model/Node.h"

class CNodeUtilities {
public:
    // The nearest ancestor of `node` (the node itself excluded) of kind `id`.
    static INode* findParent(INode* node, EContentInterfaceID id);
};
