#include "FailureOf.h"
#include "ReaderTreeFixture.h"

#include "core/Exceptions.h"
#include "model/TestNodes.h"

namespace {

// The translator watching a paragraph until its first text.
class WordParagraphDynXlatorTest : public WordNodeFixture {
protected:
    WordParagraphDynXlatorTest()
        : section(factory.createNode(kSectionNode)), paragraph(factory.createNode(kParagraphNode)),
          previous(log, "previous")
    {
        paragraph->setNodeNotify(&previous);
    }
    ~WordParagraphDynXlatorTest() override
    {
        if (!paragraph->getParentNode())
            paragraph->release();
        section->release();
    }

    std::vector<std::string> log;
    INode* section;
    INode* paragraph;
    RecordingNotify previous;
};

TEST_F(WordParagraphDynXlatorTest, FirstTextStrandMarksTheSectionAndRestoresTheChain)
{
    section->attachNode(paragraph);
    new CWordParagraphDynXlator(paragraph);
    ASSERT_NE(paragraph->getNodeNotify(), &previous);
    log.clear();

    paragraph->attachNode(factory.createNode(kTableRowNode));
    paragraph->propertiesDone();
    EXPECT_FALSE(section->arePropertiesDone());
    EXPECT_TRUE(log.empty());

    paragraph->attachNode(factory.createNode(kWordTextStrandNode));
    EXPECT_TRUE(section->arePropertiesDone());
    EXPECT_EQ(paragraph->getNodeNotify(), &previous);
    EXPECT_EQ(log, std::vector<std::string>{"previous:onAttachChild"});
}

TEST_F(WordParagraphDynXlatorTest, DoneOrReleaseBeforeAnyTextAlsoMarksTheSection)
{
    section->attachNode(paragraph);
    new CWordParagraphDynXlator(paragraph);
    paragraph->done();
    EXPECT_TRUE(section->arePropertiesDone());
    EXPECT_EQ(paragraph->getNodeNotify(), &previous);
    EXPECT_EQ(log.back(), "previous:onDone");

    INode* other = factory.createNode(kSectionNode);
    INode* second = factory.createNode(kParagraphNode);
    other->attachNode(second);
    new CWordParagraphDynXlator(second);
    second->release();
    EXPECT_TRUE(other->arePropertiesDone());
    other->release();
}

TEST_F(WordParagraphDynXlatorTest, WithoutASectionItFailsAndLeavesTheChainRestored)
{
    new CWordParagraphDynXlator(paragraph);
    EXPECT_EQ(messageOf<ExNodeParsingError>([&] { paragraph->attachNode(factory.createNode(kTextStrandNode)); }),
              "REQUIRE: pNodeParent != NULL\n\tFile: ChXLator  ln(175)");
    EXPECT_EQ(paragraph->getNodeNotify(), &previous);

    new CWordParagraphDynXlator(paragraph);
    EXPECT_EQ(messageOf<ExNodeParsingError>([&] { paragraph->done(); }),
              "REQUIRE: pNodeParent != NULL\n\tFile: ChXLator  ln(100)");
    EXPECT_EQ(paragraph->getNodeNotify(), &previous);

    // Released without a section, it simply leaves.
    new CWordParagraphDynXlator(paragraph);
    log.clear();
    paragraph->release();
    paragraph = factory.createNode(kParagraphNode);
    EXPECT_EQ(log.front(), "previous:onDestroy");
}

} // namespace
