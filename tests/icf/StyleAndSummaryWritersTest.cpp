// The style table and summary writers where no golden case reaches: a style
// table writer without its node, and summary items that share a slot or
// have none.
#include "FailureOf.h"
#include "ICFBytes.h"
#include "ICFOutputFixture.h"

#include "core/Exceptions.h"
#include "icf/ICFNodeWriterCreator.h"
#include "icf/ICFStyleTableNodeWriter.h"
#include "icf/ICFSummaryNodeWriters.h"
#include "icf/ICFTextStrandNodeWriter.h"
#include "model/DocumentSummary.h"
#include "model/TextStrandNode.h"

#include <string>

namespace {

class StyleAndSummaryWritersTest : public ICFOutputFixture {
protected:
    StyleAndSummaryWritersTest()
    {
        makeNodes<CDocumentSummaryTableNode, CDocumentSummaryNode, CTextStrandNode>();
        registrar()->registerNodeWriterCreator(new TNodeWriterCreator<CICFDocumentSummaryTableNodeWriter>);
        registrar()->registerNodeWriterCreator(new TNodeWriterCreator<CICFDocumentSummaryNodeWriter>);
        registrar()->registerNodeWriterCreator(new TNodeWriterCreator<CICFTextStrandNodeWriter>);
    }

    // An item of `type` whose text is one strand.
    void addItem(IDocumentSummaryTableContent& table, uint32_t type, const char* text)
    {
        INode* item = factory.createNode(kDocumentSummaryNode);
        auto& summary = dynamic_cast<IDocumentSummaryContent&>(*item->getIContent());
        summary.setPredefinedType(static_cast<EDocumentSummaryTypes>(type));
        table.addSummary(&summary);
        INode* strand = factory.createNode(kTextStrandNode);
        dynamic_cast<ITextStrandContent&>(*strand->getIContent()).setText(CCharacterString(text, 0));
        item->attachNode(strand);
    }
};

TEST_F(StyleAndSummaryWritersTest, AStyleTableWriterWithoutItsNodeFailsWritingNothing)
{
    CICFStyleTableNodeWriter tableWriter;
    tableWriter.setWriter(&writer);
    EXPECT_EQ(messageOf<ExLocal>([&] { tableWriter.write(); }), "REQUIRE: pNode != NULL\n\tFile: WICFStyT  ln(72)");
    EXPECT_TRUE(output().empty());
}

TEST_F(StyleAndSummaryWritersTest, TheLaterItemOfASlotWinsAndAnItemWithoutSlotIsLeftOut)
{
    INode* tableNode = factory.createNode(kDocumentSummaryTableNode);
    auto& table = dynamic_cast<IDocumentSummaryTableContent&>(*tableNode->getIContent());
    addItem(table, 55, "First");
    addItem(table, 2, "None");
    addItem(table, 55, "Second");
    addItem(table, 0, "Last");
    dynamic_cast<CICFNodeWriter&>(*tableNode->getNodeWriter()).write();
    tableNode->release();
    // Type 55 fills slot 1 and type 0 slot 22; the twenty between are null.
    EXPECT_EQ(output(), CI "SSI" "Second" PE + std::string(20, '\x1f') + "Last" PE CE);
}

} // namespace
