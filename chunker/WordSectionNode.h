// The reader's section node: besides the section layout it keeps the host's
// sub-document slots (header, footer and note texts attached to the
// section), each with its format record, until the handlers that open
// those sub-documents ask for them.
#pragma once

#include "model/SectionNode.h"
#include "trx/changes.h"

#include <array>
#include <cstdint>

// The host's sub-document format record, kept as received.
using SSubDocumentFormat = std::array<unsigned char, CHSLOTFORMAT_RECORD_SIZE>;

class CWordSectionNode : public CSectionNode {
public:
    // The host defines at most this many sub-documents per section; further
    // slot ids are dropped.
    static constexpr std::size_t kSlotCount = 16;
    static constexpr uint32_t kFreeSlotID = 0xFFFF;

    // Stores into the slot holding `id`, or else into the first free slot;
    // stores nothing when every slot holds another id.
    void setSlotInformation(uint32_t id, uint32_t value, const SSubDocumentFormat& format);
    // Copies out the slot holding `id`; false, with both outputs untouched,
    // when there is none.
    bool getSlotInformation(uint32_t id, uint32_t& value, SSubDocumentFormat& format) const;

    // The copy starts with all slots free.
    INode* clone(ECloneContent mode) override;

private:
    struct CSlot {
        uint32_t id = kFreeSlotID;
        uint32_t value = 0;
        SSubDocumentFormat format{};
    };

    CSlot* findSlot(uint32_t id);
    void freeSlots();

    std::array<CSlot, kSlotCount> m_slots;
};
