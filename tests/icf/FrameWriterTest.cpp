// The frame writer where no golden case reaches: the reader places every
// frame at its offsets, so the alignment codes of "APO" are met only here,
// and so are offsets that lie outside the frame's container.
#include "icf/ICFAttributeFinder.h"
#include "icf/ICFFrameCSNodeWriter.h"

#include "ICFBytes.h"
#include "ICFOutputFixture.h"

#include "model/CountedReference.h"
#include "model/FrameCSNode.h"
#include "model/FrameProperties.h"
#include "model/NodeCast.h"
#include "model/PageProperties.h"
#include "model/ParagraphNode.h"
#include "model/SectionNode.h"
#include "model/SectionProperties.h"

#include <string>

namespace {

class FrameWriterTest : public ICFOutputFixture {
protected:
    FrameWriterTest()
    {
        makeNodes<CSectionNode, CParagraphNode, CFrameCSNode>();
        writer.initialize(&stream, registrar());
        section = &nodeAs<CSectionNode>(factory.createNode(kSectionNode));
        paragraph = factory.createNode(kParagraphNode);
        frame = &nodeAs<CFrameCSNode>(factory.createNode(kFrameCSNode));
        section->setProperties(sectionProperties.get());
        sectionProperties->setPageProperties(page.get());
        section->attachNode(paragraph);
        paragraph->attachNode(frame);
    }
    ~FrameWriterTest() override { section->release(); }

    // The frame, in a paragraph of the section, is 2000 by 1000 at `anchor`.
    void place(const CFramePosition& anchor)
    {
        const auto properties = makeCounted<CFrameProperties>();
        properties->setWidth(CDimension(kDimensionExact, 2000));
        properties->setHeight(CDimension(kDimensionExact, 1000));
        properties->setPosition(&anchor);
        frame->setFrameProperties(properties.get());
    }
    CICFFrameCSNodeWriter& frameWriter() { return dynamic_cast<CICFFrameCSNodeWriter&>(*frame->getNodeWriter()); }
    template <class Anchor>
    Anchor& position()
    {
        return dynamic_cast<Anchor&>(*frame->getFrameProperties()->getPosition());
    }

    TCountedReference<CSectionProperties> sectionProperties = makeCounted<CSectionProperties>();
    TCountedReference<CPageProperties> page = makeCounted<CPageProperties>();
    CSectionNode* section = nullptr;
    INode* paragraph = nullptr;
    CFrameCSNode* frame = nullptr;
};

TEST_F(FrameWriterTest, OffsetsAreMovedIntoThePageOfTheSection)
{
    const auto anchor = makeCounted<CWPPositionContainerAnchor>();
    anchor->setHorizReferenceOffset(-50);
    anchor->setVertReferenceOffset(15000);
    place(*anchor.get());
    frameWriter().normalizeFramePosition();
    EXPECT_EQ(position<CWPPositionContainerAnchor>().getHorizReferenceOffset(), -50) << "no page: nothing moves";

    page->setWidth(12240);
    page->setHeight(15840);
    frameWriter().normalizeFramePosition();
    EXPECT_EQ(position<CWPPositionContainerAnchor>().getHorizReferenceOffset(), 0);
    EXPECT_EQ(position<CWPPositionContainerAnchor>().getVertReferenceOffset(), 15840 - 1000);
    // The frame's own paragraphs see the frame as their page.
    EXPECT_EQ(CICFAttributeFinder::getContainerWidth(frame), 2000u);
    EXPECT_EQ(CICFAttributeFinder::getContainerHeight(frame), 1000u);
    EXPECT_EQ(CICFAttributeFinder::getLeftMargin(frame), 0u);

    // An offset near 2^31 with a size that reads as negative: no overflow,
    // and the frame counts as having no width.
    const auto far = makeCounted<CWPPositionParagraphAnchor>();
    far->setHorizReferenceOffset(0x7FFFFFF0);
    far->setVertReferenceOffset(-2147483647L - 1);
    place(*far.get());
    CFrameProperties& properties = *frame->getFrameProperties();
    properties.setWidth(CDimension(kDimensionExact, static_cast<int32_t>(0xFFFFFFF0u)));
    frameWriter().normalizeFramePosition();
    EXPECT_EQ(position<CWPPositionParagraphAnchor>().getHorizReferenceOffset(), 12240);
    EXPECT_EQ(position<CWPPositionParagraphAnchor>().getVertReferenceOffset(), 0);

    const auto character = makeCounted<CWPPositionCharacterAnchor>();
    character->setVerticalBaselineOffset(16000);
    place(*character.get());
    frameWriter().normalizeFramePosition();
    EXPECT_EQ(position<CWPPositionCharacterAnchor>().getVerticalBaselineOffset(), 15840 - 1000);
}

TEST_F(FrameWriterTest, AlignedContainerFrameWritesItsCodes)
{
    const auto anchor = makeCounted<CWPPositionContainerAnchor>();
    anchor->setHorizontalAlignment(kFrameAlignCenter);
    anchor->setVerticalAlignment(kFrameAlignBottom);
    anchor->setHorizReferenceOffset(100);
    anchor->setVertReferenceOffset(200);
    place(*anchor.get());
    CFrameProperties& properties = *frame->getFrameProperties();
    properties.setWrapMode(static_cast<EFrameWrappingMode>(12));
    CBorder top(kLineDouble);
    top.setInsideSpacing(CDimension(kDimensionExact, 11));
    top.setOutsideSpacing(CDimension(kDimensionExact, 21));
    CRectangularBorders borders;
    borders.setTop(top);
    borders.setRight(CBorder(kLineDotted));
    properties.setBorders(borders);
    CShading shading;
    shading.setTransparency(CFixed(25));
    properties.setShading(shading);

    frameWriter().writeFrameStart();
    frameWriter().writeFrameEnd();
    frameWriter().writeFrameEnd();
    frame->setFrameProperties(nullptr);
    frameWriter().writeFrameStart();
    frameWriter().writeFrameEnd();
    EXPECT_EQ(output(), std::string(CI "APO" "0" PE "1" PE "2" PE "1" PE "0" PE "0" PE "2000" PE "1000" PE
                                        "100" PE "200" PE "11" PE "0" PE "0" PE "0" PE "2004" PE "25" PE "200" PE PE
                                        PE "21" PE "0" PE "0" PE "0" PE CE CI "APF" CE))
        << "one area, closed once; none without a position";
}

} // namespace
