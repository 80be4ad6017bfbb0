#include "ModelNodes.h"

#include "model/FontDefinition.h"
#include "model/StrandContentList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class StrandModel : public ::testing::Test {
protected:
    StrandModel() { registerModelNodes(factory); }

    CTextStrandNode* textStrand(const char* text)
    {
        auto* strand = create<CTextStrandNode>(factory);
        strand->setText(CCharacterString(text, 0));
        return strand;
    }

    static std::string textOf(IStrandContent* strand)
    {
        CCharacterString text;
        return dynamic_cast<ITextStrandContent&>(*strand).getText(text).getString();
    }

    CNodeFactory factory;
};

TEST_F(StrandModel, SharedPropertiesLiveAsLongAsTheirLastHolder)
{
    CTextStrandNode* first = textStrand("a");
    CTextStrandNode* second = textStrand("b");
    auto* properties = strandProperties(true);
    first->setProperties(properties);
    second->setProperties(properties);
    properties->releaseRef();
    EXPECT_EQ(properties->getReferenceCount(), 2u);

    first->release();
    EXPECT_TRUE(second->getProperties()->isBold());
    // Setting the object already held must not drop its last reference.
    second->setProperties(properties);
    EXPECT_EQ(properties->getReferenceCount(), 1u);
    second->release();
}

TEST_F(StrandModel, StrandWithoutPropertiesGetsItsOwnCopyOfTheStyles)
{
    auto* style = create<CStrandStyleNode>(factory);
    handOver(strandProperties(true), [&](IStrandProperties* p) { style->setProperties(p); });
    CTextStrandNode* plain = textStrand("plain");
    CTextStrandNode* formatted = textStrand("formatted");
    handOver(strandProperties(false), [&](IStrandProperties* p) { formatted->setProperties(p); });
    IStrandProperties* ownProperties = formatted->getProperties();

    plain->setStyle(style);
    formatted->setStyle(style);

    ASSERT_NE(plain->getProperties(), nullptr);
    EXPECT_NE(plain->getProperties(), style->getProperties());
    EXPECT_EQ(plain->getStyle(), style);
    style->getProperties()->setBold(false);
    EXPECT_TRUE(plain->getProperties()->isBold());
    EXPECT_EQ(formatted->getProperties(), ownProperties);
    EXPECT_FALSE(formatted->getProperties()->isBold());
    EXPECT_FALSE(plain->isPropertySameAsStyle(kSameAsBold));
    EXPECT_FALSE(plain->isPropertyOppositeOfStyle(kOppositeOfBold));

    plain->release();
    formatted->release();
    style->release();
}

TEST_F(StrandModel, StyleLookupFindsOnlyCharacterStyles)
{
    auto* table = create<CStyleTableNode>(factory);
    auto* emphasis = create<CStrandStyleNode>(factory);
    emphasis->setName(CCharacterString("Emphasis", 0));
    emphasis->setID(5);
    auto* heading = create<CParagraphStyleNode>(factory);
    heading->setName(CCharacterString("Heading", 0));
    heading->setID(7);
    table->addStyle(emphasis);
    table->addStyle(heading);
    CTextStrandNode* strand = textStrand("x");

    strand->setStyle(CCharacterString("Emphasis", 0), table);
    EXPECT_EQ(strand->getStyle(), emphasis);
    strand->setStyle(CCharacterString("Missing", 0), table);
    EXPECT_EQ(strand->getStyle(), nullptr);
    strand->setStyle(CCharacterString("Heading", 0), table);
    EXPECT_EQ(strand->getStyle(), nullptr);
    strand->setStyle(5, table);
    EXPECT_EQ(strand->getStyle(), emphasis);
    strand->setStyle(7, table);
    EXPECT_EQ(strand->getStyle(), nullptr);
    strand->setStyle(5, nullptr);
    EXPECT_EQ(strand->getStyle(), nullptr);

    // A character style names its base without copying anything from it.
    auto* strong = create<CStrandStyleNode>(factory);
    strong->setBasedOnStyle(CCharacterString("Emphasis", 0), table);
    EXPECT_EQ(strong->getBasedOnStyle(), emphasis);
    EXPECT_EQ(strong->getProperties(), nullptr);
    strong->setBasedOnStyle(7, table);
    EXPECT_EQ(strong->getBasedOnStyle(), nullptr);

    strong->release();
    strand->release();
    table->release();
}

