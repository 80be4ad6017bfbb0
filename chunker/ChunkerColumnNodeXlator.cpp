#include "chunker/ChunkerColumnNodeXlator.h"

#include "chunker/ChunkerColumnNode.h"
#include "chunker/NodeEditing.h"
#include "chunker/SectionNodeDynXlator.h"
#include "model/CountedReference.h"
#include "model/NodeFactory.h"
#include "model/SectionNode.h"
#include "model/SectionProperties.h"

#include <vector>

namespace {

// A group's children being told that their properties are complete, and
// for those that are done, that they are done: the node's renotifyChildren
// with those two events, one event at a time.
struct GroupWalk {
    enum EStep { kNextChild, kPropertiesDone, kDone };
    INode* group;
    ChildIterator next;
    EStep step = kNextChild;
    INodeNotify* notify = nullptr;
    bool childDone = false;
};

// The walks in progress on this thread, innermost last; null when none is.
// The filter is loaded with dlopen; the initial-exec model puts this one
// pointer in the static TLS block that glibc keeps for such libraries, so
// no dynamic TLS block is made for it: LeakSanitizer fails on those when
// the host has loaded other libraries with TLS of their own.
thread_local std::vector<GroupWalk>* t_groupWalks __attribute__((tls_model("initial-exec"))) = nullptr;

// Delivers the events of the innermost walk until every walk has ended. An
// event may open a group inside, which stacks its own walk: that walk is
// taken up as soon as the event returns, before the next event of the walk
// that opened it, so the order of events is that of nested walks without
// taking stack per level of nesting.
void runGroupWalks(std::vector<GroupWalk>& walks)
{
    while (!walks.empty()) {
        GroupWalk& walk = walks.back();
        if (walk.step == GroupWalk::kNextChild) {
            if (walk.next == walk.group->getTermChild()) {
                walks.pop_back();
                continue;
            }
            // The position moves on first: the final onDone may release the child.
            INode* child = *walk.next++;
            walk.notify = child->getNodeNotify();
            if (walk.notify && child->arePropertiesDone()) {
                walk.childDone = child->isContentDone();
                walk.step = GroupWalk::kPropertiesDone;
            }
            continue;
        }
        // The event may stack a walk, which moves `walk`: it is not used after.
        INodeNotify* notify = walk.notify;
        if (walk.step == GroupWalk::kPropertiesDone) {
            walk.step = walk.childDone ? GroupWalk::kDone : GroupWalk::kNextChild;
            notify->onPropertiesDone();
        } else {
            walk.step = GroupWalk::kNextChild;
            notify->onDone();
        }
    }
}

// Tells the group's children what of them is complete. A group opened by
// an event of the innermost walk to one of its children is walked once that
// event returns; any other at once.
void walkGroupChildren(INode* group)
{
    if (t_groupWalks && !t_groupWalks->empty() && t_groupWalks->back().group == group->getParentNode()) {
        t_groupWalks->push_back({group, group->getFirstChild()});
        return;
    }
    std::vector<GroupWalk> walks{{group, group->getFirstChild()}};
    struct Active {
        explicit Active(std::vector<GroupWalk>& walks) : outer(t_groupWalks) { t_groupWalks = &walks; }
        ~Active() { t_groupWalks = outer; }
        std::vector<GroupWalk>* outer;
    } active(walks);
    runGroupWalks(walks);
}

} // namespace

INode* CChunkerColumnNodeXlator::sectionAbove(INode* node)
{
    for (INode* ancestor = node->getParentNode(); ancestor; ancestor = ancestor->getParentNode()) {
        if (ancestor->getContentInterfaceID() == kSectionNode)
            return ancestor;
        if (auto* group = dynamic_cast<CChunkerColumnNodeXlator*>(ancestor->getNodeNotify()))
            return group->m_section;
    }
    return nullptr;
}

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
    m_section = sectionAbove(column);
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
    walkGroupChildren(column);
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
