#include "icf/ICFFrameCSNodeWriter.h"

#include "icf/ICFAttributeFinder.h"
#include "icf/ICFBorders.h"
#include "icf/ICFCommandWriter.h"
#include "icf/ICFParameter.h"
#include "icf/ICFVocabulary.h"
#include "model/FrameCSNode.h"
#include "model/FrameProperties.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// "APO" anchor kinds.
constexpr unsigned long kApoParagraphAnchor = 0;
constexpr unsigned long kApoContainerAnchor = 1;
constexpr unsigned long kApoCharacterAnchor = 2;

// "APO" alignment codes: a frame placed by its offset, and the extra
// horizontal code of an offset or a paragraph-anchored frame.
constexpr unsigned long kApoAtOffset = 4;
constexpr unsigned long kApoOffsetExtra = 2;

// Text wraps around a frame in the ways 1 to 11; anything else is written as
// no wrapping (0).
constexpr uint32_t kLastWrapCode = 11;

// Where a frame stands, as "APO" gives it.
struct SFramePlacement {
    unsigned long vertical = kApoAtOffset;
    unsigned long horizontal = kApoAtOffset;
    unsigned long horizontalExtra = kApoOffsetExtra;
    long horizontalOffset = 0;
    long verticalOffset = 0;
};

unsigned long horizontalCode(EFrameHorizontalAlignment alignment)
{
    switch (alignment) {
    case kFrameAlignLeft:
    case kFrameAlignCenter:
    case kFrameAlignRight:
        return alignment;
    default:
        return kApoAtOffset;
    }
}

unsigned long verticalCode(EFrameVerticalAlignment alignment)
{
    switch (alignment) {
    case kFrameAlignTop:
        return 1;
    case kFrameAlignMiddle:
        return 3;
    case kFrameAlignBottom:
        return 2;
    default:
        return kApoAtOffset;
    }
}

template <class Anchor>
SFramePlacement alignedPlacement(const Anchor& anchor)
{
    SFramePlacement placement;
    placement.vertical = verticalCode(anchor.getVerticalAlignment());
    placement.horizontal = horizontalCode(anchor.getHorizontalAlignment());
    placement.horizontalOffset = anchor.getHorizReferenceOffset();
    placement.verticalOffset = anchor.getVertReferenceOffset();
    return placement;
}

// A character-anchored frame stands in its line: only its baseline offset
// counts.
SFramePlacement placementOf(const CFramePosition& position)
{
    if (const auto* container = dynamic_cast<const CWPPositionContainerAnchor*>(&position)) {
        SFramePlacement placement = alignedPlacement(*container);
        placement.horizontalExtra = placement.horizontal == kApoAtOffset ? kApoOffsetExtra : 0;
        return placement;
    }
    if (const auto* paragraph = dynamic_cast<const CWPPositionParagraphAnchor*>(&position))
        return alignedPlacement(*paragraph);
    SFramePlacement placement;
    if (const auto* character = dynamic_cast<const CWPPositionCharacterAnchor*>(&position))
        placement.verticalOffset = character->getVerticalBaselineOffset();
    return placement;
}

unsigned long anchorKind(EFrameAnchorType type)
{
    switch (type) {
    case kAnchorToContainer:
        return kApoContainerAnchor;
    case kAnchorToParagraph:
        return kApoParagraphAnchor;
    default:
        return kApoCharacterAnchor;
    }
}

// A length as "APO" and the container measures take it; a negative size
// counts as none.
int64_t sizeOf(const CDimension& length)
{
    return std::max<int64_t>(length.getValue(), 0);
}

// `offset` moved into a container of `container` twips for a frame of
// `size`; a container of 0 is not known and moves nothing. The sums are
// taken in 64 bits: offsets and sizes come from 32-bit host words.
long clampedOffset(long offset, int64_t size, uint32_t container)
{
    if (container == 0)
        return offset;
    int64_t placed = std::max<int64_t>(offset, 0);
    if (placed + size > container)
        placed = std::max<int64_t>(int64_t{container} - size, 0);
    return static_cast<long>(placed);
}

template <class Anchor>
void clampOffsets(Anchor& anchor, int64_t width, int64_t height, uint32_t containerWidth, uint32_t containerHeight)
{
    anchor.setHorizReferenceOffset(clampedOffset(anchor.getHorizReferenceOffset(), width, containerWidth));
    anchor.setVertReferenceOffset(clampedOffset(anchor.getVertReferenceOffset(), height, containerHeight));
}

// The four sides in the order "APO" gives them: top, left, bottom, right.
std::array<CBorder, 4> sidesOf(const CRectangularBorders& borders)
{
    std::array<CBorder, 4> sides;
    borders.getTop(sides[0]);
    borders.getLeft(sides[1]);
    borders.getBottom(sides[2]);
    borders.getRight(sides[3]);
    return sides;
}

void writeLength(CICFCommandWriter& command, const CDimension& length)
{
    command.writeParameter(CICFDecimalParameter(static_cast<unsigned long>(length.getValue())));
}

void writeOffset(CICFCommandWriter& command, long offset)
{
    command.writeParameter(CICFDecimalParameter(static_cast<unsigned long>(offset)));
}

} // namespace

