#include "ReaderTreeFixture.h"

#include "model/NoteAreaProperties.h"

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

} // namespace
