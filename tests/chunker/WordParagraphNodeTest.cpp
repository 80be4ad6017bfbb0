#include "ReaderTreeFixture.h"
#include "trx/changes.h"

namespace {

class WordParagraph : public WordNodeFixture {
protected:
    WordParagraph() : paragraph(own(make<CWordParagraphNode>(kParagraphNode))) {}

    // A paragraph style, owned by the test, whose character formatting is
    // bold with font 1 at size 20.
    CWordParagraphStyleNode* boldParagraphStyle()
    {
        paragraphStyle = own(make<CWordParagraphStyleNode>(kParagraphStyleNode));
        IStrandProperties* properties = paragraphStyle->getStrandProperties();
        properties->setBold(true);
        properties->setFontSize(20);
        properties->setFontName(font(1));
        return paragraphStyle;
    }

    CWordParagraphNode* paragraph;
    CWordParagraphStyleNode* paragraphStyle = nullptr;
};

TEST_F(WordParagraph, CloneCopiesTheRunningStateButNotTheSavedStateOrParenthood)
{
    CWordStrandStyleNode* style = make<CWordStrandStyleNode>(kStrandStyleNode);
    paragraph->setStrandStyle(style);
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
    EXPECT_EQ(copy->getStrandStyle(), style);
    EXPECT_EQ(copy->getCharset(), 7u);
    EXPECT_EQ(copy->getWideStringDefaultCharacterSet(), 9u);
    EXPECT_FALSE(copy->isParent());
    EXPECT_NE(copy->getProperties(), paragraph->getProperties());
    // Nothing was saved in the copy: popping gives the defaults.
    copy->popStrandProperties();
    EXPECT_FALSE(copy->getStrandProperties()->isItalic());
    EXPECT_FALSE(copy->getStrandProperties()->isBold());
    copy->release();
    style->release();
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

TEST_F(WordParagraph, StrandStyleImposesItsFormattingAndFallsBackToTheParagraphStyleForFonts)
{
    paragraph->setStyle(boldParagraphStyle());
    CWordStrandStyleNode* style = make<CWordStrandStyleNode>(kStrandStyleNode);
    auto* styleProperties = dynamic_cast<CWordStrandProperties*>(style->getProperties());
    styleProperties->setItalic(true);
    styleProperties->setFontNameAsian(font(2));
    paragraph->setScaling(CFixed(2));
    paragraph->setFontNameLowRange(font(3));

    paragraph->setStrandStyle(style);
    CWordStrandProperties* current = paragraph->getStrandProperties();
    EXPECT_EQ(paragraph->getStrandStyle(), style);
    EXPECT_TRUE(current->isItalic());
    EXPECT_FALSE(current->isBold()); // the strand style's own value wins
    EXPECT_EQ(current->getFontNameAsian(), fonts[1]);
    // Size and main font are missing from the strand style: the paragraph
    // style's are taken, even where it has none (the low-range font).
    EXPECT_EQ(current->getFontSize(), 20u);
    EXPECT_EQ(current->getFontName(), fonts[0]);
    EXPECT_EQ(current->getFontNameLowRange(), nullptr);
    CFixed scaling;
    EXPECT_EQ(static_cast<int>(current->getScaling(scaling)), 2);

    // Without a strand style the paragraph style is the source.
    paragraph->setStrandStyle(nullptr);
    EXPECT_TRUE(current->isBold());
    EXPECT_FALSE(current->isItalic());
    style->release();
}

TEST_F(WordParagraph, WithoutAnyStyleTheStrandStyleLeavesTheStateAlone)
{
    paragraph->getStrandProperties()->setBold(true);
    paragraph->setStrandStyle(nullptr);
    EXPECT_TRUE(paragraph->getStrandProperties()->isBold());

    CWordStrandStyleNode* style = make<CWordStrandStyleNode>(kStrandStyleNode);
    paragraph->setFontSize(12);
    paragraph->setStrandStyle(style);
    EXPECT_FALSE(paragraph->getStrandProperties()->isBold());
    EXPECT_EQ(paragraph->getStrandProperties()->getFontSize(), 12u);
    style->release();
}

TEST_F(WordParagraph, SameAsAndOppositeOfStyleUseTheNearestStyleOrTheDefaults)
{
    paragraph->getStrandProperties()->setBold(true);
    paragraph->setStrikeOut(kStrikeOutDouble);
    paragraph->setPropertySameAsStyle(kSameAsBold);
    paragraph->setPropertyOppositeOfStyle(kOppositeOfStrikeOut);
    EXPECT_FALSE(paragraph->getStrandProperties()->isBold());
    EXPECT_EQ(paragraph->getStrikeOut(), kStrikeOutSingle);

    paragraph->setStyle(boldParagraphStyle());
    paragraph->setPropertyOppositeOfStyle(kOppositeOfBold);
    EXPECT_FALSE(paragraph->getStrandProperties()->isBold());
    paragraph->setPropertySameAsStyle(kSameAsFontName);
    EXPECT_EQ(paragraph->getStrandProperties()->getFontName(), fonts[0]);

    paragraphStyle->getStrandProperties()->setCaseModifier(kCaseAllCapitals);
    paragraph->setCaseOppositeOfStyle(CHATTR_ALL_CAPS);
    EXPECT_EQ(paragraph->getStrandProperties()->getCaseModifier(), kCaseNone);
    paragraphStyle->getStrandProperties()->setCaseModifier(kCaseNone);
    paragraph->setCaseOppositeOfStyle(CHATTR_TITLE_CASE);
    EXPECT_EQ(paragraph->getStrandProperties()->getCaseModifier(), kCaseTitle);
    paragraph->setCaseOppositeOfStyle(CHATTR_DOUBLE_UNDERLINE);
    EXPECT_EQ(paragraph->getStrandProperties()->getCaseModifier(), kCaseTitle);
}

} // namespace
