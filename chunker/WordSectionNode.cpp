#include "chunker/WordSectionNode.h"

#include "model/NodeCast.h"
#include "model/PendingNode.h"

#include <algorithm>

CWordSectionNode::CSlot* CWordSectionNode::findSlot(uint32_t id)
{
    auto holds = [id](const CSlot& slot) { return slot.id == id; };
    auto found = std::find_if(m_slots.begin(), m_slots.end(), holds);
    return found == m_slots.end() ? nullptr : &*found;
}

void CWordSectionNode::setSlotInformation(uint32_t id, uint32_t value, const SSubDocumentFormat& format)
{
    CSlot* slot = findSlot(id);
    if (!slot)
        slot = findSlot(kFreeSlotID);
    if (!slot)
        return;
    slot->id = id;
    slot->value = value;
    slot->format = format;
}

bool CWordSectionNode::getSlotInformation(uint32_t id, uint32_t& value, SSubDocumentFormat& format) const
{
    for (const CSlot& slot : m_slots) {
        if (slot.id == id) {
            value = slot.value;
            format = slot.format;
            return true;
        }
    }
    return false;
}

void CWordSectionNode::freeSlots()
{
    m_slots.fill(CSlot());
}

INode* CWordSectionNode::clone(ECloneContent mode)
{
    CPendingNode copy(CSectionNode::clone(mode));
    nodeAs<CWordSectionNode>(copy.get()).freeSlots();
    return copy.take();
}
