// Style definitions and summary items where no golden case reaches: a style
// defined twice (once inside its own definition), a kind that makes no
// style, ends that find no style or item around the cursor, and definitions
// outside a document.
#include "FailureOf.h"
#include "ReaderTreeFixture.h"

#include "chunker/ChangeTags.h"
#include "core/Exceptions.h"
#include "model/StyleTableNode.h"
#include "trx/changes.h"

namespace {

using namespace readertest;

// Change 1 holds the name "Heading". Data record 0 defines the paragraph
// style 10 with that name, record 14 a style of kind 7, record 28 is a
// summary item's.
class DefinitionTagsTest : public ChangeHandlerFixture {
protected:
    DefinitionTagsTest()
        : ChangeHandlerFixture("paragraph end\n"
                               "property text \"Heading\"\n"
                               "record style definition style 10 paragraph name 1 based on none\n"
                               "record style definition style 11 kind 7\n"
                               "record summary item type 55\n")
    {
        CChangeTags::tagStack().clear();
        INode* tableNode = factory.createNode(kStyleTableNode);
        table = dynamic_cast<IStyleTableContent*>(tableNode->getIContent());
        documentContent().setStyleTable(table);
    }

    void tag(uint32_t change, uint32_t type, uint32_t id, uint32_t record = 0)
    {
        ReaderTreeFixture::change(change, type, id, record);
    }

    IStyleTableContent* table = nullptr;
};

TEST_F(DefinitionTagsTest, ADefinitionOfAnIdHeldRedefinesThatStyleInPlace)
{
    INode* outer = cursor;
    tag(CHCHANGE_BEGIN_TAG, CHTAG_STYLE_DEFINITION, 1, 0);
    ASSERT_EQ(table->getStyles().size(), 1u);
    auto* style = dynamic_cast<IParagraphStyleContent*>(table->getStyles().front());
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(cursor->getParentNode(), style->getINode());
    running().setBold(true);
    // Defined again while its definition is open: nothing is made or moved.
    INode* content = cursor;
    tag(CHCHANGE_BEGIN_TAG, CHTAG_STYLE_DEFINITION, 3, 0);
    EXPECT_EQ(cursor, content);
    tag(CHCHANGE_END_TAG, CHTAG_STYLE_DEFINITION, 3);
    EXPECT_EQ(cursor, content);
    tag(CHCHANGE_END_TAG, CHTAG_STYLE_DEFINITION, 1);
    EXPECT_EQ(cursor, outer);
    EXPECT_TRUE(style->getStrandProperties()->isBold());
    EXPECT_TRUE(style->getINode()->isEmpty()) << "the definition's paragraph is gone";

    tag(CHCHANGE_BEGIN_TAG, CHTAG_STYLE_DEFINITION, 2, 0);
    tag(CHCHANGE_END_TAG, CHTAG_STYLE_DEFINITION, 2);
    EXPECT_EQ(table->getStyles().size(), 1u);
    EXPECT_EQ(table->getStyles().front(), style);
    CCharacterString name;
    EXPECT_EQ(style->getName(name).getString(), "Heading");
    EXPECT_FALSE(style->getStrandProperties()->isBold()) << "the new definition replaces the old";
    EXPECT_EQ(cursor, outer);
}

TEST_F(DefinitionTagsTest, AKindThatMakesNoStyleIsOpenedAndClosedWithoutEffect)
{
    INode* outer = cursor;
    tag(CHCHANGE_BEGIN_TAG, CHTAG_STYLE_DEFINITION, 1, 14);
    EXPECT_EQ(cursor, outer);
    tag(CHCHANGE_END_TAG, CHTAG_STYLE_DEFINITION, 1);
    EXPECT_TRUE(table->getStyles().empty());
    EXPECT_TRUE(CChangeTags::tagStack().empty());
    EXPECT_EQ(cursor, outer);
}

TEST_F(DefinitionTagsTest, AnEndThatFindsNoStyleOrItemAroundTheCursorIsMisformed)
{
    tag(CHCHANGE_BEGIN_TAG, 0x12345678, 1);
    EXPECT_EQ(messageOf<ExMisformedChunkerDataError>([&] { tag(CHCHANGE_END_TAG, CHTAG_STYLE_DEFINITION, 1); }),
              "REQUIRE: pNodeParent->getParentNode() is a style\n\tFile: ChCTag");
    // A style's paragraph is no summary item's.
    tag(CHCHANGE_BEGIN_TAG, CHTAG_STYLE_DEFINITION, 2, 0);
    EXPECT_EQ(messageOf<ExMisformedChunkerDataError>([&] { tag(CHCHANGE_END_TAG, CHTAG_SUMMARY_ITEM, 2); }),
              "REQUIRE: pNodeParent->getParentNode() is a summary item\n\tFile: ChCTag");
}

TEST_F(DefinitionTagsTest, DefinitionsAndItemsOutsideADocumentFailWithoutMakingAnything)
{
    INode* loose = own(factory.createNode(kParagraphNode));
    CChange& style = handler(CHCHANGE_BEGIN_TAG, CHTAG_STYLE_DEFINITION, 1, 0);
    EXPECT_EQ(messageOf<ExNodeParsingError>([&] { style.process(loose); }),
              "REQUIRE: pNodeParent != NULL\n\tFile: ChCTag  ln(705)");
    CChange& item = handler(CHCHANGE_BEGIN_TAG, CHTAG_SUMMARY_ITEM, 2, 28);
    EXPECT_EQ(messageOf<ExNodeParsingError>([&] { item.process(loose); }),
              "REQUIRE: pNodeParent != NULL\n\tFile: ChCTag  ln(438)");
    EXPECT_TRUE(loose->isEmpty());
    EXPECT_TRUE(table->getStyles().empty());
    EXPECT_EQ(documentContent().getDocumentSummaryTable(), nullptr);
}

} // namespace
