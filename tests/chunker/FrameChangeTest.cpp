// Frame changes and the tags around a frame's content: how the frame record
// becomes the frame's properties and anchor, where the frame's text goes,
// and what a frame record or a content tag the document cannot back does.
#include "ReaderTreeFixture.h"

#include "FailureOf.h"
#include "chunker/ChangeFrame.h"
#include "core/Exceptions.h"
#include "model/FrameCSNode.h"
#include "model/FrameProperties.h"
#include "trx/changes.h"

#include <array>

namespace {

using namespace readertest;

// A frame record of big-endian words, all 0 but those put.
struct FrameRecord {
    FrameRecord& put(std::size_t offset, uint32_t word)
    {
        for (std::size_t i = 0; i < 4; ++i)
            bytes[offset + i] = static_cast<unsigned char>(word >> (8 * (3 - i)));
        return *this;
    }
    std::array<unsigned char, 188> bytes{};
};

TEST(FrameRecordTest, SizeRulesShadingAndBorders)
{
    FrameRecord record;
    record.put(72, CHFRAME_AUTO_WIDTH | CHFRAME_TRANSPARENT).put(76, 500).put(92 + 8, 2).put(180, 0x0000FF);
    auto properties = CChangeFrame().readProperties(record.bytes.data());
    CDimension length;
    CShading shading;
    CRectangularBorders borders;
    CBorder side;
    CColor color;
    EXPECT_EQ(properties->getWidth(length), CDimension(kDimensionAuto, 500));
    EXPECT_EQ(properties->getHeight(length), CDimension(kDimensionAtLeast, 0)) << "independent of the width";
    EXPECT_EQ(properties->getTransparency(), kFrameTransparent);
    EXPECT_EQ(properties->getShading(shading).getType(), kShadingSolid);
    EXPECT_EQ(shading.getBackgroundPatternColor(color), CColor(255, 0, 0));
    EXPECT_EQ(properties->getBorders(borders).getTop(side).getLineType(), kLineDouble);
    EXPECT_EQ(properties->getPosition(), nullptr) << "anchor kind 0 is no anchor";

    properties = CChangeFrame().readProperties(FrameRecord().put(80, 300).put(176, 1).bytes.data());
    EXPECT_EQ(properties->getWidth(length), CDimension(kDimensionAtLeast, 0));
    EXPECT_EQ(properties->getHeight(length), CDimension(kDimensionExact, 300));
    EXPECT_EQ(properties->getShading(shading).getType(), kShadingNone);
}

// The references are kept for the model only; the kind of anchor and its
// offsets are what "APO" shows.
TEST(FrameRecordTest, AnchorsAndTheirReferences)
{
    FrameRecord container;
    container.put(24, 0x40 | CHFRAME_ANCHOR_CONTAINER).put(12, 0x104).put(8, 0x0A).put(16, uint32_t(-720));
    auto position = CChangeFrame::readPosition(container.bytes.data());
    const auto& atContainer = dynamic_cast<CWPPositionContainerAnchor&>(*position.get());
    EXPECT_EQ(atContainer.getAnchorType(), kAnchorToContainer);
    EXPECT_EQ(atContainer.getHorizReferenceOffset(), -720);
    EXPECT_EQ(uint32_t{atContainer.getHorizontalReference()}, 6u);
    EXPECT_EQ(uint32_t{atContainer.getVerticalReference()}, 0u) << "group 0x08 without an edge flag names none";

    FrameRecord record;
    position = CChangeFrame::readPosition(record.put(24, 0x48).put(20, 30).bytes.data());
    auto& character = dynamic_cast<CWPPositionCharacterAnchor&>(*position.get());
    EXPECT_EQ(character.getAnchorType(), kAnchorToCharacter);
    EXPECT_EQ(character.getVerticalBaselineOffset(), 30);
}

// Data record 0 is a drop cap frame anchored to its paragraph.
class FrameTagsTest : public ChangeHandlerFixture {
protected:
    FrameTagsTest() : ChangeHandlerFixture("record frame drop cap anchor paragraph width 100\n") {}

    uint32_t tag(uint32_t type) { return ReaderTreeFixture::change(type, CHTAG_FRAME_CONTENT, 4, 0); }
};

TEST_F(FrameTagsTest, ContentGoesIntoTheLastFrameWhichItsEndCloses)
{
    INode* holder = cursor;
    change(CHCHANGE_FRAME, 0, 0, 0);
    change(CHCHANGE_FRAME, 0, 0, 0);
    CDropCap dropCap;
    EXPECT_TRUE(paragraphProperties().getDropCap(dropCap).isEnabled());
    const std::vector<INode*> frames = childrenOf(holder);
    ASSERT_EQ(kindsOf(holder), (std::vector<EContentInterfaceID>{kFrameCSNode, kFrameCSNode}));

    tag(CHCHANGE_BEGIN_TAG);
    EXPECT_EQ(cursor->getParentNode(), frames[1]);
    addText("boxed");
    INode* content = cursor;
    log.clear();
    tag(CHCHANGE_END_TAG);
    EXPECT_EQ(cursor, holder);
    EXPECT_EQ(childrenOf(frames[1]), std::vector<INode*>{content});
    EXPECT_TRUE(childrenOf(frames[0]).empty());
    EXPECT_EQ(log, (Log{"P 27", "C 27", "D 27", "P 13", "C 13", "D 13"}));

    tag(CHCHANGE_BEGIN_TAG);
    tag(CHCHANGE_END_TAG);
    EXPECT_EQ(childrenOf(frames[1]), std::vector<INode*>{content}) << "an empty paragraph is not kept";
}

TEST_F(FrameTagsTest, WhatTheDocumentCannotBackFails)
{
    EXPECT_EQ(messageOf<ExNodeParsingError>([&] { tag(CHCHANGE_BEGIN_TAG); }),
              "REQUIRE: pNodeFrame != NULL\n\tFile: ChCTag");
    const auto beyond = failureOf<ExChunkerFailed>([&] { change(CHCHANGE_FRAME, 0, 0, 500); });
    ASSERT_TRUE(beyond);
    EXPECT_EQ(beyond->getTrxErrNumber(), uint32_t{TRXERR_BADPARAM});
    EXPECT_TRUE(childrenOf(cursor).empty()) << "a frame without its record is not made";
    EXPECT_FALSE(messageOf<ExNodeParsingError>([&] { tag(CHCHANGE_END_TAG); }).empty());
}

} // namespace
