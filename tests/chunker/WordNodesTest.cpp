#include "ReaderTreeFixture.h"

#include "model/EndOfParagraphCSNode.h"
#include "model/NoteAreaProperties.h"
#include "model/StyleContent.h"
#include "model/TableNodes.h"

namespace {

using WordNodes = WordNodeFixture;

TEST_F(WordNodes, TextStrandSharesItsWordPropertiesWithTheBaseAndItsClones)
{
    auto* strand = make<CWordTextStrandNode>(kWordTextStrandNode);
    auto* first = new CWordStrandProperties;
    auto* second = new CWordStrandProperties;
    strand->setWordProperties(first);
    EXPECT_EQ(strand->getProperties(), first);
    EXPECT_EQ(first->getReferenceCount(), 3u);

    strand->setWordProperties(second);
    EXPECT_EQ(first->getReferenceCount(), 1u);
    auto* copy = dynamic_cast<CWordTextStrandNode*>(strand->clone(INode::kCloneNodeOnly));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->getWordProperties(), second);
    EXPECT_EQ(copy->getProperties(), second);

    copy->release();
    strand->release();
    EXPECT_EQ(second->getReferenceCount(), 1u);
    first->releaseRef();
    second->releaseRef();
}

TEST_F(WordNodes, SectionSlotsReuseTheirIdAndDropASeventeenthId)
{
    auto* section = make<CWordSectionNode>(kSectionNode);
    SSubDocumentFormat format{};
    for (uint32_t id = 0; id < CWordSectionNode::kSlotCount; ++id) {
        format[0] = static_cast<unsigned char>(id);
        section->setSlotInformation(id, 100 + id, format);
    }
    format[0] = 0xEE;
    section->setSlotInformation(3, 7, format);
    section->setSlotInformation(99, 1, format);

    uint32_t value = 0;
    SSubDocumentFormat out{};
    ASSERT_TRUE(section->getSlotInformation(3, value, out));
    EXPECT_EQ(value, 7u);
    EXPECT_EQ(out[0], 0xEE);
    ASSERT_TRUE(section->getSlotInformation(15, value, out));
    EXPECT_EQ(value, 115u);
    EXPECT_EQ(out[0], 15);

    value = 42;
    EXPECT_FALSE(section->getSlotInformation(99, value, out));
    EXPECT_EQ(value, 42u);
    EXPECT_EQ(out[0], 15);

    auto* copy = dynamic_cast<CWordSectionNode*>(section->clone(INode::kCloneNodeOnly));
    ASSERT_NE(copy, nullptr);
    EXPECT_FALSE(copy->getSlotInformation(3, value, out));
    EXPECT_NE(copy->getProperties(), nullptr);
    copy->release();
    section->release();
}

// The accessors and kind checks that replace type tests must find exactly
// what a type test finds, for every kind the reader makes.
TEST_F(WordNodes, EveryKindAnswersForItsFamiliesAsATypeTestWould)
{
    for (int id = kBookmarkBeginCSNode; id <= kIncludedDocumentCSNode; ++id) {
        if (id == kStyleTableNode + 1) // the one value that names no kind
            continue;
        INode* node = factory.createNode(static_cast<EContentInterfaceID>(id));
        IContent* content = node->getIContent();
        auto* style = dynamic_cast<IStyleContent*>(content);
        SCOPED_TRACE(id);
        EXPECT_EQ(node->getContentNode(), dynamic_cast<CContentNode*>(node));
        EXPECT_EQ(wordTextStrandOf(node), dynamic_cast<CWordTextStrandNode*>(node));
        EXPECT_EQ(content->getStrandContent(), dynamic_cast<IStrandContent*>(content));
        EXPECT_EQ(content->getTextStrandContent(), dynamic_cast<ITextStrandContent*>(content));
        EXPECT_EQ(content->getEndOfParagraphContent(), dynamic_cast<IEndOfParagraphCSContent*>(content));
        EXPECT_EQ(content->getParagraphContent(), dynamic_cast<IParagraphContent*>(content));
        EXPECT_EQ(content->getSectionContent(), dynamic_cast<ISectionContent*>(content));
        EXPECT_EQ(content->getTableRowContent(), dynamic_cast<ITableRowContent*>(content));
        EXPECT_EQ(content->getTableCellContent(), dynamic_cast<ITableCellContent*>(content));
        EXPECT_EQ(style ? style->getListStyleContent() : nullptr, dynamic_cast<IListStyleContent*>(content));
        EXPECT_EQ(style ? style->getParagraphStyleContent() : nullptr, dynamic_cast<IParagraphStyleContent*>(content));
        EXPECT_EQ(style ? style->getStrandStyleContent() : nullptr, dynamic_cast<IStrandStyleContent*>(content));
        node->release();
    }
}

} // namespace
