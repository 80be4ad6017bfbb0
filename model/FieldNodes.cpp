#include "model/FieldNodes.h"

#include "model/DateTimeFormats.h"
#include "model/NodeCast.h"
#include "model/PendingNode.h"

CDateTimeCSNode::~CDateTimeCSNode()
{
    releaseFormatList();
}

INode* CDateTimeCSNode::clone(ECloneContent mode)
{
    CPendingNode copy(CBranchNode::clone(mode));
    copyStrandStateTo(copy.get());
    auto& field = nodeAs<CDateTimeCSNode>(copy.get());
    for (CDateTimeFormat* format : m_formats)
        field.addDateTimeFormat(format);
    return copy.take();
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
    CPendingNode copy(CBranchNode::clone(mode));
    copyStrandStateTo(copy.get());
    nodeAs<CIncludedDocumentCSNode>(copy.get()).m_location = m_location;
    return copy.take();
}
