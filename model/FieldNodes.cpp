#include "model/FieldNodes.h"

#include "model/DateTimeFormats.h"
#include "model/NodeCast.h"

CDateTimeCSNode::~CDateTimeCSNode()
{
    releaseFormatList();
}

INode* CDateTimeCSNode::clone(ECloneContent mode)
{
    INode* copy = CBranchNode::clone(mode);
    copyStrandStateTo(copy);
    auto& field = nodeAs<CDateTimeCSNode>(copy);
    for (CDateTimeFormat* format : m_formats)
        field.addDateTimeFormat(format);
    return copy;
}

void CDateTimeCSNode::addDateTimeFormat(CDateTimeFormat* format)
{
    if (!format)
        return;
    m_formats.push_back(format);
    format->addRef();
}

void CDateTimeCSNode::releaseFormatList()
{
    for (CDateTimeFormat* format : m_formats)
        format->releaseRef();
    m_formats.clear();
}

INode* CIncludedDocumentCSNode::clone(ECloneContent mode)
{
    INode* copy = CBranchNode::clone(mode);
    copyStrandStateTo(copy);
    nodeAs<CIncludedDocumentCSNode>(copy).m_location = m_location;
    return copy;
}
