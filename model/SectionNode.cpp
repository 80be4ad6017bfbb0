#include "model/SectionNode.h"

#include "model/HeaderFooterNode.h"
#include "model/NodeCast.h"
#include "model/NoteAreaProperties.h"
#include "model/NoteSeparatorNode.h"
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

namespace {

// The area stops naming `separator` as any of its separators.
void forgetSeparator(CNoteAreaProperties* area, const INoteSeparatorContent* separator)
{
    if (!area)
        return;
    if (area->getNoteSeparator() == separator)
        area->setNoteSeparator(nullptr);
    if (area->getNoteContinuationSeparator() == separator)
        area->setNoteContinuationSeparator(nullptr);
    if (area->getNoteContinuationNotice() == separator)
        area->setNoteContinuationNotice(nullptr);
}

} // namespace

void CSectionNode::detachNode(INode* child)
{
    // The properties name headers, footers and note separators only: the
    // kind passes over the paragraphs and tables, nearly all children,
    // before any type test.
    ISectionProperties* properties = m_properties.get();
    const EContentInterfaceID kind = child->getContentInterfaceID();
    if (properties && kind == kHeaderFooterNode) {
        if (auto* entry = dynamic_cast<IHeaderFooterContent*>(child->getIContent())) {
            properties->removeHeader(entry);
            properties->removeFooter(entry);
        }
    }
    if (properties && kind == kNoteSeparatorNode) {
        if (auto* separator = dynamic_cast<INoteSeparatorContent*>(child->getIContent())) {
            forgetSeparator(properties->getFootnoteProperties(), separator);
            forgetSeparator(properties->getEndnoteProperties(), separator);
        }
    }
    CBranchNode::detachNode(child);
}

void CSectionNode::setProperties(ISectionProperties* properties)
{
    m_properties.reset(properties);
}
