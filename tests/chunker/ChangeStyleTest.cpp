// Style changes: the attribute codes a relation maps to, ids the style
// table does not hold, and changes made outside a document.
#include "FailureOf.h"
#include "ReaderTreeFixture.h"

#include "core/Exceptions.h"
#include "model/ParagraphNumbering.h"
#include "model/StyleTableNode.h"
#include "trx/changes.h"

namespace {

using namespace readertest;

// The document has a style table holding the character style 2, which sets
// every attribute a relation can name to something other than its default.
class ChangeStyleTest : public ChangeHandlerFixture {
protected:
    ChangeStyleTest()
    {
        INode* tableNode = factory.createNode(kStyleTableNode);
        table = dynamic_cast<IStyleTableContent*>(tableNode->getIContent());
        documentContent().setStyleTable(table);
        auto* style = make<CWordStrandStyleNode>(kStrandStyleNode);
        style->setID(2);
        table->addStyle(style);
        styleProperties = style->getProperties();
        for (const SStrandFlag& flag : kStrandFlags)
            setFlag(*styleProperties, flag.flag, true);
        styleProperties->setStrikeOut(kStrikeOutDouble);
        styleProperties->setUnderline(CUnderlining(kLineWave, kUnderlineWordsOnly));
        styleProperties->setCaseModifier(kCaseTitle);
        styleProperties->setScripting(kScriptingSubscript);
        styleProperties->setFontSize(28);
        styleProperties->setFontName(font(3));
        CStrandColor color;
        color.setForeground(CColor(1, 2, 3));
        styleProperties->setColor(color);
        styleProperties->setCharacterWidthAdjustment(-7);
        styleProperties->setPairKerningStart(9);
        CLanguage language;
        language.setLanguage(0x0C);
        styleProperties->setLanguage(language);
    }

    IStyleTableContent* table = nullptr;
    IStrandProperties* styleProperties = nullptr;
};

TEST_F(ChangeStyleTest, SameAsStyleCodesTogetherTakeEveryAttributeOfTheStyle)
{
    change(CHCHANGE_APPLY_STYLE, 0, 2);
    running() = CWordStrandProperties();
    for (uint32_t code :
         {2u, 3u, 4u, 6u, 7u, 8u, 10u, 12u, 15u, 18u, 19u, 20u, 21u, 22u, 23u, 24u, 25u, 27u, 30u, 31u, 38u, 39u})
        change(CHCHANGE_STYLE_RELATION, code, 0, CHRELATION_SAME_AS_STYLE);
    EXPECT_EQ(describe(running()), describe(*styleProperties));
}

TEST_F(ChangeStyleTest, OppositeOfStyleReachesOnlyTheAttributesThatHaveAnOpposite)
{
    change(CHCHANGE_APPLY_STYLE, 0, 2);
    for (uint32_t code : {2u, 3u, 7u, 8u, 12u, 15u, 19u, 20u, 38u, 39u, 17u})
        change(CHCHANGE_STYLE_RELATION, code, 0, CHRELATION_OPPOSITE_OF_STYLE);
    EXPECT_FALSE(running().isBold());
    EXPECT_FALSE(running().isEngraved());
    EXPECT_EQ(running().getStrikeOut(), kStrikeOutNone);
    EXPECT_EQ(running().getCaseModifier(), kCaseNone);
    // Reverse, flashing and protected have no opposite; neither has size.
    const std::string before = describe(running());
    for (uint32_t code : {22u, 21u, 18u, 23u, 4u})
        change(CHCHANGE_STYLE_RELATION, code, 0, CHRELATION_OPPOSITE_OF_STYLE);
    // Neither has a relation of another value.
    change(CHCHANGE_STYLE_RELATION, 2, 0, 3);
    EXPECT_EQ(describe(running()), before);

    // The character style code drops the character style, whatever the
    // relation.
    change(CHCHANGE_STYLE_RELATION, CHATTR_CHARACTER_STYLE, 0, CHRELATION_OPPOSITE_OF_STYLE);
    EXPECT_EQ(paragraph().getStrandStyle(), nullptr);
}

TEST_F(ChangeStyleTest, AnIdTheTableDoesNotHoldBecomesOneListStyleNumberingTheParagraph)
{
    change(CHCHANGE_APPLY_STYLE, 0, 99);
    change(CHCHANGE_APPLY_STYLE, 0, 99);
    ASSERT_EQ(table->getStyles().size(), 2u);
    IStyleContent* list = table->getStyles().back();
    EXPECT_EQ(list->getType(), kListStyle);
    EXPECT_EQ(list->getID(), 99u);
    ASSERT_NE(paragraph().getParagraphNumbering(), nullptr);
    EXPECT_EQ(paragraph().getParagraphNumbering()->getListStyle(), dynamic_cast<IListStyleContent*>(list));
}

TEST_F(ChangeStyleTest, AParagraphStyleWithoutFormattingLeavesTheParagraphDefaultFormatting)
{
    paragraph().setHorizontalAlignment(kAlignRight);
    auto* style = make<CWordParagraphStyleNode>(kParagraphStyleNode);
    style->setID(5);
    style->setParagraphProperties(nullptr);
    table->addStyle(style);
    change(CHCHANGE_APPLY_STYLE, 0, 5);
    EXPECT_EQ(paragraph().getStyle(), style);
    ASSERT_NE(paragraph().getProperties(), nullptr);
    EXPECT_EQ(paragraphProperties().getHorizontalAlignment(), kAlignLeft);
}

TEST_F(ChangeStyleTest, StyleChangesOutsideADocumentFail)
{
    INode* loose = own(factory.createNode(kParagraphNode));
    for (uint32_t type : {CHCHANGE_APPLY_STYLE, CHCHANGE_STYLE_RELATION}) {
        CChange& style = handler(type, CHATTR_BOLD, 2, CHRELATION_SAME_AS_STYLE);
        EXPECT_EQ(messageOf<ExNodeParsingError>([&] { style.process(loose); }),
                  "REQUIRE: pNodeParent != NULL\n\tFile: ChCStyle  ln(42)");
    }
}

} // namespace
