// Special characters, line breaks, date/time fields and comments: what each
// content strand writes, and when.
#include "ICFBytes.h"
#include "StrandWriterFixture.h"

#include "model/DateTimeFormats.h"
#include "model/ParagraphProperties.h"

namespace {

class FieldAndSpecialCharWritersTest : public StrandWriterFixture {
protected:
    // A paragraph in a document whose frame is out, so that the paragraph
    // may write.
    INode* paragraph(IParagraphProperties* properties = nullptr, IParagraphStyleContent* style = nullptr)
    {
        INode* document = root(kDocumentNode);
        document->propertiesDone();
        output();
        INode* node = factory.createNode(kParagraphNode);
        document->attachNode(node);
        auto& content = dynamic_cast<IParagraphContent&>(*node->getIContent());
        content.setProperties(properties);
        content.setStyle(style);
        return node;
    }

    static void addCode(IDateTimeCSContent& field, uint32_t code)
    {
        auto* part = new CDateTimeFormatCode;
        part->setCode(static_cast<EDateTimeFormatCode>(code));
        field.addDateTimeFormat(part);
        part->releaseRef();
    }

    static void addCharacters(IDateTimeCSContent& field, const char* text)
    {
        auto* characters = new CDateTimeFormatCharacters;
        characters->setString(CCharacterString(text, kCharSetCp1252));
        field.addDateTimeFormat(characters);
        characters->releaseRef();
    }
};

// Hyphens, spaces and page breaks wait until their node may be written,
// which a strand without parent never may; a tab need not wait.
TEST_F(FieldAndSpecialCharWritersTest, SomeSpecialCharactersWaitForTheirParagraph)
{
    for (EContentInterfaceID kind : {kHardHyphenCSNode, kSoftHyphenCSNode, kNonbreakingSpaceCSNode, kPageBreakCSNode})
        EXPECT_EQ(written(strand(kind)), "") << kind;
    EXPECT_EQ(written(strand(kTabCSNode)), CI "TAB" CE);
}

TEST_F(FieldAndSpecialCharWritersTest, LineBreakClosesAndReopensTheParagraphsFormatting)
{
    auto* styleProperties = new CParagraphProperties;
    auto& style = dynamic_cast<IParagraphStyleContent&>(*root(kParagraphStyleNode)->getIContent());
    style.setID(7);
    style.setName(CCharacterString("Body", kCharSetCp1252));
    style.setParagraphProperties(styleProperties);
    styleProperties->releaseRef();

    auto* centred = new CParagraphProperties;
    centred->setHorizontalAlignment(kAlignCenter);
    auto* numbering = new CParagraphNumbering;
    centred->setParagraphNumbering(numbering);
    numbering->releaseRef();
    INode* text = paragraph(centred, &style);
    centred->releaseRef();
    text->propertiesDone();
    const std::string start = CI "STY" "Body" PE "7" PE "0" PE CE CI "STE" CE CI "BCA" CE;
    ASSERT_EQ(output(), start);

    INode* lineBreak = strand(kNewlineCSNode);
    text->attachNode(lineBreak);
    lineBreak->done();
    EXPECT_EQ(output(), CI "ERJ" CE CI "STF" "Body" PE "7" PE "0" PE CE CI "STE" CE CI "NLN" CE CI "HNL" CE + start);
    EXPECT_EQ(centred->getParagraphNumbering(), nullptr);
}

TEST_F(FieldAndSpecialCharWritersTest, DateFormatBecomesOneHexParameterPerByte)
{
    INode* node = strand(kDateTimeCSNode);
    auto& field = dynamic_cast<IDateTimeCSContent&>(*node->getIContent());
    addCode(field, 5);
    addCharacters(field, "/");
    addCode(field, 1);
    addCode(field, 10);
    // Code 12 has no ICF counterpart.
    addCode(field, 12);
    EXPECT_EQ(written(node), CI "DTF" "31" PE "2f" PE "34" PE "01" PE CE);
}

TEST_F(FieldAndSpecialCharWritersTest, CommentCarriesItsParagraphsTextWhichNeverWritesItself)
{
    INode* comment = strand(kCommentCSNode);
    INode* inner = factory.createNode(kParagraphNode);
    comment->attachNode(inner);
    INode* remark = strand(kTextStrandNode, nullptr, nullptr, "remark");
    inner->attachNode(remark);
    inner->propertiesDone();
    remark->done();
    EXPECT_EQ(output(), "");
    EXPECT_EQ(written(comment), CI "CMT" "remark" PE CE);
}

} // namespace
