#include "model/StyleTableNode.h"

#include "model/CharacterString.h"

#include <algorithm>

CStyleTableNode::~CStyleTableNode()
{
    while (!m_styles.empty()) {
        INode* style = m_styles.front()->getINode();
        takeOut(m_styles.begin());
        style->release();
    }
}

void CStyleTableNode::addStyle(IStyleContent* style)
{
    if (!style)
        return;
    m_styles.push_back(style);
    style->getINode()->setParentNode(this);
}

void CStyleTableNode::removeStyle(IStyleContent* style)
{
    auto position = positionOf([style](IStyleContent* held) { return held == style; });
    if (position != m_styles.end())
        takeOut(position);
}

template <class Match>
StyleList::const_iterator CStyleTableNode::positionOf(Match&& match) const
{
    return std::find_if(m_styles.begin(), m_styles.end(), match);
}

template <class Match>
IStyleContent* CStyleTableNode::firstMatching(Match&& match) const
{
    auto position = positionOf(match);
    return position == m_styles.end() ? nullptr : *position;
}

void CStyleTableNode::takeOut(StyleList::const_iterator position)
{
    INode* style = (*position)->getINode();
    m_styles.erase(position);
    style->setParentNode(nullptr);
}

IStyleContent* CStyleTableNode::findStyle(uint32_t id) const
{
    return firstMatching([id](IStyleContent* style) { return style->getID() == id; });
}

IStyleContent* CStyleTableNode::findStyle(const CCharacterString& name, EStyleTypes type) const
{
    CCharacterString styleName;
    return firstMatching(
        [&](IStyleContent* style) { return style->getType() == type && style->getName(styleName) == name; });
}

IStyleContent* CStyleTableNode::findStyle(uint32_t id, EStyleTypes type) const
{
    return firstMatching([id, type](IStyleContent* style) { return style->getID() == id && style->getType() == type; });
}

void CStyleTableNode::detachNode(INode* child)
{
    auto position = positionOf([child](IStyleContent* style) { return style->getINode() == child; });
    if (position != m_styles.end())
        takeOut(position);
    else
        CBranchNode::detachNode(child);
}

void CStyleTableNode::propertiesDone()
{
    completeStyles(&INode::arePropertiesDone, &INode::propertiesDone);
    CBranchNode::propertiesDone();
}

void CStyleTableNode::done()
{
    completeStyles(&INode::isDone, &INode::done);
    CBranchNode::done();
}

void CStyleTableNode::completeStyles(bool (INode::*isComplete)(), void (INode::*complete)())
{
    // A style's writer may release the style it completes: walk a copy.
    const StyleList styles = m_styles;
    for (IStyleContent* style : styles) {
        INode* node = style->getINode();
        if (!(node->*isComplete)())
            (node->*complete)();
    }
}
