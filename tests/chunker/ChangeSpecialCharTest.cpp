// Special characters: the content strand of each code, and the index entry
// that takes over the paragraph's text.
#include "FailureOf.h"
#include "ReaderTreeFixture.h"

#include "core/Exceptions.h"
#include "model/IndexNodes.h"

namespace {

using namespace readertest;

class ChangeSpecialCharTest : public ChangeHandlerFixture {};

TEST_F(ChangeSpecialCharTest, EachCodeAddsItsContentStrand)
{
    running().setBold(true);
    for (uint32_t code : {1u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 10u})
        change(24, code);
    EXPECT_EQ(kindsOf(cursor),
              (std::vector<EContentInterfaceID>{kTabCSNode, kSoftHyphenCSNode, kPageBreakCSNode, kNewlineCSNode,
                                                kNonbreakingSpaceCSNode, kHardHyphenCSNode, kCurrentPageNumberCSNode,
                                                kDateTimeCSNode, kDateTimeCSNode}));
    for (INode* strand : childrenOf(cursor)) {
        SCOPED_TRACE("kind " + std::to_string(strand->getContentInterfaceID()));
        EXPECT_TRUE(strand->isDone());
        ASSERT_NE(propertiesOf(strand), nullptr);
        EXPECT_TRUE(propertiesOf(strand)->isBold());
        EXPECT_NE(propertiesOf(strand), &running());
    }
    EXPECT_NE(propertiesOf(childrenOf(cursor)[0]), propertiesOf(childrenOf(cursor)[1]));
}

TEST_F(ChangeSpecialCharTest, OtherCodesCreateNothing)
{
    for (uint32_t code : {0u, 2u, 11u, 0x120u, 311u, 314u, 0xFFFFFFFFu})
        change(24, code);
    EXPECT_TRUE(cursor->isEmpty());
}

TEST_F(ChangeSpecialCharTest, TheStrandStyleIsSetOnContentStrands)
{
    IStrandStyleContent* style = newStrandStyle();
    paragraph().setStrandStyle(style);
    change(24, 1);
    auto* tab = dynamic_cast<IStrandContent*>(childrenOf(cursor)[0]->getIContent());
    EXPECT_EQ(tab->getStyle(), style);
}

// A paragraph inside an index bookmark, as the begin-tag change leaves it.
class IndexEntry : public ChangeHandlerFixture {
protected:
    IndexEntry() : ChangeHandlerFixture("record 2 \"abc\"\n") {}

    void SetUp() override
    {
        bookmarkNode = factory.createNode(kIndexBookmarkCSNode);
        cursor->attachNode(bookmarkNode);
        cursor = factory.createNode(kParagraphNode);
        bookmarkNode->attachNode(cursor);
    }

    IIndexBookmarkCSContent& bookmark() { return dynamic_cast<IIndexBookmarkCSContent&>(*bookmarkNode->getIContent()); }

    INode* bookmarkNode = nullptr;
};

TEST_F(IndexEntry, TheParagraphsStrandsMoveIntoANewEntryOfTheBookmark)
{
    change(7, 0, 1);
    change(8, 2, 1);
    change(7, 1, 1);
    change(24, 1);
    change(7, 2, 1);
    ASSERT_EQ(childrenOf(cursor).size(), 4u);

    change(24, 312);
    EXPECT_TRUE(cursor->isEmpty()) << "the paragraph's text became the entry";
    ASSERT_EQ(bookmark().getEntryList().size(), 1u);
    INode* entry = bookmark().getEntryList().front()->getINode();
    EXPECT_EQ(entry->getContentInterfaceID(), kIndexEntryNode);
    EXPECT_EQ(entry->getParentNode(), bookmarkNode);
    EXPECT_FALSE(entry->isDone()) << "the entry is not finished here";
    EXPECT_EQ(kindsOf(entry), (std::vector<EContentInterfaceID>{kWordTextStrandNode, kWordTextStrandNode, kTabCSNode,
                                                                  kWordTextStrandNode}));
    std::vector<INode*> moved = childrenOf(entry);
    EXPECT_EQ(textOf(moved[0]), u"a");
    EXPECT_EQ(textOf(moved[1]), u"b");
    EXPECT_EQ(textOf(moved[3]), u"c");
    EXPECT_FALSE(propertiesOf(moved[0])->isBold());
    EXPECT_TRUE(propertiesOf(moved[1])->isBold());
    EXPECT_TRUE(propertiesOf(moved[2])->isBold());
    EXPECT_EQ(kindsOf(bookmarkNode), std::vector<EContentInterfaceID>{kParagraphNode}) << "the entry is no child";
}

TEST_F(IndexEntry, ASubentryDoesTheSameAndAnEmptyParagraphGivesAnEmptyEntry)
{
    change(24, 313);
    change(7, 0, 3);
    change(24, 313);
    ASSERT_EQ(bookmark().getEntryList().size(), 2u);
    EXPECT_TRUE(bookmark().getEntryList().front()->getINode()->isEmpty());
    INode* second = bookmark().getEntryList().back()->getINode();
    ASSERT_EQ(kindsOf(second), std::vector<EContentInterfaceID>{kWordTextStrandNode});
    EXPECT_EQ(textOf(childrenOf(second)[0]), u"abc");
    EXPECT_TRUE(cursor->isEmpty());
}

TEST_F(IndexEntry, AParagraphWithoutParentFails)
{
    cursor = own(factory.createNode(kParagraphNode));
    change(7, 0, 3);
    EXPECT_EQ(messageOf<ExNodeParsingError>([&] { handler(24, 312).process(cursor); }),
              "REQUIRE: pNodeParent != NULL\n\tFile: ChCSpec  ln(51)");
    EXPECT_EQ(kindsOf(cursor), std::vector<EContentInterfaceID>{kWordTextStrandNode}) << "the text stays";
}

TEST_F(IndexEntry, OutsideAnIndexBookmarkTheTextStays)
{
    // The paragraph directly in the section.
    cursor = childrenOf(section)[0];
    change(7, 0, 3);
    change(24, 312);
    EXPECT_EQ(kindsOf(cursor), (std::vector<EContentInterfaceID>{kIndexBookmarkCSNode, kWordTextStrandNode}));
}

} // namespace
