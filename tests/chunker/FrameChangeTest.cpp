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

// Horizontal flags: groups 0x58, 0x20, 0x100; vertical: 0x58, 0x20, and 0x02
// for a paragraph anchor alone. Edge 0x01 picks a group's first reference,
// 0x04 its second.
TEST(FrameRecordTest, FlagsNameTheReferences)
{
    struct Case {
        uint32_t anchor, horizontalFlags, verticalFlags, horizontal, vertical;
    };
    for (const Case& c : {
             Case{CHFRAME_ANCHOR_CONTAINER, 0x41, 0x44, 1, 2},
             Case{0x40 | CHFRAME_ANCHOR_PARAGRAPH, 0x24, 0x02, 4, 5},
             Case{CHFRAME_ANCHOR_PARAGRAPH, 0x104, 0x0A, 6, 0},
             Case{CHFRAME_ANCHOR_CONTAINER, 0x08, 0x23, 0, 3},
         }) {
        FrameRecord record;
        record.put(24, c.anchor).put(12, c.horizontalFlags).put(8, c.verticalFlags).put(16, uint32_t(-720));
        const auto position = CChangeFrame::readPosition(record.bytes.data());
        const auto check = [&c](const auto& anchor) {
            EXPECT_EQ(uint32_t{anchor.getHorizontalReference()}, c.horizontal) << std::hex << c.horizontalFlags;
            EXPECT_EQ(uint32_t{anchor.getVerticalReference()}, c.vertical) << std::hex << c.verticalFlags;
            EXPECT_EQ(anchor.getHorizReferenceOffset(), -720);
        };
        if (position->getAnchorType() == kAnchorToContainer)
            check(dynamic_cast<CWPPositionContainerAnchor&>(*position.get()));
        else
            check(dynamic_cast<CWPPositionParagraphAnchor&>(*position.get()));
    }

    FrameRecord record;
    auto position = CChangeFrame::readPosition(record.put(24, 0x48).put(20, 30).bytes.data());
    auto& character = dynamic_cast<CWPPositionCharacterAnchor&>(*position.get());
    EXPECT_EQ(character.getAnchorType(), kAnchorToCharacter);
    EXPECT_EQ(character.getVerticalAlignment(), kCharacterAnchorBaseline);
    EXPECT_EQ(character.getVerticalBaselineOffset(), 30);
    position = CChangeFrame::readPosition(record.put(8, 0x01).bytes.data());
    EXPECT_EQ(dynamic_cast<CWPPositionCharacterAnchor&>(*position.get()).getVerticalAlignment(), kCharacterAnchorTop);
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