void CICFFrameCSNodeWriter::onPropertiesDone()
{
    if (!getNode()->isOkToWrite())
        return;
    writeStrandStart();
    writeFrameStart();
    renotifyCompletedChildren();
}

void CICFFrameCSNodeWriter::onDone()
{
    INode* node = getNode();
    if (!node->isOkToWrite())
        return;
    writeFrameEnd();
    writeStrandEnd();
    node->release();
}

bool CICFFrameCSNodeWriter::canChildWrite(INode*)
{
    INode* node = getNode();
    return node->isOkToWrite() && node->arePropertiesDone();
}

void CICFFrameCSNodeWriter::writeContent()
{
    writeFrameStart();
    writeChildren();
    writeFrameEnd();
}

bool CICFFrameCSNodeWriter::queryInterface(int32_t id, void** out)
{
    if (!out || id != kICFPageAttributesInterface)
        return CICFStrandNodeWriter::queryInterface(id, out);
    *out = static_cast<IICFPageAttributes*>(this);
    return true;
}

void CICFFrameCSNodeWriter::writeFrameStart()
{
    CFrameProperties* properties = getFrameProperties();
    if (!properties || !properties->getPosition())
        return;
    normalizeFramePosition();
    const CFramePosition& position = *properties->getPosition();
    const SFramePlacement placement = placementOf(position);
    CDimension length;
    CRectangularBorders borders;
    const std::array<CBorder, 4> sides = sidesOf(properties->getBorders(borders));
    CShading shading;
    CFixed transparency;
    properties->getShading(shading).getTransparency(transparency);
    const uint32_t wrap = properties->getWrapMode();

    CICFCommandWriter command;
    command.initialize(getICFWriter(), kCmdFrameOn);
    command.writeParameter(CICFDecimalParameter(0));
    command.writeParameter(CICFDecimalParameter(anchorKind(position.getAnchorType())));
    command.writeParameter(CICFDecimalParameter(placement.vertical));
    command.writeParameter(CICFDecimalParameter(placement.horizontal));
    command.writeParameter(CICFDecimalParameter(placement.horizontalExtra));
    command.writeParameter(CICFDecimalParameter(wrap >= 1 && wrap <= kLastWrapCode ? wrap : 0));
    writeLength(command, properties->getWidth(length));
    writeLength(command, properties->getHeight(length));
    writeOffset(command, placement.horizontalOffset);
    writeOffset(command, placement.verticalOffset);
    for (const CBorder& side : sides)
        writeLength(command, side.getInsideSpacing(length));
    CICFHexParameter lineCodes;
    CICFBorders(borders).getIcfBorderCodes(lineCodes);
    command.writeParameter(lineCodes);
    command.writeParameter(CICFDecimalParameter(static_cast<unsigned long>(static_cast<long>(transparency))));
    writeOffset(command, placement.verticalOffset);
    command.writeParameter(CICFNullParameter());
    command.writeParameter(CICFNullParameter());
    for (const CBorder& side : sides)
        writeLength(command, side.getOutsideSpacing(length));
    command.done();
    m_frameStarted = true;
}

void CICFFrameCSNodeWriter::writeFrameEnd()
{
    if (!m_frameStarted)
        return;
    CICFCommandWriter command;
    command.writeNoParamCmd(getICFWriter(), kCmdFrameOff);
    m_frameStarted = false;
}

// The container is the one above the frame: the frame answers for its own
// paragraphs only.
void CICFFrameCSNodeWriter::normalizeFramePosition()
{
    CFrameProperties* properties = getFrameProperties();
    CFramePosition* position = properties ? properties->getPosition() : nullptr;
    if (!position)
        return;
    INode* above = getNode()->getParentNode();
    const uint32_t containerWidth = CICFAttributeFinder::getContainerWidth(above);
    const uint32_t containerHeight = CICFAttributeFinder::getContainerHeight(above);
    CDimension length;
    const int64_t width = sizeOf(properties->getWidth(length));
    const int64_t height = sizeOf(properties->getHeight(length));
    if (auto* container = dynamic_cast<CWPPositionContainerAnchor*>(position))
        clampOffsets(*container, width, height, containerWidth, containerHeight);
    else if (auto* paragraph = dynamic_cast<CWPPositionParagraphAnchor*>(position))
        clampOffsets(*paragraph, width, height, containerWidth, containerHeight);
    else if (auto* character = dynamic_cast<CWPPositionCharacterAnchor*>(position))
        character->setVerticalBaselineOffset(
            clampedOffset(character->getVerticalBaselineOffset(), height, containerHeight));
}

uint32_t CICFFrameCSNodeWriter::getContainerWidth()
{
    CFrameProperties* properties = getFrameProperties();
    CDimension length;
    return properties ? static_cast<uint32_t>(sizeOf(properties->getWidth(length))) : 0;
}

uint32_t CICFFrameCSNodeWriter::getContainerHeight()
{
    CFrameProperties* properties = getFrameProperties();
    CDimension length;
    return properties ? static_cast<uint32_t>(sizeOf(properties->getHeight(length))) : 0;
}

CFrameProperties* CICFFrameCSNodeWriter::getFrameProperties()
{
    const auto* frame = dynamic_cast<IFrameCSContent*>(getNode()->getIContent());
    return frame ? frame->getFrameProperties() : nullptr;
}
