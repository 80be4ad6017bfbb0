#include "ModelNodes.h"
#include "TestNodes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ParagraphModel : public ::testing::Test {
protected:
    ParagraphModel()
    {
        registerModelNodes(factory);
        table = create<CStyleTableNode>(factory);
    }
    ~ParagraphModel() override { table->release(); }

    // A paragraph style in the table with paragraph properties aligned as
    // given and character properties bold as given.
    CParagraphStyleNode* paragraphStyle(uint32_t id, const char* name, EHorizontalAlignment alignment, bool bold)
    {
        auto* style = create<CParagraphStyleNode>(factory);
        style->setID(id);
        style->setName(CCharacterString(name, 0));
        handOver(new CParagraphProperties, [&](IParagraphProperties* p) { style->setParagraphProperties(p); });
        style->getParagraphProperties()->setHorizontalAlignment(alignment);
        handOver(strandProperties(bold), [&](IStrandProperties* p) { style->setStrandProperties(p); });
        table->addStyle(style);
        return style;
    }

    CParagraphNode* paragraph()
    {
        auto* node = create<CParagraphNode>(factory);
        handOver(new CParagraphProperties, [&](IParagraphProperties* p) { node->setProperties(p); });
        return node;
    }

    CNodeFactory factory;
    CStyleTableNode* table = nullptr;
};

TEST_F(ParagraphModel, StyleCharacterPropertiesReachOnlyAttachedTextStrandsWithoutTheirOwn)
{
    CParagraphStyleNode* style = paragraphStyle(1, "Body", kAlignLeft, true);
    CParagraphNode* para = paragraph();
    para->setStyle(style);
    auto* plain = create<CTextStrandNode>(factory);
    auto* formatted = create<CTextStrandNode>(factory);
    handOver(strandProperties(false), [&](IStrandProperties* p) { formatted->setProperties(p); });
    auto* tab = create<CTabCSNode>(factory);

    para->attachNode(plain);
    para->attachNode(formatted);
    para->attachNode(tab);

    ASSERT_NE(plain->getProperties(), nullptr);
    EXPECT_TRUE(plain->getProperties()->isBold());
    EXPECT_NE(plain->getProperties(), style->getStrandProperties());
    EXPECT_FALSE(formatted->getProperties()->isBold());
    EXPECT_EQ(tab->getProperties(), nullptr);
    para->release();
}

TEST_F(ParagraphModel, ParagraphTakesACopyOfTheStylePropertiesOnlyWhenItHasNone)
{
    CParagraphStyleNode* centred = paragraphStyle(1, "Centred", kAlignCenter, false);
    auto* bare = create<CParagraphNode>(factory);
    CParagraphNode* own = paragraph();
    IParagraphProperties* ownProperties = own->getProperties();

    bare->setStyle(CCharacterString("Centred", 0), table);
    own->setStyle(1, table);

    ASSERT_NE(bare->getProperties(), nullptr);
    EXPECT_NE(bare->getProperties(), centred->getParagraphProperties());
    EXPECT_EQ(bare->getProperties()->getHorizontalAlignment(), kAlignCenter);
    EXPECT_EQ(own->getProperties(), ownProperties);
    EXPECT_EQ(own->getStyle(), centred);
    bare->release();
    own->release();
}

TEST_F(ParagraphModel, PropertiesRelatedToTheStyle)
{
    paragraphStyle(1, "Centred", kAlignCenter, false)->getParagraphProperties()->setKeepTogether(true);
    CParagraphNode* para = paragraph();
    EXPECT_FALSE(para->isPropertySameAsStyle(kSameAsHorizontalAlignment));
    para->setPropertySameAsStyle(kSameAsHorizontalAlignment);
    EXPECT_EQ(para->getProperties()->getHorizontalAlignment(), kAlignLeft);

    para->setStyle(1, table);
    EXPECT_FALSE(para->isPropertySameAsStyle(kSameAsHorizontalAlignment));
    para->setPropertySameAsStyle(kSameAsHorizontalAlignment);
    EXPECT_EQ(para->getProperties()->getHorizontalAlignment(), kAlignCenter);
    EXPECT_TRUE(para->isPropertySameAsStyle(kSameAsHorizontalAlignment));

    EXPECT_TRUE(para->isPropertyOppositeOfStyle(kOppositeOfKeepTogether));
    para->setPropertySameAsStyle(kSameAsKeepTogether);
    EXPECT_FALSE(para->isPropertyOppositeOfStyle(kOppositeOfKeepTogether));
    para->setPropertyOppositeOfStyle(kOppositeOfKeepTogether);
    EXPECT_FALSE(para->getProperties()->getKeepTogether());
    EXPECT_TRUE(para->isPropertyOppositeOfStyle(kOppositeOfKeepTogether));
    para->release();
}

