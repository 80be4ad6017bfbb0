#include "chunker/ChangeFrame.h"

#include "chunker/ChunkerShade.h"
#include "chunker/HostRecords.h"
#include "chunker/NodeEditing.h"
#include "chunker/WordParagraphNode.h"
#include "model/FrameCSNode.h"
#include "model/FrameProperties.h"
#include "model/NodeFactory.h"
#include "model/ParagraphValues.h"
#include "model/PendingNode.h"
#include "trx/changes.h"

#include <cstddef>
#include <utility>

namespace {

// The frame record's borders, and the fields this reader takes from it.
constexpr SBorderOffsets kFrameBorders{CHFRAME_TOP_BORDER, CHFRAME_LEFT_BORDER, CHFRAME_BOTTOM_BORDER,
                                       CHFRAME_RIGHT_BORDER};
static_assert(holdsWords(CHFRAME_RECORD_SIZE, CHFRAME_KIND, CHFRAME_VERTICAL_FLAGS, CHFRAME_HORIZONTAL_FLAGS,
                         CHFRAME_HORIZONTAL_OFFSET, CHFRAME_VERTICAL_OFFSET, CHFRAME_ANCHOR, CHFRAME_SIZE_FLAGS,
                         CHFRAME_WIDTH, CHFRAME_HEIGHT, CHFRAME_SHADING_SWITCH, CHFRAME_SHADING_COLOR) &&
                  holdsBorders(CHFRAME_RECORD_SIZE, kFrameBorders),
              "the frame's fields lie in the frame record");

const char kNoParent[] = "REQUIRE: pNodeParent != NULL\n\tFile: ChCFrame  ln(50)";

// The reference flags: a group of flags names what an offset is measured
// from, and one of two edge flags picks the first or the second reference
// of the group. The first group the flags touch decides, also when neither
// edge flag is set.
constexpr uint32_t kFirstEdge = 0x01;
constexpr uint32_t kSecondEdge = 0x04;

struct SReferenceGroup {
    uint32_t flags;
    uint32_t first;  // the reference with kFirstEdge
    uint32_t second; // the reference with kSecondEdge
};

constexpr SReferenceGroup kHorizontalGroups[] = {{0x58, 1, 2}, {0x20, 3, 4}, {0x100, 5, 6}};
constexpr SReferenceGroup kVerticalGroups[] = {{0x58, 1, 2}, {0x20, 3, 4}};
// Only a paragraph anchor is measured vertically from its paragraph, when
// no group says otherwise.
constexpr uint32_t kParagraphVerticalReference = 5;

// A character anchor sits at the top of its line with this vertical flag,
// on the baseline otherwise.
constexpr uint32_t kCharacterTopFlag = 0x01;

// The reference the flags give; 0 (the anchor's default) for none.
template <std::size_t N>
uint32_t referenceOf(uint32_t flags, const SReferenceGroup (&groups)[N])
{
    for (const SReferenceGroup& group : groups) {
        if ((flags & group.flags) == 0)
            continue;
        if (flags & kFirstEdge)
            return group.first;
        return (flags & kSecondEdge) ? group.second : 0;
    }
    return 0;
}

template <std::size_t N>
bool inAnyGroup(uint32_t flags, const SReferenceGroup (&groups)[N])
{
    for (const SReferenceGroup& group : groups) {
        if (flags & group.flags)
            return true;
    }
    return false;
}

// The host's words hold signed offsets.
long signedWord(const unsigned char* record, std::size_t offset)
{
    return static_cast<int32_t>(readBigEndian32(record, offset));
}

// An automatic size keeps the record's value; a size of 0 that is not
// automatic is at least 0.
CDimension frameLength(uint32_t sizeFlags, uint32_t automaticFlag, uint32_t value)
{
    if (sizeFlags & automaticFlag)
        return hostLength(kDimensionAuto, value);
    if (value != 0)
        return hostLength(kDimensionExact, value);
    return CDimension(kDimensionAtLeast, 0);
}

// A container or paragraph anchor: placed at its offsets from the references
// the flags name.
template <class Anchor>
TCountedReference<CFramePosition> offsetAnchor(EFrameAnchorType type, const unsigned char* record,
                                               uint32_t verticalReference)
{
    auto anchor = makeCounted<Anchor>();
    anchor->setAnchorType(type);
    anchor->setHorizontalAlignment(kFrameAlignHorizontallyAtOffset);
    anchor->setVerticalAlignment(kFrameAlignVerticallyAtOffset);
    anchor->setHorizReferenceOffset(signedWord(record, CHFRAME_HORIZONTAL_OFFSET));
    anchor->setVertReferenceOffset(signedWord(record, CHFRAME_VERTICAL_OFFSET));
    using HorizontalReference = decltype(anchor->getHorizontalReference());
    using VerticalReference = decltype(anchor->getVerticalReference());
    if (const uint32_t horizontal = referenceOf(readBigEndian32(record, CHFRAME_HORIZONTAL_FLAGS), kHorizontalGroups))
        anchor->setHorizontalReference(static_cast<HorizontalReference>(horizontal));
    if (verticalReference != 0)
        anchor->setVerticalReference(static_cast<VerticalReference>(verticalReference));
    return TCountedReference<CFramePosition>(std::move(anchor));
}

TCountedReference<CFramePosition> characterAnchor(const unsigned char* record)
{
    auto anchor = makeCounted<CWPPositionCharacterAnchor>();
    anchor->setAnchorType(kAnchorToCharacter);
    const bool top = (readBigEndian32(record, CHFRAME_VERTICAL_FLAGS) & kCharacterTopFlag) != 0;
    anchor->setVerticalAlignment(top ? kCharacterAnchorTop : kCharacterAnchorBaseline);
    anchor->setVerticalBaselineOffset(signedWord(record, CHFRAME_VERTICAL_OFFSET));
    return TCountedReference<CFramePosition>(std::move(anchor));
}

} // namespace

