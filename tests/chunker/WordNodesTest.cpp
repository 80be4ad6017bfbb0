#include "ReaderTreeFixture.h"

#include "model/NoteAreaProperties.h"

namespace {

using WordNodes = WordNodeFixture;

TEST_F(WordNodes, CreatorsEquipParagraphsSectionsAndStylesWithTheirOwnProperties)
{
    auto* paragraph = make<CWordParagraphNode>(kParagraphNode);
    auto* paragraphProperties = dynamic_cast<CParagraphProperties*>(paragraph->getProperties());
    ASSERT_NE(paragraphProperties, nullptr);
    EXPECT_EQ(paragraphProperties->getReferenceCount(), 1u);

    auto* section = make<CWordSectionNode>(kSectionNode);
    auto* sectionProperties = dynamic_cast<CSectionProperties*>(section->getProperties());
    ASSERT_NE(sectionProperties, nullptr);
    EXPECT_EQ(sectionProperties->getReferenceCount(), 1u);
    ASSERT_NE(sectionProperties->getPageProperties(), nullptr);
    EXPECT_EQ(sectionProperties->getPageProperties()->getReferenceCount(), 1u);
    ASSERT_NE(sectionProperties->getFootnoteProperties(), nullptr);
    ASSERT_NE(sectionProperties->getEndnoteProperties(), nullptr);
    EXPECT_NE(sectionProperties->getFootnoteProperties(), sectionProperties->getEndnoteProperties());

    auto* paragraphStyle = make<CWordParagraphStyleNode>(kParagraphStyleNode);
    EXPECT_NE(dynamic_cast<CWordStrandProperties*>(paragraphStyle->getStrandProperties()), nullptr);
    EXPECT_NE(paragraphStyle->getParagraphProperties(), nullptr);

    auto* strandStyle = make<CWordStrandStyleNode>(kStrandStyleNode);
    auto* strandProperties = dynamic_cast<CWordStrandProperties*>(strandStyle->getProperties());
    ASSERT_NE(strandProperties, nullptr);
    EXPECT_EQ(strandProperties->getReferenceCount(), 1u);

    for (INode* node : {static_cast<INode*>(paragraph), static_cast<INode*>(section),
                        static_cast<INode*>(paragraphStyle), static_cast<INode*>(strandStyle)})
        node->release();
}

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

TEST_F(WordNodes, RowKeepsCellRecordsInOrderAndDropsExtraOnes)
{
    auto* row = make<CWordTableRowNode>(kTableRowNode);
    EXPECT_EQ(row->getCellInfo(0), nullptr);

    row->setNumberCells(2);
    unsigned char record[CHRECORD_SIZE_CELL_FORMAT] = {};
    for (unsigned char mark : {1, 2, 3}) {
        record[0] = mark;
        record[CHRECORD_SIZE_CELL_FORMAT - 1] = mark;
        row->setNextCellInfo(record);
    }
    ASSERT_NE(row->getCellInfo(1), nullptr);
    EXPECT_EQ(row->getCellInfo(0)[0], 1);
    EXPECT_EQ(row->getCellInfo(1)[0], 2);
    EXPECT_EQ(row->getCellInfo(1)[CHRECORD_SIZE_CELL_FORMAT - 1], 2);
    EXPECT_EQ(row->getCellInfo(2), nullptr);

    // A new count starts over.
    row->setNumberCells(1);
    row->setNextCellInfo(record);
    EXPECT_EQ(row->getCellInfo(0)[0], 3);
    row->release();
}

TEST_F(WordNodes, ColumnNodeCountsItsReferenceToTheProperties)
{
    auto* column = make<CChunkerColumnNode>(kChunkerColumnNode);
    EXPECT_EQ(column->getColumnProperties(), nullptr);
    auto* properties = new CColumnProperties;
    column->setColumnProperties(properties);
    EXPECT_EQ(properties->getReferenceCount(), 2u);
    column->setColumnProperties(nullptr);
    EXPECT_EQ(properties->getReferenceCount(), 1u);
    column->setColumnProperties(properties);
    column->release();
    EXPECT_EQ(properties->getReferenceCount(), 1u);
    properties->releaseRef();
}

TEST_F(WordNodes, SavedNodeIsRememberedButNotCloned)
{
    auto* header = make<CWordHeaderFooterNode>(kHeaderFooterNode);
    auto* paragraph = factory.createNode(kParagraphNode);
    header->setSavedNode(paragraph);
    auto* copy = dynamic_cast<CWordHeaderFooterNode*>(header->clone(INode::kCloneNodeOnly));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->getSavedNode(), nullptr);
    copy->release();
    header->release();
    paragraph->release();
}

} // namespace
