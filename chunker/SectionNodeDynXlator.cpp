#include "chunker/SectionNodeDynXlator.h"

namespace {

bool beginsWithColumnGroup(INode& section)
{
    return !section.isEmpty() && (*section.getFirstChild())->getContentInterfaceID() == kChunkerColumnNode;
}

} // namespace

CSectionNodeDynXlator& CSectionNodeDynXlator::watch(INode* section)
{
    if (auto* watching = dynamic_cast<CSectionNodeDynXlator*>(section->getNodeNotify()))
        return *watching;
    return *new CSectionNodeDynXlator(section);
}

CSectionNodeDynXlator::CSectionNodeDynXlator(INode* section)
{
    setNode(section);
    setNodeNotify(section->getNodeNotify());
    section->setNodeNotify(this);
}

// A withheld start still lets the children completed so far write, as the
// section's writer would have done after writing it.
void CSectionNodeDynXlator::onPropertiesDone()
{
    INode* section = getNode();
    m_startWithheld = beginsWithColumnGroup(*section);
    if (!m_startWithheld)
        CNodeXlator::onPropertiesDone();
    else if (section->isOkToWrite())
        section->renotifyChildren(INode::ENodeNotifications(INode::kNotifyPropertiesDone | INode::kNotifyDone));
}

void CSectionNodeDynXlator::onDestroy()
{
    INodeNotify* previous = getNodeNotify();
    getNode()->setNodeNotify(previous);
    delete this;
    if (previous)
        previous->onDestroy();
}

bool CSectionNodeDynXlator::claimSectionStart()
{
    if (!m_startWithheld || m_startClaimed)
        return false;
    m_startClaimed = true;
    return true;
}