// The record is read before the frame is made, so that a record the host
// cannot deliver leaves nothing behind.
uint32_t CChangeFrame::process(INode*& pNodeParent)
{
    INode* holder = requireParent(pNodeParent, kNoParent);
    auto* paragraph = dynamic_cast<CWordParagraphNode*>(pNodeParent);
    if (holder->getContentInterfaceID() == kParagraphStyleNode || !paragraph)
        return 0;
    const auto record = readDataRecord<CHFRAME_RECORD_SIZE>(*this, getValue3());
    const TCountedReference<CFrameProperties> properties = readProperties(record.data());

    CPendingNode node(paragraph->getNodeFactory()->createNode(kFrameCSNode));
    auto* frame = node.get() ? dynamic_cast<IFrameCSContent*>(node.get()->getIContent()) : nullptr;
    if (!frame)
        return 0;
    frame->setFrameProperties(properties.get());
    if (readBigEndian32(record.data(), CHFRAME_KIND) == CHFRAME_KIND_DROP_CAP) {
        CDropCap dropCap;
        dropCap.setEnabled(true);
        paragraph->setDropCap(dropCap);
    }
    paragraph->attachNode(node.get());
    node.take();
    return 0;
}

TCountedReference<CFrameProperties> CChangeFrame::readProperties(const unsigned char* record) const
{
    auto properties = makeCounted<CFrameProperties>();
    const uint32_t sizeFlags = readBigEndian32(record, CHFRAME_SIZE_FLAGS);
    properties->setTransparency((sizeFlags & CHFRAME_TRANSPARENT) ? kFrameTransparent : kFrameOpaque);
    properties->setWidth(frameLength(sizeFlags, CHFRAME_AUTO_WIDTH, readBigEndian32(record, CHFRAME_WIDTH)));
    properties->setHeight(frameLength(sizeFlags, CHFRAME_AUTO_HEIGHT, readBigEndian32(record, CHFRAME_HEIGHT)));

    // The frame is filled with its colour unless the switch turns that off.
    CShading shading;
    shading.setBackgroundPatternColor(colorFromHost(readBigEndian32(record, CHFRAME_SHADING_COLOR)));
    shading.setType(readBigEndian32(record, CHFRAME_SHADING_SWITCH) == 0 ? kShadingSolid : kShadingNone);
    properties->setShading(shading);
    properties->setBorders(convertBorders(m_border, record, kFrameBorders));

    const TCountedReference<CFramePosition> position = readPosition(record);
    properties->setPosition(position.get());
    return properties;
}

TCountedReference<CFramePosition> CChangeFrame::readPosition(const unsigned char* record)
{
    const uint32_t verticalFlags = readBigEndian32(record, CHFRAME_VERTICAL_FLAGS);
    const uint32_t vertical = referenceOf(verticalFlags, kVerticalGroups);
    switch (readBigEndian32(record, CHFRAME_ANCHOR) & CHFRAME_ANCHOR_MASK) {
    case CHFRAME_ANCHOR_CONTAINER:
        return offsetAnchor<CWPPositionContainerAnchor>(kAnchorToContainer, record, vertical);
    case CHFRAME_ANCHOR_PARAGRAPH: {
        const bool fromParagraph =
            !inAnyGroup(verticalFlags, kVerticalGroups) && (verticalFlags & CHFRAME_FROM_PARAGRAPH) != 0;
        return offsetAnchor<CWPPositionParagraphAnchor>(kAnchorToParagraph, record,
                                                        fromParagraph ? kParagraphVerticalReference : vertical);
    }
    case CHFRAME_ANCHOR_CHARACTER:
        return characterAnchor(record);
    default:
        return {};
    }
}
