// The document frame: "DID", the font table and the style definitions,
// written by the document writer at the document's properties done.
#include "icf/ICFDocumentNodeWriter.h"
#include "icf/ICFFontTableNodeWriter.h"
#include "icf/ICFNodeWriterCreator.h"
#include "icf/ICFStyleNodeWriters.h"
#include "icf/ICFStyleTableNodeWriter.h"
#include "icf/ICFWriter.h"

#include "ICFBytes.h"
#include "ICFOutputFixture.h"

#include "core/Exceptions.h"
#include "model/CharacterSets.h"
#include "model/DocumentNode.h"
#include "model/DocumentSummary.h"
#include "model/FontDefinition.h"
#include "model/FontDefinitionTableNode.h"
#include "model/ListStyleNode.h"
#include "model/NodeFactory.h"
#include "model/ParagraphStyleNode.h"
#include "model/StrandStyleNode.h"
#include "model/StyleTableNode.h"
#include "model/TextStrandNode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

CCharacterString text(const char* bytes)
{
    return CCharacterString(bytes, kCharSetCp1252);
}

// Gives its text strand's text, as the text strand writer does.
class CTextGivingWriter : public CICFNodeWriter {
public:
    void getText(std::list<CCharacterString>& texts) override
    {
        CCharacterString text;
        texts.push_back(dynamic_cast<ITextStrandContent&>(*getNode()->getIContent()).getText(text));
    }
};

class DocumentWriterTest : public ICFOutputFixture {
protected:
    DocumentWriterTest()
    {
        makeNodes<CDocumentNode, CFontDefinitionTableNode, CStyleTableNode, CParagraphStyleNode, CStrandStyleNode,
                  CListStyleNode, CDocumentSummaryTableNode, CDocumentSummaryNode, CTextStrandNode>();
        writer.initialize(&stream, registrar());
        registrar()->registerNodeWriterCreator(new TNodeWriterCreator<CTextGivingWriter, kTextStrandNode>);
        document = factory.createNode(kDocumentNode);
        content().setSourceID(349);
    }

    ~DocumentWriterTest() override
    {
        if (document)
            document->release();
    }

    IDocumentContent& content() { return dynamic_cast<IDocumentContent&>(*document->getIContent()); }

    IFontDefinitionTableContent& fontTable()
    {
        if (!content().getFontTable())
            content().setFontTable(
                dynamic_cast<IFontDefinitionTableContent*>(factory.createNode(kFontDefinitionTableNode)));
        return *content().getFontTable();
    }

    void addFont(uint32_t id, const char* name)
    {
        auto* font = new CFontDefinition(id, text(name));
        fontTable().addFont(font);
        font->releaseRef();
    }

    IStyleTableContent& styleTable()
    {
        if (!content().getStyleTable())
            content().setStyleTable(dynamic_cast<IStyleTableContent*>(factory.createNode(kStyleTableNode)));
        return *content().getStyleTable();
    }

    template <class Style>
    Style* addStyle(EContentInterfaceID kind, uint32_t id, const char* name)
    {
        auto* style = dynamic_cast<Style*>(factory.createNode(kind));
        style->setID(id);
        style->setName(text(name));
        styleTable().addStyle(style);
        return style;
    }

    // An item of the given predefined type whose text is `parts`, one strand each.
    void addSummary(uint32_t type, std::initializer_list<const char*> parts)
    {
        if (!content().getDocumentSummaryTable())
            content().setDocumentSummaryTable(
                dynamic_cast<IDocumentSummaryTableContent*>(factory.createNode(kDocumentSummaryTableNode)));
        auto* item = dynamic_cast<IDocumentSummaryContent*>(factory.createNode(kDocumentSummaryNode));
        item->setPredefinedType(static_cast<EDocumentSummaryTypes>(type));
        for (const char* part : parts) {
            auto* strand = dynamic_cast<CTextStrandNode*>(factory.createNode(kTextStrandNode));
            strand->setText(text(part));
            item->getINode()->attachNode(strand);
        }
        content().getDocumentSummaryTable()->addSummary(item);
    }

    INode* document = nullptr;
};

const std::string kDID349 = CI "DID" "349" PE "1" PE "00000000" PE "4" PE CE;