TEST_F(StrandModel, CloneSharesPropertiesAndStyleAndCopiesText)
{
    auto* style = create<CStrandStyleNode>(factory);
    CTextStrandNode* original = textStrand("abc");
    auto* properties = strandProperties(true);
    original->setProperties(properties);
    properties->releaseRef();
    original->setStyle(style);

    INode* copyNode = original->clone(INode::kCloneNodeOnly);
    auto* copy = dynamic_cast<CTextStrandNode*>(copyNode);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->getProperties(), properties);
    EXPECT_EQ(properties->getReferenceCount(), 2u);
    EXPECT_EQ(copy->getStyle(), style);
    original->setText(CCharacterString("changed", 0));
    original->release();
    EXPECT_EQ(textOf(copy), "abc");
    EXPECT_TRUE(copy->getProperties()->isBold());

    copy->release();
    style->release();
}

TEST_F(StrandModel, AttributeFreeStrandsKeepTheirKindWhenCloned)
{
    const std::vector<EContentInterfaceID> kinds = {
        kColumnBreakCSNode, kHardHyphenCSNode, kIndexBeginCSNode, kIndexEndCSNode, kNewlineCSNode,
        kNonbreakingSpaceCSNode, kPageBreakCSNode, kSoftHyphenCSNode, kTabCSNode, kTOCBeginCSNode, kTOCEndCSNode};
    auto* properties = strandProperties(true);
    for (EContentInterfaceID kind : kinds) {
        INode* node = factory.createNode(kind);
        ASSERT_EQ(node->getContentInterfaceID(), kind);
        auto* strand = dynamic_cast<IStrandContent*>(node->getIContent());
        ASSERT_NE(strand, nullptr) << kind;
        strand->setProperties(properties);

        INode* copy = node->clone(INode::kCloneWithChildren);
        EXPECT_EQ(copy->getContentInterfaceID(), kind);
        EXPECT_EQ(dynamic_cast<IStrandContent&>(*copy->getIContent()).getProperties(), properties);
        copy->release();
        node->release();
    }
    EXPECT_EQ(properties->getReferenceCount(), 1u);
    properties->releaseRef();
}

TEST_F(StrandModel, ContentListOwnsItsStrandsAndClonesThemInOrder)
{
    CStrandContentList source;
    CTextStrandNode* text = textStrand("1.");
    auto* tab = create<CTabCSNode>(factory);
    source.add(text);
    source.add(nullptr);
    source.add(tab);
    {
        CStrandContentList copy;
        copy.cloneStrands(source);
        ASSERT_EQ(copy.size(), 2u);
        IStrandContent* first = *copy.begin();
        IStrandContent* second = *std::next(copy.begin());
        EXPECT_NE(first, text);
        EXPECT_EQ(textOf(first), "1.");
        EXPECT_EQ(second->getINode()->getContentInterfaceID(), kTabCSNode);
        EXPECT_NE(second, tab);
    }
    // Removing hands the strand back: the list no longer releases it.
    source.remove(tab);
    EXPECT_EQ(source.size(), 1u);
    tab->release();
}

TEST(StrandProperties, CopiesShareTheFontAndCountTheirReferences)
{
    auto* font = new CFontDefinition(3, CCharacterString("Arial", 0));
    auto* properties = new CStrandProperties;
    properties->setFontName(font);
    properties->setUnderline(CUnderlining(kLineDotted, kUnderlineContinuous));
    properties->setFontSize(24);
    EXPECT_EQ(font->getReferenceCount(), 2u);

    IStrandProperties* copy = properties->clone();
    EXPECT_EQ(copy->getFontName(), font);
    CUnderlining underline;
    EXPECT_EQ(copy->getUnderline(underline).getLineType(), kLineDotted);
    EXPECT_EQ(copy->getFontSize(), 24u);
    {
        CStrandProperties assigned;
        assigned = *properties;
        EXPECT_EQ(assigned.getFontName(), font);
        EXPECT_EQ(font->getReferenceCount(), 4u);
        assigned.setFontName(nullptr);
        EXPECT_EQ(font->getReferenceCount(), 3u);
        assigned = *properties;
    }
    EXPECT_EQ(font->getReferenceCount(), 3u);

    // The font outlives its creator's reference while properties name it.
    font->releaseRef();
    properties->releaseRef();
    EXPECT_EQ(copy->getFontName()->getID(), 3u);
    copy->releaseRef();
}

} // namespace
