#include "icf/ICFOffset.h"

#include "icf/ICFAttributeFinder.h"

#include <algorithm>

CICFOffset::CICFOffset(const CICFOffset& other) : COffset(other)
{
    if (other.m_leftIndent)
        m_leftIndent = std::make_unique<CICFOffset>(*other.m_leftIndent);
}

CICFOffset& CICFOffset::operator=(const CICFOffset& other)
{
    if (this != &other) {
        COffset::operator=(other);
        m_leftIndent = other.m_leftIndent ? std::make_unique<CICFOffset>(*other.m_leftIndent) : nullptr;
    }
    return *this;
}

CICFOffset::~CICFOffset() = default;

int32_t CICFOffset::getAdjustedValue(EOffsetReference target, INode* node)
{
    int64_t value = getValue();
    if (getRelativeFrom() != target)
        value += edgeOffset(getRelativeFrom(), node) - edgeOffset(target, node);
    return static_cast<int32_t>(std::max<int64_t>(value, 0));
}

void CICFOffset::setLeftIndent(const CICFOffset& leftIndent)
{
    m_leftIndent = std::make_unique<CICFOffset>(leftIndent);
}

int32_t CICFOffset::getLeftIndentValue(INode* node)
{
    if (!m_leftIndent) {
        m_leftIndent = std::make_unique<CICFOffset>();
        CICFAttributeFinder::getLeftIndent(node, *m_leftIndent);
    }
    if (m_leftIndent->getRelativeFrom() == kOffsetFromLeftIndent)
        return 0;
    return m_leftIndent->getAdjustedValue(kOffsetFromPageEdge, node);
}

int64_t CICFOffset::edgeOffset(EOffsetReference reference, INode* node)
{
    switch (reference) {
    case kOffsetFromLeftMargin:
        return CICFAttributeFinder::getLeftMargin(node);
    case kOffsetFromRightMargin:
        return CICFAttributeFinder::getRightMargin(node);
    case kOffsetFromContainerWidth:
        return CICFAttributeFinder::getContainerWidth(node);
    case kOffsetFromLeftIndent:
        return getLeftIndentValue(node);
    case kOffsetFromPageEdge:
        break;
    }
    return 0;
}
