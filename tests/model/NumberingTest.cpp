#include "ModelNodes.h"

#include "model/NumberingLevelDefinition.h"
#include "model/ParagraphNumbering.h"

#include <gtest/gtest.h>

namespace {

class Numbering : public ::testing::Test {
protected:
    Numbering()
    {
        registerModelNodes(factory);
        list = create<CListStyleNode>(factory);
    }
    ~Numbering() override { list->release(); }

    // A level definition added to the list; with a left indent when given.
    CNumberingLevelDefinition* addLevel(uint32_t level, int32_t leftIndent = -1)
    {
        auto* definition = new CNumberingLevelDefinition;
        definition->setLevel(level);
        if (leftIndent >= 0) {
            auto* indents = new CIndents;
            indents->setLeftOffset(COffset(kOffsetFromLeftMargin, leftIndent));
            handOver(indents, [&](CIndents* i) { definition->setIndents(i); });
        }
        handOver(definition, [&](CNumberingLevelDefinition* d) { list->addNumberingLevelDefinition(d); });
        return definition;
    }

    CParagraphNumbering* numbering(uint32_t level)
    {
        auto* result = new CParagraphNumbering;
        result->setLevel(level);
        result->setListStyle(list);
        return result;
    }

    static int32_t leftIndentOf(const IParagraphProperties& properties)
    {
        CIndents indents;
        COffset left;
        return properties.getIndents(indents).getLeftOffset(left).getValue();
    }

    CNodeFactory factory;
    CListStyleNode* list = nullptr;
};

TEST_F(Numbering, LevelDefinitionIsTheFirstOfTheLevelAndNoneForLevelZero)
{
    addLevel(0);
    CNumberingLevelDefinition* first = addLevel(2);
    addLevel(2);
    CParagraphNumbering* atZero = numbering(0);
    CParagraphNumbering* atTwo = numbering(2);
    CParagraphNumbering* atThree = numbering(3);

    EXPECT_EQ(atZero->getNumberingLevelDefinition(), nullptr);
    EXPECT_EQ(atTwo->getNumberingLevelDefinition(), first);
    EXPECT_EQ(atThree->getNumberingLevelDefinition(), nullptr);
    atTwo->setListStyle(nullptr);
    EXPECT_EQ(atTwo->getNumberingLevelDefinition(), nullptr);

    atZero->releaseRef();
    atTwo->releaseRef();
    atThree->releaseRef();
}

TEST_F(Numbering, NumberingReplacesIndentsOnlyWhenItsLevelHasThem)
{
    addLevel(1, 720);
    addLevel(2);
    auto* properties = new CParagraphProperties;
    CIndents own;
    own.setLeftOffset(COffset(kOffsetFromLeftMargin, 100));
    properties->setIndents(own);

    handOver(numbering(2), [&](CParagraphNumbering* n) { properties->setParagraphNumbering(n); });
    EXPECT_EQ(leftIndentOf(*properties), 100);
    handOver(numbering(5), [&](CParagraphNumbering* n) { properties->setParagraphNumbering(n); });
    EXPECT_EQ(leftIndentOf(*properties), 100);
    handOver(numbering(1), [&](CParagraphNumbering* n) { properties->setParagraphNumbering(n); });
    EXPECT_EQ(leftIndentOf(*properties), 720);

    // Setting the numbering already held keeps it alive and applies it again.
    properties->setIndents(own);
    properties->setParagraphNumbering(properties->getParagraphNumbering());
    EXPECT_EQ(properties->getParagraphNumbering()->getLevel(), 1u);
    EXPECT_EQ(leftIndentOf(*properties), 720);
    properties->setParagraphNumbering(nullptr);
    EXPECT_EQ(properties->getParagraphNumbering(), nullptr);
    properties->releaseRef();
}

TEST_F(Numbering, ListStyleAndLevelDefinitionHoldTheirReferences)
{
    CNumberingLevelDefinition* definition = addLevel(1);
    auto* style = new CNumberingStyle;
    style->setNumberingType(kNumberingUpperRoman);
    handOver(strandProperties(true), [&](IStrandProperties* p) { style->setGeneratedNumberProps(p); });
    style->addSuffixStrandContent(create<CTextStrandNode>(factory));
    style->addPrefixStrandContent(create<CTabCSNode>(factory));
    handOver(style, [&](CNumberingStyle* s) { definition->addNumberingStyle(s); });

    CTabDefinition tab;
    tab.setOffset(360);
    definition->setTab(tab);
    tab.setOffset(720);
    EXPECT_EQ(definition->getTab()->getOffset(), 360u);
    definition->removeTab();
    EXPECT_EQ(definition->getTab(), nullptr);

    definition->addRef();
    list->removeNumberingLevelDefinition(definition);
    EXPECT_TRUE(list->getNumberingLevelDefinitions().empty());
    EXPECT_EQ(definition->getReferenceCount(), 1u);
    ASSERT_EQ(definition->getNumberingStyles().size(), 1u);
    EXPECT_TRUE(definition->getNumberingStyles().front()->getGeneratedNumberProps()->isBold());
    definition->releaseRef();
}

TEST_F(Numbering, ParagraphNumberingEquality)
{
    CParagraphNumbering first;
    first.setListStyle(list);
    first.setLevel(2);
    CParagraphNumbering second(first);
    EXPECT_EQ(first, second);
    second.setRestartNumbering(true);
    EXPECT_NE(first, second);
    second = first;
    second.setRestartNumberingAt(4);
    EXPECT_NE(first, second);
    second = first;
    second.setListStyle(nullptr);
    EXPECT_NE(first, second);
}

} // namespace
