#include "icf/ICFSummaryNodeWriters.h"

#include "icf/ICFCodeSSI.h"
#include "icf/ICFVocabulary.h"
#include "model/DocumentSummary.h"

namespace {

struct SummarySlot {
    uint32_t predefinedType;
    uint32_t slot;
};

// The "SSI" slot of each predefined summary type that has one.
constexpr SummarySlot kSummarySlots[] = {
    {0, 22},  {1, 6},   {4, 2},  {16, 16}, {17, 15}, {18, 17}, {21, 7},  {23, 14}, {24, 8},  {29, 5},
    {31, 18}, {33, 10}, {35, 4}, {41, 3},  {46, 12}, {49, 20}, {50, 19}, {55, 1},  {56, 21},
};

} // namespace

uint32_t CICFDocumentSummaryTableNodeWriter::getSummaryItemNumber(const IDocumentSummaryContent& item)
{
    const uint32_t type = item.getPredefinedType();
    for (const SummarySlot& entry : kSummarySlots)
        if (entry.predefinedType == type)
            return entry.slot;
    return 0;
}

void CICFDocumentSummaryTableNodeWriter::write()
{
    CICFCodeSSI summary;
    summary.setIcfCommand(kCmdSummaryInfo);
    const auto& table = dynamic_cast<IDocumentSummaryTableContent&>(*getNode()->getIContent());
    for (IDocumentSummaryContent* item : table.getSummaryList()) {
        auto* itemWriter = dynamic_cast<CICFNodeWriter*>(item->getINode()->getNodeWriter());
        const uint32_t slot = getSummaryItemNumber(*item);
        if (!itemWriter || slot == 0)
            continue;
        std::list<CCharacterString> texts;
        itemWriter->getText(texts);
        summary.setParameter(slot, CICFStringParameter(texts));
    }
    summary.write(getICFWriter());
}