TEST_F(ParagraphModel, BasingAStyleReplacesItsPropertiesByCopiesOfTheBase)
{
    CParagraphStyleNode* base = paragraphStyle(1, "Base", kAlignRight, true);
    CParagraphStyleNode* derived = paragraphStyle(2, "Derived", kAlignJustify, false);

    derived->setBasedOnStyle(CCharacterString("Base", 0), table);

    EXPECT_EQ(derived->getBasedOnStyle(), base);
    ASSERT_NE(derived->getParagraphProperties(), nullptr);
    EXPECT_NE(derived->getParagraphProperties(), base->getParagraphProperties());
    EXPECT_EQ(derived->getParagraphProperties()->getHorizontalAlignment(), kAlignRight);
    EXPECT_TRUE(derived->getStrandProperties()->isBold());
    base->getStrandProperties()->setBold(false);
    EXPECT_TRUE(derived->getStrandProperties()->isBold());

    // A base without properties leaves the style without any.
    auto* empty = create<CParagraphStyleNode>(factory);
    empty->setID(3);
    table->addStyle(empty);
    derived->setBasedOnStyle(3, table);
    EXPECT_EQ(derived->getParagraphProperties(), nullptr);
    EXPECT_EQ(derived->getStrandProperties(), nullptr);
    // Based on itself, a style keeps what it has.
    base->setBasedOnStyle(base);
    EXPECT_EQ(base->getParagraphProperties()->getHorizontalAlignment(), kAlignRight);
}

TEST_F(ParagraphModel, StyleTableLookupByNameTypeAndId)
{
    CParagraphStyleNode* first = paragraphStyle(4, "Note", kAlignLeft, false);
    auto* character = create<CStrandStyleNode>(factory);
    character->setID(4);
    character->setName(CCharacterString("Note", 0));
    table->addStyle(character);
    table->addStyle(nullptr);

    EXPECT_EQ(table->findStyle(4), first);
    EXPECT_EQ(table->findStyle(4, kStrandStyle), character);
    EXPECT_EQ(table->findStyle(CCharacterString("Note", 0), kStrandStyle), character);
    EXPECT_EQ(table->findStyle(CCharacterString("Note", 0), kParagraphStyle), first);
    EXPECT_EQ(table->findStyle(CCharacterString("Note", 0), kListStyle), nullptr);
    EXPECT_EQ(table->findStyle(9), nullptr);
    EXPECT_EQ(table->getStyles().size(), 2u);
    EXPECT_EQ(character->getParentNode(), table);
    EXPECT_TRUE(table->isEmpty());
}

TEST_F(ParagraphModel, StyleTableOwnsItsStyles)
{
    CParagraphStyleNode* kept = paragraphStyle(1, "Kept", kAlignLeft, false);
    CParagraphStyleNode* released = paragraphStyle(2, "Released", kAlignLeft, false);
    CParagraphStyleNode* removed = paragraphStyle(3, "Removed", kAlignLeft, false);

    // A style released on its own leaves the table.
    released->release();
    EXPECT_EQ(table->findStyle(2), nullptr);
    // A removed style is handed back to the caller.
    table->removeStyle(removed);
    EXPECT_EQ(removed->getParentNode(), nullptr);
    EXPECT_EQ(table->getStyles().size(), 1u);
    removed->release();

    EXPECT_EQ(table->findStyle(1), kept);
}

TEST_F(ParagraphModel, StyleTableCompletesItsStylesFirst)
{
    std::vector<std::string> log;
    RecordingNotify tableNotify(log, "table");
    RecordingNotify firstNotify(log, "first");
    RecordingNotify secondNotify(log, "second");
    paragraphStyle(1, "First", kAlignLeft, false)->setNodeNotify(&firstNotify);
    CParagraphStyleNode* second = paragraphStyle(2, "Second", kAlignLeft, false);
    second->setNodeNotify(&secondNotify);
    second->propertiesDone();
    table->setNodeNotify(&tableNotify);
    log.clear();

    table->done();

    EXPECT_EQ(log, (std::vector<std::string>{"first:onPropertiesDone", "first:onContentDone", "first:onDone",
                                             "second:onContentDone", "second:onDone", "table:onPropertiesDone",
                                             "table:onContentDone", "table:onDone"}));
    for (IStyleContent* style : table->getStyles())
        style->getINode()->setNodeNotify(nullptr);
    table->setNodeNotify(nullptr);
}

