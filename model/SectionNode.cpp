#include "model/SectionNode.h"

#include "model/HeaderFooterNode.h"
#include "model/NodeCast.h"
#include "model/PendingNode.h"
#include "model/SectionProperties.h"

CSectionNode::CSectionNode() = default;

CSectionNode::~CSectionNode()
{
    // The properties go first: destroying them destroys their headers and
    // footers, which detach themselves from this section if they are its
    // children. The holder is cleared before that, so the detaching finds
    // no properties to update.
    m_properties.adopt(nullptr);
}

INode* CSectionNode::clone(ECloneContent mode)
{
    CPendingNode copy(CBranchNode::clone(mode));
    auto& section = nodeAs<CSectionNode>(copy.get());
    // CSectionProperties is the one implementation of the interface.
    if (auto* properties = dynamic_cast<CSectionProperties*>(m_properties.get()))
        section.m_properties = makeCounted<CSectionProperties>(*properties);
    return copy.take();
}

void CSectionNode::detachNode(INode* child)
{
    ISectionProperties* properties = m_properties.get();
    auto* entry = dynamic_cast<IHeaderFooterContent*>(child->getIContent());
    if (properties && entry) {
        properties->removeHeader(entry);
        properties->removeFooter(entry);
    }
    CBranchNode::detachNode(child);
}

void CSectionNode::setProperties(ISectionProperties* properties)
{
    m_properties.reset(properties);
}
