#include "frontends/FrameBuilder.h"

#include "frontends/Measure.h"
#include "frontends/Properties.h"
#include "trx/changes.h"
#include "trx/platform.h"
#include "trxhost/Document.h"

#include <cstring>
#include <string>
#include <utility>

namespace frontends {

namespace {

// Bounds against damaged files. Frames nest a level or two in real
// documents; a frame's offsets and size stay within about 17 m (a million
// twips), as any page does; a picture of a word-processing file is far below
// 64 MiB (its base64 text is a third larger).
constexpr std::size_t kMaxOpenFrames = 16;
constexpr int32_t kMaxFrameLength = 1000000;
constexpr unsigned long kMaxPictureBytes = 64UL << 20;
constexpr unsigned long kMaxPictureText = kMaxPictureBytes / 3 * 4 + 4;

// The frame's four border records.
constexpr std::size_t kBorders[] = {CHFRAME_TOP_BORDER, CHFRAME_LEFT_BORDER, CHFRAME_BOTTOM_BORDER,
                                    CHFRAME_RIGHT_BORDER};

using Anchor = FrameGeometry::Anchor;

void putWord(std::vector<uint8_t>& record, std::size_t offset, uint32_t value)
{
    std::vector<uint8_t> word;
    trxhost::appendNumber(word, value, sizeof value, trxhost::WordOrder::BigEndian);
    std::memcpy(record.data() + offset, word.data(), word.size());
}

std::optional<uint32_t> frameLength(const librevenge::RVNGProperty* property)
{
    const std::optional<uint32_t> twips = twipsOf(property);
    if (!twips || *twips > static_cast<uint32_t>(kMaxFrameLength))
        return std::nullopt;
    return twips;
}

int32_t frameOffset(const librevenge::RVNGProperty* property)
{
    const std::optional<int32_t> twips = signedTwipsOf(property);
    return twips && *twips >= -kMaxFrameLength && *twips <= kMaxFrameLength ? *twips : 0;
}

Anchor anchorOf(const librevenge::RVNGProperty* property)
{
    const std::string type = textOf(property);
    if (type == "as-char")
        return Anchor::InLine;
    if (type == "char")
        return Anchor::Character;
    if (type == "page")
        return Anchor::Page;
    return Anchor::Paragraph;
}

uint32_t anchorKind(Anchor anchor)
{
    switch (anchor) {
    case Anchor::InLine:
    case Anchor::Character:
        return CHFRAME_ANCHOR_CHARACTER;
    case Anchor::Page:
        return CHFRAME_ANCHOR_CONTAINER;
    case Anchor::Paragraph:
        break;
    }
    return CHFRAME_ANCHOR_PARAGRAPH;
}

// The picture's bytes, when the object is a picture of a sound size.
std::optional<std::vector<uint8_t>> pictureBytes(const librevenge::RVNGPropertyList& properties)
{
    const librevenge::RVNGProperty* type = properties["librevenge:mime-type"];
    const librevenge::RVNGProperty* data = properties["office:binary-data"];
    if (!type || !data || std::strncmp(type->getStr().cstr(), "image/", std::strlen("image/")) != 0)
        return std::nullopt;
    const librevenge::RVNGString text = data->getStr();
    if (text.size() > kMaxPictureText)
        return std::nullopt;
    const librevenge::RVNGBinaryData binary(text);
    if (binary.empty())
        return std::nullopt;
    return std::vector<uint8_t>(binary.getDataBuffer(), binary.getDataBuffer() + binary.size());
}

} // namespace

FrameGeometry FrameGeometry::ofFrame(const librevenge::RVNGPropertyList& properties)
{
    FrameGeometry geometry;
    geometry.anchor = anchorOf(properties["text:anchor-type"]);
    geometry.x = frameOffset(properties["svg:x"]);
    geometry.y = frameOffset(properties["svg:y"]);
    geometry.width = frameLength(properties["svg:width"]);
    geometry.height = frameLength(properties["svg:height"]);
    return geometry;
}

FrameBuilder::FrameBuilder(HostOutput& output) : output_(output)
{
}

void FrameBuilder::openFrame(const librevenge::RVNGPropertyList& properties, bool carried)
{
    if (ignoredFrames_ > 0 || frames_.size() == kMaxOpenFrames) {
        ++ignoredFrames_;
        return;
    }
    frames_.emplace_back(FrameGeometry::ofFrame(properties), carried);
}

void FrameBuilder::insertBinaryObject(const librevenge::RVNGPropertyList& properties)
{
    if (ignoredFrames_ > 0 || frames_.empty() || frames_.back().pictureTaken)
        return;
    OpenFrame& frame = frames_.back();
    frame.pictureTaken = true;
    if (std::optional<std::vector<uint8_t>> bytes = pictureBytes(properties))
        placePicture(frame, std::move(*bytes));
}

void FrameBuilder::placePicture(OpenFrame& frame, std::vector<uint8_t> bytes)
{
    if (!frame.carried)
        return;
    if (frame.contentTag == 0 && frame.geometry.anchor != Anchor::InLine)
        openContent(frame);
    appendGraphic(frame.geometry, std::move(bytes));
}

// A text box after the first in a frame goes on in the content the first
// began, with the formatting its text left there.
bool FrameBuilder::openTextBox(const Formatting& outside)
{
    if (ignoredFrames_ > 0 || frames_.empty()) {
        ++strayTextBoxes_;
        return false;
    }
    OpenFrame& frame = frames_.back();
    if (frame.openTextBoxes++ > 0 || !frame.carried || frame.outside)
        return false;
    if (frame.contentTag == 0)
        openContent(frame);
    frame.outside = outside;
    return true;
}

void FrameBuilder::closeTextBox()
{
    if (ignoredFrames_ == 0 && !frames_.empty() && frames_.back().openTextBoxes > 0)
        --frames_.back().openTextBoxes;
    else if (strayTextBoxes_ > 0)
        --strayTextBoxes_;
}

std::optional<FrameBuilder::Formatting> FrameBuilder::closeFrame()
{
    if (ignoredFrames_ > 0) {
        --ignoredFrames_;
        return std::nullopt;
    }
    if (frames_.empty())
        return std::nullopt;
    const OpenFrame frame = std::move(frames_.back());
    frames_.pop_back();
    closeContent(frame);
    return frame.outside;
}

// Frames that are not carried stand in text that is left out, or in the
// text of a text box that is.
bool FrameBuilder::omitsText() const
{
    if (strayTextBoxes_ > 0)
        return true;
    for (const OpenFrame& frame : frames_) {
        if (frame.openTextBoxes > 0 && !frame.carried)
            return true;
    }
    return false;
}

void FrameBuilder::finish()
{
    while (!frames_.empty())
        closeFrame();
}

void FrameBuilder::openContent(OpenFrame& frame)
{
    appendFrame(frame.geometry);
    frame.contentTag = output_.newTagId();
    output_.change(CHCHANGE_BEGIN_TAG, CHTAG_FRAME_CONTENT, frame.contentTag, 0);
}

void FrameBuilder::closeContent(const OpenFrame& frame)
{
    if (frame.contentTag != 0)
        output_.change(CHCHANGE_END_TAG, CHTAG_FRAME_CONTENT, frame.contentTag, 0);
}

// The frame has no lines around it and no fill; a size the importer does not
// give is left to the frame's content.
void FrameBuilder::appendFrame(const FrameGeometry& geometry)
{
    std::vector<uint8_t> record(CHFRAME_RECORD_SIZE);
    if (geometry.anchor == Anchor::Paragraph)
        putWord(record, CHFRAME_VERTICAL_FLAGS, CHFRAME_FROM_PARAGRAPH);
    putWord(record, CHFRAME_HORIZONTAL_OFFSET, static_cast<uint32_t>(geometry.x));
    putWord(record, CHFRAME_VERTICAL_OFFSET, static_cast<uint32_t>(geometry.y));
    putWord(record, CHFRAME_ANCHOR, anchorKind(geometry.anchor));
    putWord(record, CHFRAME_SIZE_FLAGS,
            (geometry.width ? 0 : CHFRAME_AUTO_WIDTH) | (geometry.height ? 0 : CHFRAME_AUTO_HEIGHT));
    putWord(record, CHFRAME_WIDTH, geometry.width.value_or(0));
    putWord(record, CHFRAME_HEIGHT, geometry.height.value_or(0));
    for (const std::size_t side : kBorders)
        putWord(record, side + CHBORDER_LINE_STYLE, CHLINE_NONE);
    putWord(record, CHFRAME_SHADING_SWITCH, CHFRAME_SHADING_OFF);
    const uint32_t recordId = output_.document().list(CHLIST_DATA)->append(record);
    output_.change(CHCHANGE_FRAME, 0, 0, recordId);
}

// The picture is shown at its frame's size. The importers do not give the
// picture's own size, so the size it is shown at stands for it too. Its
// property changes are only their end: it has no file name, so its bytes are
// embedded, named by the picture's change and that end.
void FrameBuilder::appendGraphic(const FrameGeometry& geometry, std::vector<uint8_t> bytes)
{
    trxhost::ItemList& objects = *output_.document().list(CHLIST_EMBEDDED_OBJECTS);
    const uint32_t graphic = output_.change(CHCHANGE_EMBEDDED_OBJECT, objects.length(), 0, 0);
    const uint32_t properties = output_.change(CHCHANGE_END_PROPERTIES, 0, 0, 0);
    std::vector<uint8_t> record(CHRECORD_SIZE_EMBEDDED_OBJECT);
    const uint32_t width = geometry.width.value_or(0);
    const uint32_t height = geometry.height.value_or(0);
    putWord(record, CHOBJECT_SOURCE_WIDTH, width);
    putWord(record, CHOBJECT_SOURCE_HEIGHT, height);
    putWord(record, CHOBJECT_WIDTH, width);
    putWord(record, CHOBJECT_HEIGHT, height);
    putWord(record, CHOBJECT_PROPERTIES, properties);
    objects.append(record);
    output_.document().addObject({graphic, properties}, std::move(bytes));
}

} // namespace frontends