TEST_F(ParagraphModel, CloneGivesTheCopyItsOwnPropertiesAndTheSameStyle)
{
    CParagraphStyleNode* style = paragraphStyle(1, "Body", kAlignLeft, true);
    CParagraphNode* original = paragraph();
    original->setStyle(style);
    original->attachNode(create<CTextStrandNode>(factory));
    original->attachNode(create<CTabCSNode>(factory));

    auto* copy = dynamic_cast<CParagraphNode*>(original->clone(INode::kCloneWithChildren));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->getStyle(), style);
    ASSERT_NE(copy->getProperties(), nullptr);
    EXPECT_NE(copy->getProperties(), original->getProperties());
    copy->getProperties()->setHorizontalAlignment(kAlignRight);
    EXPECT_EQ(original->getProperties()->getHorizontalAlignment(), kAlignLeft);
    std::vector<INode*> children(copy->getFirstChild(), copy->getTermChild());
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0]->getContentInterfaceID(), kTextStrandNode);
    EXPECT_EQ(children[1]->getContentInterfaceID(), kTabCSNode);

    // A style clone has its own copies of the properties.
    auto* styleCopy = dynamic_cast<CParagraphStyleNode*>(style->clone(INode::kCloneNodeOnly));
    ASSERT_NE(styleCopy, nullptr);
    EXPECT_EQ(*styleCopy, *style);
    EXPECT_NE(styleCopy->getStrandProperties(), style->getStrandProperties());
    EXPECT_TRUE(styleCopy->getStrandProperties()->isBold());
    styleCopy->release();
    copy->release();
    original->release();
}

} // namespace

namespace {

TEST(ParagraphProperties, CloneCopiesTheFormattingAndSharesTabsAndNumbering)
{
    auto* original = new CParagraphProperties;
    original->setSpaceBefore(CDimension(kDimensionExact, 480));
    auto* tabs = new CTabDefinitions;
    handOver(tabs, [&](CTabDefinitions* t) { original->setTabs(t); });
    auto* numbering = new CParagraphNumbering;
    handOver(numbering, [&](CParagraphNumbering* n) { original->setParagraphNumbering(n); });

    IParagraphProperties* copy = original->clone();
    EXPECT_EQ(copy->getTabs(), tabs);
    EXPECT_EQ(copy->getParagraphNumbering(), numbering);
    EXPECT_EQ(tabs->getReferenceCount(), 2u);
    CDimension space;
    EXPECT_EQ(copy->getSpaceBefore(space).getValue(), 480);
    copy->setSpaceBefore(CDimension(kDimensionExact, 0));
    EXPECT_EQ(original->getSpaceBefore(space).getValue(), 480);

    original->releaseRef();
    EXPECT_EQ(tabs->getReferenceCount(), 1u);
    EXPECT_EQ(numbering->getReferenceCount(), 1u);
    copy->releaseRef();
}

TEST(ParagraphProperties, OwnTheirEndMarkButNotItsCopies)
{
    CNodeFactory factory;
    registerModelNodes(factory);
    std::vector<std::string> log;
    RecordingNotify firstNotify(log, "first");
    RecordingNotify secondNotify(log, "second");
    auto* first = create<CEndOfParagraphCSNode>(factory);
    first->setNodeNotify(&firstNotify);
    auto* second = create<CEndOfParagraphCSNode>(factory);
    second->setNodeNotify(&secondNotify);
    auto* properties = new CParagraphProperties;

    properties->setEndMarker(first);
    properties->setEndMarker(first);
    EXPECT_TRUE(log.empty());
    properties->setEndMarker(second);
    EXPECT_EQ(log, std::vector<std::string>{"first:onDestroy"});
    IParagraphProperties* copy = properties->clone();
    EXPECT_EQ(copy->getEndMarker(), nullptr);
    copy->releaseRef();
    properties->releaseRef();
    EXPECT_EQ(log, (std::vector<std::string>{"first:onDestroy", "second:onDestroy"}));
}

TEST(TabDefinitions, EqualityIgnoresTheDecimalCharacterAndOrderFollowsOffsets)
{
    CTabDefinition decimal;
    decimal.setOffset(720);
    decimal.setType(kTabDecimal);
    decimal.setDecimalCharacter(CCharacterString(".", 0));
    CTabDefinition comma = decimal;
    comma.setDecimalCharacter(CCharacterString(",", 0));
    CTabDefinition dotted = decimal;
    dotted.setLeader(CCharacterString(".", 0));
    CTabDefinition right = decimal;
    right.setType(kTabRight);
    CTabDefinition later = decimal;
    later.setOffset(1440);

    EXPECT_EQ(decimal, comma);
    EXPECT_NE(decimal, dotted);
    EXPECT_NE(decimal, right);
    EXPECT_NE(decimal, later);
    EXPECT_LT(decimal, later);
    EXPECT_GT(later, decimal);
    EXPECT_FALSE(decimal < dotted);

    // A set keeps its stops in the order they were added.
    CTabDefinitions set;
    set.addTabDefinition(later);
    set.addTabDefinition(decimal);
    EXPECT_EQ(set.getTabDefinitions().front().getOffset(), 1440u);
    CTabDefinitions other = set;
    EXPECT_EQ(set, other);
    other.setDefaultTabWidth(720);
    EXPECT_NE(set, other);
}

} // namespace
