#include "chunker/SummaryItemTags.h"

#include "chunker/ChangeTags.h"
#include "chunker/HostRecords.h"
#include "chunker/NodeEditing.h"
#include "chunker/SubDocuments.h"
#include "chunker/WordParagraphNode.h"
#include "chunker/WordSavedNodes.h"
#include "core/Exceptions.h"
#include "model/DocumentNode.h"
#include "model/DocumentSummary.h"
#include "model/NodeFactory.h"
#include "model/PendingNode.h"

namespace {

// A summary item's type (title, author ...) is numbered as the source
// numbers them.
static_assert(holdsWords(CHSUMMARY_RECORD_SIZE, CHSUMMARY_TYPE), "the type lies in the record");

constexpr const char* kNoDocumentForSummary = "REQUIRE: pNodeParent != NULL\n\tFile: ChCTag  ln(438)";
constexpr const char* kEndOutsideSummary = "REQUIRE: pNodeParent->getParentNode() is a summary item\n\tFile: ChCTag";

// The document's summary table, made and given to the document when it has
// none; null when the factory makes no summary table.
IDocumentSummaryTableContent* summaryTableOf(IDocumentContent& document, INodeFactory& factory)
{
    if (IDocumentSummaryTableContent* table = document.getDocumentSummaryTable())
        return table;
    CPendingNode node(factory.createNode(kDocumentSummaryTableNode));
    auto* table = dynamic_cast<IDocumentSummaryTableContent*>(node.get() ? node.get()->getIContent() : nullptr);
    if (!table)
        return nullptr;
    document.setDocumentSummaryTable(table);
    node.take();
    return table;
}

} // namespace

// The record is read first, so that a record the host refuses leaves the
// document without a summary.
void beginSummaryItem(CChangeBeginTag& tag, CWordParagraphNode& paragraph, INode*& cursor)
{
    IDocumentContent& document = requireDocument(&paragraph, kNoDocumentForSummary);
    const auto record = readDataRecord<CHSUMMARY_RECORD_SIZE>(tag, tag.getValue3());
    INodeFactory& factory = *paragraph.getNodeFactory();
    IDocumentSummaryTableContent* table = summaryTableOf(document, factory);
    CPendingNode node(factory.createNode(kDocumentSummaryNode));
    auto* item = dynamic_cast<CWordDocumentSummaryNode*>(node.get());
    if (!table || !item)
        return;
    item->setPredefinedType(static_cast<EDocumentSummaryTypes>(readBigEndian32(record.data(), CHSUMMARY_TYPE)));
    table->addSummary(item);
    node.take();
    item->setSavedNode(&paragraph);
    openParagraphIn(*item, paragraph, cursor);
}

// The item's text stays with it, for the summary table's writer; the item
// is complete.
void endSummaryItem(INode*& cursor)
{
    auto* item = dynamic_cast<CWordDocumentSummaryNode*>(cursor->getParentNode());
    if (!item || !item->getSavedNode())
        throw ExMisformedChunkerDataError(kEndOutsideSummary);
    closeSubDocument(cursor, *item, item->getSavedNode());
}
