#include "chunker/ChunkerColumnNodeXlator.h"

#include "chunker/ChunkerColumnNode.h"
#include "chunker/NodeEditing.h"
#include "chunker/SectionNodeDynXlator.h"
#include "model/CountedReference.h"
#include "model/NodeFactory.h"
#include "model/NodeUtilities.h"
#include "model/SectionNode.h"
#include "model/SectionProperties.h"

// The column node has no writer of its own: its events end here, and its
// children ask the forwarding section's writer whether they may write.
void CChunkerColumnNodeXlator::onCreate()
{
    INode* column = getNode();
    setNodeNotify(nullptr);
    m_forwardingSection = column->getNodeFactory()->createNode(kSectionNode);
    m_ownWriter = column->getNodeWriter();
    column->setNodeWriter(m_forwardingSection->getNodeWriter());
}

// The forwarding section answers to the enclosing section's parent, as the
// section does, without being one of its children: it is written in the
// group's place, and its release must not disturb a parent that may be
// re-notifying its children.
void CChunkerColumnNodeXlator::onAttachToParent()
{
    INode* column = getNode();
    m_section = CNodeUtilities::findParent(column, kSectionNode);
    if (m_section && m_section == column->getParentNode())
        m_sectionXlator = &CSectionNodeDynXlator::watch(m_section);
    m_forwardingSection->setParentNode(m_section ? m_section->getParentNode() : nullptr);
}

void CChunkerColumnNodeXlator::onAttachChild(INode* child)
{
    if (INodeNotify* notify = forwardingNotify())
        notify->onAttachChild(child);
}

void CChunkerColumnNodeXlator::onDetachChild(INode* child)
{
    if (INodeNotify* notify = forwardingNotify())
        notify->onDetachChild(child);
}

void CChunkerColumnNodeXlator::onPropertiesDone()
{
    openForwardingSection();
}

void CChunkerColumnNodeXlator::onDone()
{
    if (!m_opened)
        return;
    closeForwardingSection();
    // Destroys this translator too: nothing may follow.
    getNode()->release();
}

void CChunkerColumnNodeXlator::onDestroy()
{
    if (!m_forwardingSection)
        return;
    getNode()->setNodeWriter(m_ownWriter);
    m_forwardingSection->setParentNode(nullptr);
    m_forwardingSection->release();
    m_forwardingSection = nullptr;
}

void CChunkerColumnNodeXlator::openForwardingSection()
{
    INode* column = getNode();
    if (m_opened || !m_section || !column->arePropertiesDone() || !m_section->arePropertiesDone() ||
        !m_forwardingSection->isOkToWrite())
        return;
    m_opened = true;
    giveForwardingSectionItsProperties();
    m_forwardingSection->propertiesDone();
    column->renotifyChildren(INode::ENodeNotifications(INode::kNotifyPropertiesDone | INode::kNotifyDone));
}

// The enclosing section's properties as they are now complete, with the
// group's columns. The group starts the way the section does only when it
// is written in place of the section's start; otherwise it continues the
// page.
void CChunkerColumnNodeXlator::giveForwardingSectionItsProperties()
{
    auto* enclosing = dynamic_cast<CSectionProperties*>(sectionPropertiesOf(m_section));
    auto properties = enclosing ? makeCounted<CSectionProperties>(*enclosing) : makeCounted<CSectionProperties>();
    properties->setColumnProperties(dynamic_cast<CChunkerColumnNode&>(*getNode()).getColumnProperties());
    if (!m_sectionXlator || !m_sectionXlator->claimSectionStart())
        properties->setSectionStartOn(kSectionStartContinuous);
    dynamic_cast<ISectionContent&>(*m_forwardingSection->getIContent()).setProperties(properties.get());
}

// The forwarding section's writer writes its end and releases it.
void CChunkerColumnNodeXlator::closeForwardingSection()
{
    INode* forwardingSection = m_forwardingSection;
    m_forwardingSection = nullptr;
    getNode()->setNodeWriter(m_ownWriter);
    forwardingSection->done();
}

INodeNotify* CChunkerColumnNodeXlator::forwardingNotify() const
{
    return m_forwardingSection ? m_forwardingSection->getNodeNotify() : nullptr;
}
