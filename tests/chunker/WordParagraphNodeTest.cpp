#include "ReaderTreeFixture.h"

namespace {

class WordParagraph : public WordNodeFixture {
protected:
    WordParagraph() : paragraph(own(make<CWordParagraphNode>(kParagraphNode))) {}

    CWordParagraphNode* paragraph;
};

TEST_F(WordParagraph, CloneCopiesTheRunningStateButNotTheSavedStateOrParenthood)
{
    paragraph->getStrandProperties()->setItalic(true);
    paragraph->pushStrandProperties();
    paragraph->getStrandProperties()->setItalic(false);
    paragraph->getStrandProperties()->setBold(true);
    paragraph->setCharset(7);
    paragraph->setWideStringDefaultCharacterSet(9);
    paragraph->attachNode(factory.createNode(kWordTextStrandNode));
    ASSERT_TRUE(paragraph->isParent());

    auto* copy = dynamic_cast<CWordParagraphNode*>(paragraph->clone(INode::kCloneNodeOnly));
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->getStrandProperties()->isBold());
    EXPECT_EQ(copy->getCharset(), 7u);
    EXPECT_EQ(copy->getWideStringDefaultCharacterSet(), 9u);
    EXPECT_FALSE(copy->isParent());
    EXPECT_NE(copy->getProperties(), paragraph->getProperties());
    // Nothing was saved in the copy: popping gives the defaults.
    copy->popStrandProperties();
    EXPECT_FALSE(copy->getStrandProperties()->isItalic());
    EXPECT_FALSE(copy->getStrandProperties()->isBold());
    copy->release();
}

TEST_F(WordParagraph, PopRestoresThePushedStateOrTheDefaults)
{
    paragraph->setFontSize(24);
    paragraph->popStrandProperties();
    EXPECT_EQ(paragraph->getStrandProperties()->getFontSize(), 0u);

    paragraph->setFontSize(24);
    paragraph->setFontNameAsian(font(5));
    paragraph->pushStrandProperties();
    paragraph->setFontSize(10);
    paragraph->setFontNameAsian(nullptr);
    paragraph->popStrandProperties();
    EXPECT_EQ(paragraph->getStrandProperties()->getFontSize(), 24u);
    EXPECT_EQ(paragraph->getStrandProperties()->getFontNameAsian(), fonts.back());
}

TEST_F(WordParagraph, WithoutAStyleSameAsAndOppositeOfStyleUseTheDefaults)
{
    paragraph->getStrandProperties()->setBold(true);
    paragraph->setStrikeOut(kStrikeOutDouble);
    paragraph->setPropertySameAsStyle(kSameAsBold);
    paragraph->setPropertyOppositeOfStyle(kOppositeOfStrikeOut);
    EXPECT_FALSE(paragraph->getStrandProperties()->isBold());
    EXPECT_EQ(paragraph->getStrikeOut(), kStrikeOutSingle);
}

} // namespace
