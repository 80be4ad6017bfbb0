#include "chunker/NodeEditing.h"

#include "chunker/WordParagraphNode.h"
#include "core/Exceptions.h"
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
