#include "icf/ICFAttributeFinder.h"

#include "icf/ICFOffset.h"
#include "icf/ICFPageAttributes.h"
#include "model/Node.h"
#include "model/ParagraphProperties.h"

namespace {

// The answer of the page attributes for `node`; 0 without one.
uint32_t pageAttribute(INode* node, uint32_t (IICFPageAttributes::*attribute)())
{
    void* found = nullptr;
    if (!CICFAttributeFinder::findInterface(kICFPageAttributesInterface, node, &found))
        return 0;
    return (static_cast<IICFPageAttributes*>(found)->*attribute)();
}

} // namespace

bool CICFAttributeFinder::findInterface(EICFInterfaceID id, INode* node, void** out)
{
    if (!out)
        return false;
    for (INode* current = node; current; current = current->getParentNode()) {
        INodeWriter* writer = current->getNodeWriter();
        if (writer && writer->queryInterface(id, out))
            return true;
    }
    return false;
}

uint32_t CICFAttributeFinder::getLeftMargin(INode* node)
{
    return pageAttribute(node, &IICFPageAttributes::getLeftMargin);
}

uint32_t CICFAttributeFinder::getRightMargin(INode* node)
{
    return pageAttribute(node, &IICFPageAttributes::getRightMargin);
}

uint32_t CICFAttributeFinder::getTopMargin(INode* node)
{
    return pageAttribute(node, &IICFPageAttributes::getTopMargin);
}

uint32_t CICFAttributeFinder::getBottomMargin(INode* node)
{
    return pageAttribute(node, &IICFPageAttributes::getBottomMargin);
}

uint32_t CICFAttributeFinder::getContainerWidth(INode* node)
{
    return pageAttribute(node, &IICFPageAttributes::getContainerWidth);
}

uint32_t CICFAttributeFinder::getContainerHeight(INode* node)
{
    return pageAttribute(node, &IICFPageAttributes::getContainerHeight);
}

void CICFAttributeFinder::getLeftIndent(INode* node, CICFOffset& leftIndent)
{
    void* found = nullptr;
    if (!findInterface(kICFParagraphPropertiesInterface, node, &found)) {
        leftIndent = CICFOffset();
        return;
    }
    CIndents indents;
    COffset left;
    leftIndent = CICFOffset(static_cast<IParagraphProperties*>(found)->getIndents(indents).getLeftOffset(left));
}
