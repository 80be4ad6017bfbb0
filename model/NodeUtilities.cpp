#include "model/NodeUtilities.h"

INode* CNodeUtilities::findParent(INode* node, EContentInterfaceID id)
{
    if (!node)
        return nullptr;
    for (INode* ancestor = node->getParentNode(); ancestor; ancestor = ancestor->getParentNode()) {
        if (ancestor->getContentInterfaceID() == id)
            return ancestor;
    }
    return nullptr;
}
