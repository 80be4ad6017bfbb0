#include "ModelNodes.h"

#include "model/FrameProperties.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class FrameGraphicModel : public ::testing::Test {
protected:
    FrameGraphicModel() { registerModelNodes(factory); }

    CNodeFactory factory;
};

CWPPositionContainerAnchor* containerAnchor(long horizontalOffset)
{
    auto* anchor = new CWPPositionContainerAnchor;
    anchor->setAnchorType(kAnchorToContainer);
    anchor->setHorizontalAlignment(kFrameAlignHorizontallyAtOffset);
    anchor->setHorizReferenceOffset(horizontalOffset);
    anchor->setVertReferenceOffset(-360);
    anchor->setHorizontalReference(EWPContainerAnchorHorizontalReference{4});
    return anchor;
}

TEST_F(FrameGraphicModel, FrameKeepsAPrivateCopyOfItsProperties)
{
    auto* frame = create<CFrameCSNode>(factory);
    auto* properties = new CFrameProperties;
    properties->setWidth(CDimension(kDimensionExact, 2880));
    properties->setTransparency(kFrameTransparent);
    frame->setFrameProperties(properties);
    frame->setFrameProperties(frame->getFrameProperties());

    properties->setWidth(CDimension(kDimensionExact, 100));
    properties->releaseRef();
    CFrameProperties* held = frame->getFrameProperties();
    ASSERT_NE(held, nullptr);
    CDimension width;
    EXPECT_EQ(held->getWidth(width), CDimension(kDimensionExact, 2880));
    EXPECT_EQ(held->getTransparency(), kFrameTransparent);

    auto& copy = nodeAs<CFrameCSNode>(frame->clone(INode::kCloneNodeOnly));
    ASSERT_NE(copy.getFrameProperties(), nullptr);
    EXPECT_NE(copy.getFrameProperties(), held);
    EXPECT_EQ(copy.getFrameProperties()->getWidth(width), CDimension(kDimensionExact, 2880));

    frame->setFrameProperties(nullptr);
    EXPECT_EQ(frame->getFrameProperties(), nullptr);
    frame->release();
    copy.release();
}

TEST_F(FrameGraphicModel, PositionsAreHeldAsPrivateClones)
{
    auto* properties = new CFrameProperties;
    CWPPositionContainerAnchor* anchor = containerAnchor(1440);
    properties->setPosition(anchor);
    anchor->setHorizReferenceOffset(0);
    EXPECT_EQ(anchor->getReferenceCount(), 1u) << "the properties hold no reference to the caller's anchor";
    anchor->releaseRef();

    auto* position = dynamic_cast<CWPPositionContainerAnchor*>(properties->getPosition());
    ASSERT_NE(position, nullptr);
    EXPECT_EQ(position->getHorizReferenceOffset(), 1440);
    EXPECT_EQ(position->getVertReferenceOffset(), -360);
    EXPECT_EQ(position->getHorizontalAlignment(), kFrameAlignHorizontallyAtOffset);
    EXPECT_EQ(position->getHorizontalReference(), EWPContainerAnchorHorizontalReference{4});

    CFrameProperties* copy = properties->clone();
    auto* copiedPosition = dynamic_cast<CWPPositionContainerAnchor*>(copy->getPosition());
    ASSERT_NE(copiedPosition, nullptr);
    EXPECT_NE(copiedPosition, position);
    EXPECT_EQ(copiedPosition->getHorizReferenceOffset(), 1440);

    properties->setPosition(nullptr);
    EXPECT_EQ(properties->getPosition(), nullptr);
    properties->releaseRef();
    copy->releaseRef();
}

TEST_F(FrameGraphicModel, EachAnchorClonesToItsOwnClass)
{
    auto* paragraph = new CWPPositionParagraphAnchor;
    paragraph->setAnchorType(kAnchorToParagraph);
    paragraph->setVerticalReference(EWPParagraphAnchorVerticalReference{5});
    auto* character = new CWPPositionCharacterAnchor;
    EXPECT_EQ(character->getVerticalAlignment(), kCharacterAnchorBaseline);
    character->setVerticalBaselineOffset(-40);

    CFramePosition* paragraphCopy = paragraph->clone();
    CFramePosition* characterCopy = character->clone();
    auto* paragraphClone = dynamic_cast<CWPPositionParagraphAnchor*>(paragraphCopy);
    auto* characterClone = dynamic_cast<CWPPositionCharacterAnchor*>(characterCopy);
    ASSERT_NE(paragraphClone, nullptr);
    ASSERT_NE(characterClone, nullptr);
    EXPECT_EQ(paragraphClone->getAnchorType(), kAnchorToParagraph);
    EXPECT_EQ(paragraphClone->getVerticalReference(), EWPParagraphAnchorVerticalReference{5});
    EXPECT_EQ(characterClone->getVerticalBaselineOffset(), -40);
    EXPECT_EQ(characterClone->getReferenceCount(), 1u);

    for (CFramePosition* position : {static_cast<CFramePosition*>(paragraph), paragraphCopy,
                                     static_cast<CFramePosition*>(character), characterCopy})
        position->releaseRef();
}

TEST_F(FrameGraphicModel, GraphicForwardsItsTypeAndFileNameToItsData)
{
    auto* graphic = create<CGraphicCSNode>(factory);
    EXPECT_TRUE(graphic->isAspectRatioMaintained());
    graphic->setGraphicData(12, 0x40, 0);
    graphic->setType(kGraphicDataEmbedded);
    EXPECT_EQ(graphic->getType(), kGraphicDataEmbedded);

    graphic->setGraphicData(12, 0x40, 0, true, CCharacterString("logo.png", 0));
    EXPECT_EQ(graphic->getType(), kGraphicDataReferencedFile);
    CCharacterString fileName;
    EXPECT_EQ(graphic->getReferencedFileName(fileName).getString(), "logo.png");

    // Data that is not bound to the host has no picture to reach.
    std::string out = "untouched";
    EXPECT_EQ(graphic->getWFWConverterID(), 0u);
    EXPECT_FALSE(graphic->convertGraphicData(out));
    EXPECT_FALSE(graphic->writeGraphicDataToDisk(out));
    EXPECT_EQ(out, "untouched");
    graphic->release();
}

TEST_F(FrameGraphicModel, GraphicCloneHasItsOwnDataAndSize)
{
    auto* graphic = create<CGraphicCSNode>(factory);
    graphic->setMaintainAspectRatio(false);
    graphic->setCropRegion(CRectangle(1, 2, 3, 4));
    graphic->setDestinationWidth(CDimension(kDimensionExact, 1440));
    graphic->setOriginalHeight(300);
    graphic->setAltString(CCharacterString("A logo", 0));
    graphic->setType(kGraphicDataEmbedded);

    auto& copy = nodeAs<CGraphicCSNode>(graphic->clone(INode::kCloneNodeOnly));
    EXPECT_FALSE(copy.isAspectRatioMaintained());
    CRectangle crop;
    EXPECT_EQ(copy.getCropRegion(crop), CRectangle(1, 2, 3, 4));
    CDimension width;
    EXPECT_EQ(copy.getDestinationWidth(width), CDimension(kDimensionExact, 1440));
    EXPECT_EQ(copy.getOriginalHeight(), 300u);
    CCharacterString alt;
    EXPECT_EQ(copy.getAltString(alt).getString(), "A logo");
    EXPECT_EQ(copy.getType(), kGraphicDataEmbedded);

    copy.setType(kGraphicDataReferencedFile);
    EXPECT_EQ(graphic->getType(), kGraphicDataEmbedded);
    graphic->release();
    copy.release();
}

} // namespace