TEST_F(DocumentWriterTest, EmptyTablesLeaveOnlyTheDocumentId)
{
    fontTable();
    styleTable();
    addStyle<CListStyleNode>(kListStyleNode, 5, "Outline");
    document->propertiesDone();
    EXPECT_EQ(stream.bytes, kDID349) << "no fonts, and list styles have no definition";
}

TEST_F(DocumentWriterTest, FrameListsFontsThenStyleDefinitionsInTableOrder)
{
    addFont(3, "Arial");
    addFont(1, "Courier New");
    auto* body = addStyle<CParagraphStyleNode>(kParagraphStyleNode, 10, "Body");
    addStyle<CListStyleNode>(kListStyleNode, 11, "Outline");
    addStyle<CStrandStyleNode>(kStrandStyleNode, 12, "Emphasis");
    addStyle<CParagraphStyleNode>(kParagraphStyleNode, 13, "Quote")->setBasedOnStyle(body);

    document->propertiesDone();
    EXPECT_EQ(stream.bytes,
              kDID349 + CI "FDT" "2" PE "3" PE "0" PE "3" PE "Arial" PE "0" PE "1" PE "Courier New" PE "0" PE CE //
                  CI "SYT" "Body" PE "10" PE CI "SYP" "0" PE CE CI "SEP" CE CE                                  //
                  CI "SYT" "Emphasis" PE "12" PE CI "SYP" "1" PE CE CI "SEP" CE CE                              //
                  CI "SYT" "Quote" PE "13" PE CI "SYP" "0" PE CE CI "SBO" "Body" PE "10" PE CE CI "SEP" CE  //
                      CI "SBO" "Body" PE "10" PE CE CE)
        << "the base style is named both inside the definition and after it";
}

TEST_F(DocumentWriterTest, SummaryFillsTheSlotsOfKnownItemsBeforeTheFontTable)
{
    addFont(1, "Arial");
    addSummary(4, {"Old"});
    addSummary(2, {"Not a slot"});
    addSummary(55, {"Quarterly ", "report"});
    addSummary(4, {"New"});
    addSummary(56, {"Last"});
    document->propertiesDone();
    EXPECT_EQ(stream.bytes, kDID349 + CI "SSI" "Quarterly report" PE "New" PE //
                                PE PE PE PE PE PE PE PE PE PE PE PE PE PE PE PE PE PE "Last" PE PE CE //
                                CI "FDT" "1" PE "3" PE "0" PE "1" PE "Arial" PE "0" PE CE)
        << "slots 1, 2 and 21 filled, the later item for slot 2 winning";
}

TEST_F(DocumentWriterTest, SummaryTableWithoutKnownItemsStillWritesItsCommand)
{
    addSummary(3, {"Unmapped"});
    document->propertiesDone();
    EXPECT_EQ(stream.bytes, kDID349 + CI "SSI" PE PE PE PE PE PE PE PE PE PE PE PE PE PE PE PE PE PE PE PE PE PE CE);
}

TEST_F(DocumentWriterTest, StyleSwitchesOnlyForTheirOwnStyleType)
{
    auto* heading = addStyle<CParagraphStyleNode>(kParagraphStyleNode, 4, "Heading");
    auto& headingWriter = dynamic_cast<CICFStyleNodeWriter&>(*heading->getNodeWriter());
    headingWriter.writeStyleOn();
    headingWriter.writeStyleOff();
    EXPECT_EQ(stream.bytes, CI "STY" "Heading" PE "4" PE "0" PE CE CI "STE" CE //
                            CI "STF" "Heading" PE "4" PE "0" PE CE CI "STE" CE);

    stream.bytes.clear();
    CICFStrandStyleNodeWriter strandWriter;
    strandWriter.setWriter(&writer);
    strandWriter.setNode(heading);
    strandWriter.writeStyleOn();
    EXPECT_EQ(stream.bytes, "") << "a strand style writer does not switch a paragraph style";
}

TEST_F(DocumentWriterTest, StyleTableWithoutNodeFailsBeforeWriting)
{
    CICFStyleTableNodeWriter tableWriter;
    tableWriter.setWriter(&writer);
    EXPECT_THROW(tableWriter.write(), ExLocal);
    EXPECT_EQ(stream.bytes, "");
}

} // namespace
