#include "model/GraphicCSNode.h"

#include "model/NodeCast.h"
#include "model/PendingNode.h"

#include <utility>

CGraphicCSNode::CGraphicCSNode() : m_data(std::make_unique<CGraphicData>())
{
}

INode* CGraphicCSNode::clone(ECloneContent mode)
{
    CPendingNode copy(CLeafNode::clone(mode));
    copyStrandStateTo(copy.get());
    auto& graphic = nodeAs<CGraphicCSNode>(copy.get());
    graphic.m_maintainAspectRatio = m_maintainAspectRatio;
    graphic.m_altString = m_altString;
    graphic.m_cropRegion = m_cropRegion;
    graphic.m_destinationHeight = m_destinationHeight;
    graphic.m_destinationWidth = m_destinationWidth;
    graphic.m_originalHeight = m_originalHeight;
    graphic.m_originalWidth = m_originalWidth;
    graphic.m_data = m_data->clone();
    return copy.take();
}

void CGraphicCSNode::setGraphicDataObject(std::unique_ptr<CGraphicData> data)
{
    if (data)
        m_data = std::move(data);
}
