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
    anchor->setHorizReferenceOffset(horizontalOffset);
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

    CFrameProperties* copy = properties->clone();
    auto* copiedPosition = dynamic_cast<CWPPositionContainerAnchor*>(copy->getPosition());
    ASSERT_NE(copiedPosition, nullptr);
    EXPECT_NE(copiedPosition, position);
    EXPECT_EQ(copiedPosition->getReferenceCount(), 1u) << "a clone starts a count of its own";
    EXPECT_EQ(copiedPosition->getHorizReferenceOffset(), 1440);

    properties->setPosition(nullptr);
    EXPECT_EQ(properties->getPosition(), nullptr);
    properties->releaseRef();
    copy->releaseRef();
}

TEST_F(FrameGraphicModel, ReferencedGraphicDataNamesItsFileButReachesNoPicture)
{
    auto* graphic = create<CGraphicCSNode>(factory);
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

TEST_F(FrameGraphicModel, GraphicCloneHasItsOwnData)
{
    auto* graphic = create<CGraphicCSNode>(factory);
    graphic->setCropRegion(CRectangle(1, 2, 3, 4));
    graphic->setType(kGraphicDataEmbedded);

    auto& copy = nodeAs<CGraphicCSNode>(graphic->clone(INode::kCloneNodeOnly));
    CRectangle crop;
    EXPECT_EQ(copy.getCropRegion(crop), CRectangle(1, 2, 3, 4));
    EXPECT_EQ(copy.getType(), kGraphicDataEmbedded);
    copy.setType(kGraphicDataReferencedFile);
    EXPECT_EQ(graphic->getType(), kGraphicDataEmbedded);
    graphic->release();
    copy.release();
}

} // namespace
