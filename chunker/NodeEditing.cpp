#include "chunker/NodeEditing.h"

#include "chunker/WordParagraphNode.h"
#include "core/Exceptions.h"
#include "model/DocumentNode.h"
#include "model/NodeFactory.h"
#include "model/NodeUtilities.h"
#include "model/PendingNode.h"
#include "model/SectionNode.h"

INode* requireParent(INode* node, const char* failure)
{
    INode* parent = node->getParentNode();
    if (!parent)
        throw ExNodeParsingError(failure);
    return parent;
}

CWordParagraphNode& wordParagraph(INode* cursor)
{
    return dynamic_cast<CWordParagraphNode&>(*cursor);
}

IDocumentContent& requireDocument(INode* node, const char* failure)
{
    INode* document = CNodeUtilities::findParent(node, kDocumentNode);
    if (!document)
        throw ExNodeParsingError(failure);
    return dynamic_cast<IDocumentContent&>(*document->getIContent());
}

INode* newParagraphLike(CWordParagraphNode& paragraph)
{
    CPendingNode node(paragraph.getNodeFactory()->createNode(kParagraphNode));
    wordParagraph(node.get()).setWideStringDefaultCharacterSet(paragraph.getWideStringDefaultCharacterSet());
    return node.take();
}

void openParagraphIn(INode& holder, CWordParagraphNode& paragraph, INode*& cursor)
{
    CPendingNode node(newParagraphLike(paragraph));
    holder.attachNode(node.get());
    cursor = node.take();
}

void moveChildren(INode& from, INode& to)
{
    while (from.getFirstChild() != from.getTermChild()) {
        INode* child = *from.getFirstChild();
        CPendingNode copy(child->clone(INode::kCloneNodeOnly));
        to.attachNode(copy.get());
        copy.take();
        child->release();
    }
}

void closeParagraph(CWordParagraphNode& paragraph)
{
    if (paragraph.isParent())
        paragraph.done();
    else
        paragraph.release();
}

ISectionProperties* sectionPropertiesOf(INode* section)
{
    return dynamic_cast<ISectionContent&>(*section->getIContent()).getProperties();
}
